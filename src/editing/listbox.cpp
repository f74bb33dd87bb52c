#include "editing/listbox.h"

#include "editing/categoryfile.h"
#include "widgets/prompter.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace corvane {

TfrmListBox::TfrmListBox(QWidget *parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Edit Combo Box"));
    ListBox1 = new QListWidget(this);
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    btAdd = new QPushButton(QStringLiteral("&Add"), this);
    btDel = new QPushButton(QStringLiteral("&Delete"), this);
    btClear = new QPushButton(QStringLiteral("&Clear"), this);
    btOK = new QPushButton(QStringLiteral("OK"), this);
    btCancel = new QPushButton(QStringLiteral("Cancel"), this);
    for (QPushButton *button : {btAdd, btDel, btClear, btOK, btCancel})
        button->setAutoDefault(false);
    btOK->setDefault(true);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(btAdd);
    buttons->addWidget(btDel);
    buttons->addWidget(btClear);
    buttons->addStretch();
    buttons->addWidget(btOK);
    buttons->addWidget(btCancel);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(ListBox1, 1);
    layout->addLayout(buttons);
    setFixedSize(330, 260);

    connect(btAdd, &QPushButton::clicked, this, &TfrmListBox::btAddClick);
    connect(btDel, &QPushButton::clicked, this, &TfrmListBox::btDelClick);
    connect(btClear, &QPushButton::clicked, this, &TfrmListBox::btClearClick);
    connect(btOK, &QPushButton::clicked, this, &TfrmListBox::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &TfrmListBox::btCancelClick);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TfrmListBox::btOKClick);
}

void TfrmListBox::setItems(const QStringList &items) {
    QStringList sorted = items;
    sortChoices(sorted);
    ListBox1->clear();
    ListBox1->addItems(sorted);
    if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

QStringList TfrmListBox::items() const {
    QStringList result;
    for (int i = 0; i < ListBox1->count(); ++i)
        result << ListBox1->item(i)->text();
    return result;
}

void TfrmListBox::selectText(const QString &text) {
    const int index = indexOfChoice(items(), text);
    ListBox1->clearSelection();
    if (index >= 0)
        ListBox1->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    else if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

QString TfrmListBox::currentText() const {
    const QListWidgetItem *item = ListBox1->currentItem();
    return item ? item->text() : QString();
}

void TfrmListBox::btAddClick() {
    const QString answer =
        prompter()
            .input(QStringLiteral("Quick Pick"), QStringLiteral("New Quick Pick"), QString())
            .value_or(QString());
    QStringList choices = items();
    if (!addChoice(choices, answer))
        return;
    setItems(choices);
    // Focus first: the list taking the focus may move its current row, and the new choice must stay current.
    ListBox1->setFocus();
    ListBox1->setCurrentRow(indexOfChoice(items(), answer), QItemSelectionModel::ClearAndSelect);
}

void TfrmListBox::btDelClick() {
    QList<int> rows;
    for (const QListWidgetItem *item : ListBox1->selectedItems())
        rows << ListBox1->row(item);
    if (rows.isEmpty()) {
        prompter().error(QStringLiteral("Select one or more items"));
        return;
    }
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : rows)
        delete ListBox1->takeItem(row);
    ListBox1->setFocus();
}

void TfrmListBox::btClearClick() {
    if (prompter().confirm(QStringLiteral("Really clear out list?")))
        ListBox1->clear();
}

void TfrmListBox::btOKClick() {
    accept();
}

void TfrmListBox::btCancelClick() {
    reject();
}

} // namespace corvane
