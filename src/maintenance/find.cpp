#include "maintenance/find.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace corvane {

TfrmFind::TfrmFind(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FindDialog1"));
    setWindowTitle(QStringLiteral("Find"));
    setModal(false);

    auto *findLabel = new QLabel(QStringLiteral("Fi&nd what:"), this);
    edFind = new QLineEdit(this);
    findLabel->setBuddy(edFind);
    cbWholeWord = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    cbMatchCase = new QCheckBox(QStringLiteral("Match &case"), this);
    auto *direction = new QGroupBox(QStringLiteral("Direction"), this);
    rbUp = new QRadioButton(QStringLiteral("&Up"), direction);
    rbDown = new QRadioButton(QStringLiteral("&Down"), direction);
    rbDown->setChecked(true);
    auto *directionRow = new QHBoxLayout(direction);
    directionRow->addWidget(rbUp);
    directionRow->addWidget(rbDown);
    btFindNext = new QPushButton(QStringLiteral("&Find Next"), this);
    btClose = new QPushButton(QStringLiteral("Close"), this);
    btFindNext->setDefault(true);
    btFindNext->setEnabled(false);

    auto *grid = new QGridLayout(this);
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(edFind, 0, 1, 1, 2);
    auto *options = new QVBoxLayout;
    options->addWidget(cbWholeWord);
    options->addWidget(cbMatchCase);
    options->addStretch();
    grid->addLayout(options, 1, 0, 1, 2);
    grid->addWidget(direction, 1, 2);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(btFindNext);
    buttons->addWidget(btClose);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 3, 2, 1);
    grid->setColumnStretch(1, 1);

    connect(edFind, &QLineEdit::textChanged, this,
            [this](const QString &text) { btFindNext->setEnabled(!text.isEmpty()); });
    connect(btFindNext, &QPushButton::clicked, this, &TfrmFind::findNext);
    connect(btClose, &QPushButton::clicked, this, &QDialog::reject);
}

SearchRequest TfrmFind::request() const {
    return {edFind->text(), cbMatchCase->isChecked(), cbWholeWord->isChecked(), rbDown->isChecked()};
}

void TfrmFind::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    edFind->setFocus();
    edFind->selectAll();
    emit shown();
}

void TfrmFind::hideEvent(QHideEvent *event) {
    QDialog::hideEvent(event);
    emit closed();
}

} // namespace corvane
