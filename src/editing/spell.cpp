#include "editing/spell.h"

#include "editing/speller.h"
#include "widgets/modal.h"
#include "widgets/prompter.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace corvane {

namespace {
const QString checkComplete = QStringLiteral("The spelling check is complete.");
}

TfrmSpell::TfrmSpell(QPlainTextEdit &memo, Speller &speller, QWidget *parent)
    : QDialog(parent), m_memo(memo), m_speller(speller) {
    setWindowTitle(QStringLiteral("Spell Check"));
    lblWord = new QLabel(this);
    QFont bold = lblWord->font();
    bold.setBold(true);
    lblWord->setFont(bold);
    edChange = new QLineEdit(this);
    lbSuggestions = new QListWidget(this);
    btChange = new QPushButton(QStringLiteral("&Change"), this);
    btIgnore = new QPushButton(QStringLiteral("&Ignore"), this);
    btAdd = new QPushButton(QStringLiteral("&Add to dictionary"), this);
    btClose = new QPushButton(QStringLiteral("Close"), this);
    btChange->setDefault(true);

    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Not in dictionary:"), this), 0, 0);
    layout->addWidget(lblWord, 0, 1);
    auto *changeLabel = new QLabel(QStringLiteral("Change &to:"), this);
    changeLabel->setBuddy(edChange);
    layout->addWidget(changeLabel, 1, 0);
    layout->addWidget(edChange, 1, 1);
    auto *suggestionsLabel = new QLabel(QStringLiteral("&Suggestions:"), this);
    suggestionsLabel->setBuddy(lbSuggestions);
    layout->addWidget(suggestionsLabel, 2, 0, Qt::AlignTop);
    layout->addWidget(lbSuggestions, 2, 1);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {btChange, btIgnore, btAdd})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(btClose);
    layout->addLayout(buttons, 0, 2, 3, 1);
    setFixedSize(420, 250);

    connect(lbSuggestions, &QListWidget::currentTextChanged, edChange, &QLineEdit::setText);
    connect(lbSuggestions, &QListWidget::itemDoubleClicked, this, &TfrmSpell::btChangeClick);
    connect(btChange, &QPushButton::clicked, this, &TfrmSpell::btChangeClick);
    connect(btIgnore, &QPushButton::clicked, this, &TfrmSpell::btIgnoreClick);
    connect(btAdd, &QPushButton::clicked, this, &TfrmSpell::btAddClick);
    connect(btClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmSpell::checkMemo(QPlainTextEdit &memo, QWidget *parent) {
    Speller speller;
    if (!speller.isReady()) {
        prompter().error(QStringLiteral("No English spelling dictionary is installed."));
        return;
    }
    TfrmSpell dialog(memo, speller, parent);
    if (!dialog.findNext()) {
        prompter().information(checkComplete);
        return;
    }
    runModal(dialog);
}

bool TfrmSpell::findNext() {
    const auto found = m_speller.nextMisspelt(m_memo.toPlainText(), m_start);
    if (!found)
        return false;
    m_start = found->start;
    m_word = m_memo.toPlainText().mid(found->start, found->length);
    QTextCursor cursor = m_memo.textCursor();
    cursor.setPosition(found->start);
    cursor.setPosition(found->start + found->length, QTextCursor::KeepAnchor);
    m_memo.setTextCursor(cursor);
    lblWord->setText(m_word);
    lbSuggestions->clear();
    lbSuggestions->addItems(m_speller.suggestions(m_word));
    if (lbSuggestions->count() > 0)
        lbSuggestions->setCurrentRow(0);
    else
        edChange->setText(m_word);
    return true;
}

void TfrmSpell::nextOrFinish() {
    if (findNext())
        return;
    prompter().information(checkComplete);
    accept();
}

void TfrmSpell::btChangeClick() {
    const QString replacement = edChange->text();
    QTextCursor cursor = m_memo.textCursor();
    cursor.setPosition(m_start);
    cursor.setPosition(m_start + m_word.size(), QTextCursor::KeepAnchor);
    cursor.insertText(replacement);
    // A replacement still misspelt is not offered again at once.
    m_start += replacement.isEmpty() ? 0 : replacement.size();
    nextOrFinish();
}

void TfrmSpell::btIgnoreClick() {
    m_speller.ignore(m_word);
    nextOrFinish();
}

void TfrmSpell::btAddClick() {
    if (!prompter().confirm(QStringLiteral("Add \"%1\" to the dictionary?").arg(m_word)))
        return;
    QString error;
    if (!m_speller.addToDictionary(m_word, &error))
        prompter().error(QStringLiteral("Could not save %1: %2").arg(Speller::userDictionaryFile(), error));
    nextOrFinish();
}

} // namespace corvane
