#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace corvane {

class ColorCombo;
class SampleCalendar;

// Picks a text colour and a background colour for one kind of calendar day, shown on a sample month.
// The caller sets the caption, presets cbFG and cbBG, runs the dialog and reads them back after OK.
class TfrmColor : public QDialog {
    Q_OBJECT
public:
    explicit TfrmColor(QWidget *parent = nullptr);

    ColorCombo *cbFG;
    ColorCombo *cbBG;
    SampleCalendar *cal2;
    QLabel *lblMonth;
    QPushButton *btOK;
    QPushButton *btCancel;

public slots:
    // Repaints the sample in the colours of the two drop-downs.
    void cbFG2Click();
};

} // namespace corvane
