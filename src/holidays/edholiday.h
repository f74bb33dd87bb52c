#pragma once

#include "holidays/holidaylist.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace corvane {

// Enters or changes one holiday rule: a name, a month and either a day of that month or an ordinal and
// a weekday. The list hands in the rule before showing it and reads the controls back after OK.
class TfrmEditHoliday : public QDialog {
    Q_OBJECT
public:
    explicit TfrmEditHoliday(QWidget *parent = nullptr);

    // Edit mode for the rule: its name goes into edName, the rest is selected when the dialog shows.
    void editRule(const QString &name, const QString &monthText, const HolidayDayChoice &day);
    // The day chosen by the radio buttons and their lists.
    HolidayDayChoice chosenDay() const;

    QLineEdit *edName;
    QComboBox *cbMonth, *cbDOM, *cbNth, *cbDay;
    QRadioButton *rbSpecific, *rbFloating;
    QPushButton *btOK, *btCancel;

public slots:
    void cbMonthClick();
    void rbSpecificClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    // Fills cbDOM with the days of the month in a leap year.
    void fillDays(int month);

    bool m_editMode = false;
    QString m_monthText;
    HolidayDayChoice m_day;
};

} // namespace corvane
