#pragma once

#include "editing/taskrules.h"
#include "recurrence/recurrence.h"

#include <QDate>
#include <QDialog>

#include <functional>

class QCheckBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;

namespace corvane {

class DayGrid;
class TaskTable;

// Turns one task into a series: the user picks a repetition, previews its dates, removes the unwanted
// ones and confirms; every remaining date becomes a row of the store, which is then sorted and saved.
// Closes with OK only after inserting.
class TfrmRecur : public QDialog {
    Q_OBJECT
public:
    // `store` receives the copies; `SortGridStore` sorts it and writes its file afterwards.
    TfrmRecur(TaskTable &store, std::function<void()> SortGridStore, QWidget *parent = nullptr);

    // The task every copy carries: its time text, category, notes and alarm ("Yes" or "No").
    void init(const QString &time, const QString &category, const QString &notes, const QString &alarm);
    // Set by the caller before showing: the first day of the run.
    QDate startDate;

    // More lines than this are refused by the preview list; above the longest possible run.
    int listCapacity = 10000;

    QDateEdit *date1, *date2;
    QLabel *lblNdays;
    QRadioButton *rbWofM, *rbDofM, *rbWeekly, *rbDaily, *rbAnnual;
    QStackedWidget *pnlKinds;
    QWidget *pnlWofM, *pnlDofM, *pnlWeekly, *pnlDaily, *pnlAnnual;
    QSpinBox *cntWofM, *cntDofM, *cntWeekly, *cntDaily;
    QCheckBox *cb1st, *cb2nd, *cb3rd, *cb4th, *cbLast;
    QCheckBox *cbSun, *cbMon, *cbTue, *cbWed, *cbThu, *cbFri, *cbSat;
    QCheckBox *cbWSun, *cbWMon, *cbWTue, *cbWWed, *cbWThu, *cbWFri, *cbWSat;
    DayGrid *sgMonth;
    QCheckBox *cbDofMAvoidSat, *cbDofMAvoidSun, *cbDailyAvoidSat, *cbDailyAvoidSun;
    QListWidget *ListBox1;
    QLabel *Label17, *Label12;
    QPushButton *btPreview, *btReset, *btDelete, *btOK, *btCancel;

    // The rule the controls describe.
    RecurrenceRule rule() const;
    // The dates of the preview lines, in list order.
    QList<QDate> previewDates() const;

public slots:
    void btPreviewClick();
    void btResetClick();
    void btDeleteClick();
    void btOKClick();
    void date1Change();
    void kindClick();
    void cb4thClick();
    void cbLastClick();
    void ListBox1Click();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createKindPanels();
    void createWeekOfMonthPanel();
    void createDaysOfMonthPanel();
    void createWeeklyPanel();
    void createDailyPanel();
    void createAnnualPanel();
    void FormShow();
    void goforit();
    // Adds a preview line, or refuses it when the list is full.
    bool addLine(const QDate &date);
    void showCount();
    void enableButtons();

    TaskTable &m_store;
    std::function<void()> m_sortGridStore;
    TaskFields m_task;
    QString m_dateFormat;
    RecurrenceGenerator m_generator;
};

} // namespace corvane
