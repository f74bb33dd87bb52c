#pragma once

#include <QDialog>

class QPainter;
class QPushButton;

namespace corvane {

class ColorCombo;
class MonthCalendar;
struct CalendarCell;

// Picks a text colour and a background colour for one kind of calendar day, shown on a sample month.
// The caller sets the caption, presets cbFG and cbBG, runs the dialog and reads them back after OK.
class TfrmColor : public QDialog {
    Q_OBJECT
public:
    explicit TfrmColor(QWidget *parent = nullptr);

    ColorCombo *cbFG;
    ColorCombo *cbBG;
    MonthCalendar *cal2;
    QPushButton *btOK;
    QPushButton *btCancel;

public slots:
    // Repaints the sample in the colours of the two drop-downs.
    void cbFG2Click();
    // Days of the sample month in the chosen colours; the neighbouring months' days as they are.
    void cal2DrawCell(QPainter *painter, const corvane::CalendarCell &cell, bool *useDefaultDrawing);

protected:
    void changeEvent(QEvent *event) override;
};

} // namespace corvane
