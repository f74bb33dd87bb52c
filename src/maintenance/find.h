#pragma once

#include "maintenance/textsearch.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace corvane {

// The non-modal find dialog: the text, Match case, Whole word, the direction, Find Next and Close.
// Each Find Next raises findNext(); showing and closing are told by shown() and closed().
class TfrmFind : public QDialog {
    Q_OBJECT
public:
    explicit TfrmFind(QWidget *parent = nullptr);

    // The dialog's choices as a search request.
    SearchRequest request() const;

    QLineEdit *edFind;
    QCheckBox *cbMatchCase, *cbWholeWord;
    QRadioButton *rbUp, *rbDown;
    QPushButton *btFindNext, *btClose;

signals:
    void findNext();
    void shown();
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
};

} // namespace corvane
