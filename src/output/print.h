#pragma once

#include "output/printselection.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace corvane {

class ShadowLabel;

// The print selection dialog: which tasks a print, an export of all date-oriented tasks or a clear takes.
// Lives from start-up to the end; its choices stay between uses.
class TfrmPrint : public QDialog {
    Q_OBJECT
public:
    // The title follows `titleStyle` (the main window's non-date title) each time the dialog shows.
    explicit TfrmPrint(const ShadowLabel *titleStyle = nullptr, QWidget *parent = nullptr);

    // Print mode (false) or clear mode (true); the captions follow at the next showing.
    bool clearMode = false;

    // The current choices of the controls.
    PrintSelection selection() const;
    bool okToPrintDateTask(const TaskTable &store, int row, const QDate &day) const;
    bool okToPrintNonDateTask(const TaskTable &nonday, int row) const;
    // Fills `print` with the title row and the date-oriented tasks: all of them, or those that pass.
    void TransfertoGridPrint(const TaskTable &store, TaskTable &print, bool all) const;

    ShadowLabel *lblCompTitle;
    QRadioButton *rbAll, *rbDate;
    QWidget *pnlDate;
    QDateEdit *dt1, *dt2;
    QCheckBox *cbNotDone, *cbDone, *cbNonDate, *cbCat;
    QComboBox *cbCategory;
    QPushButton *btOK, *btCancel;

public slots:
    void btOKClick();
    void rbDateClick();
    void cbCatClick();
    void FormShow();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();

    const ShadowLabel *m_titleStyle;
};

} // namespace corvane
