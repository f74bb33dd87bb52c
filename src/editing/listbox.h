#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace corvane {

// Editor of a pick list: choices are added (as quick picks), deleted and cleared.
class TfrmListBox : public QDialog {
    Q_OBJECT
public:
    explicit TfrmListBox(QWidget *parent = nullptr);

    // The choices, shown sorted ignoring case.
    void setItems(const QStringList &items);
    QStringList items() const;
    // Selects the choice equal to the text (ignoring case) and makes it current; else the first is current.
    void selectText(const QString &text);
    // The current choice; empty when the list is empty.
    QString currentText() const;

    QListWidget *ListBox1;
    QPushButton *btAdd, *btDel, *btClear, *btOK, *btCancel;

public slots:
    void btAddClick();
    void btDelClick();
    void btClearClick();
    void btOKClick();
    void btCancelClick();
};

} // namespace corvane
