#pragma once

#include "editing/taskrules.h"

#include <QDate>
#include <QDateTime>
#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimeEdit;

namespace corvane {

class ShadowLabel;
class TfrmComplete;

// The task editor: the task panel and, for completing it, the completion panel in the same place.
class TfrmEdit : public QDialog {
    Q_OBJECT
public:
    // What the editor needs from the window that opens it.
    struct Context {
        QDate selectedDay;
        QString defaultCategory;
        TfrmComplete *history = nullptr;         // receives completions
        const ShadowLabel *titleStyle = nullptr; // the main window's day title
        TaskTable *store = nullptr;              // receives the copies Repeat makes
        std::function<void()> SortGridStore;     // sorts the store and writes its file
    };
    explicit TfrmEdit(const Context &context, QWidget *parent = nullptr);

    // Task panel.
    QWidget *pnlMain;
    ShadowLabel *lblTitle;
    QLabel *lblComplete, *lblTime;
    QPlainTextEdit *memMain;
    QComboBox *cbCategory;
    QPushButton *btCategory, *btTime, *btSpell1;
    QTimeEdit *dtTime;
    QCheckBox *cbAlarm, *cbDone;
    // Completion panel.
    QWidget *pnlComplete;
    ShadowLabel *EsLabel1;
    QPlainTextEdit *memComplete;
    QDateEdit *dtComplete;
    QLabel *lblDate;
    QPushButton *btOK2, *btCancel2, *btOrigin, *btToday, *btSpell2;
    // Button row.
    QPushButton *btOK, *btCancel, *btComplete, *btRepeat, *btReschedule;

    // Set by the command before showing.
    bool completeMode = false;
    bool isDateTask = false;
    bool isExisting = false;
    QString originText;
    // The day the task is to have: the selected day, or the one picked by Reschedule.
    QDate taskDate;

    // The task as the controls hold it: time in the short time format, notes by the line joining rule.
    TaskFields task() const;
    // Hides the time and alarm controls (non-date and done tasks).
    void hideTimeControls();
    // The notes joined by the line joining rule are empty.
    bool IsMemoblank() const;

    // The category choices in the box and their file.
    static void FillCombo(QComboBox &box, const QString &fileName);
    static void UpdateComboBox(QComboBox &box, const QString &fileName);
    static void SaveCombo(QComboBox &box, const QString &fileName);

public slots:
    void btOKClick();
    void btCompleteClick();
    void btOK2Click();
    void btCancel2Click();
    void btRepeatClick();
    void btRescheduleClick();
    void btTimeClick();
    void btOriginClick();
    void btTodayClick();
    void dtCompleteSetDate();
    void btSpell1Click();
    void btSpell2Click();
    void btCategoryClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createTaskPanel();
    void createCompletionPanel();
    void FormShow();
    void memMainKeyPress();
    void showPanel(bool completion);
    void AddToCompleteGrid();

    Context m_context;
};

} // namespace corvane
