#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace corvane {

class ColorPanel;
class ShadowLabel;

// The program options. Created once and kept for the whole run: its controls are the live settings that
// the rest of the program reads. Only OK writes them to the store; Cancel leaves the controls as changed.
class TfrmOptions : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOptions(QWidget *parent = nullptr);

    // Selects the first page and fills every control from the store. Connect the signals first: reading
    // announces the fonts and the filter colours.
    void FormCreate();
    void ReadSettings();
    // Writes the start-up entry and every control to the store; a failure is reported and stops the save.
    void SaveSettings();
    void ChangeCalFonts();
    void ChangeGridFonts();
    // Starts (true) or stops (false) the alarm sound; a blank or missing file plays nothing.
    void playAlarmSound(bool on);

    ShadowLabel *lblTitle;
    QLabel *lblBottom;
    QTabWidget *pageControl;
    QPushButton *btOK;
    QPushButton *btCancel;

    // Screen Appearance
    QSpinBox *edRowHeight;
    QCheckBox *cbShadow;
    QCheckBox *cbStrikeout;
    QLabel *lblStrikeSample;
    QCheckBox *cbColorDone;
    QCheckBox *cbColorNotDone;
    QCheckBox *cbHoliday;
    ColorPanel *pnlDone;
    ColorPanel *pnlNotDone;
    ColorPanel *pnlHoliday;
    QRadioButton *rbSun;
    QRadioButton *rbMon;
    QPushButton *btCalFont;
    QPushButton *btGridFont;

    // Alarm settings
    QLineEdit *edPath;
    QPushButton *btAlarmBrowse;
    QPushButton *btTest;
    QCheckBox *cbAlarm;
    QCheckBox *cbRepeat;
    QSpinBox *edMin;

    // Miscellaneous
    QLineEdit *edCategory;
    QCheckBox *cbConfirm;
    QCheckBox *cbDragConfirm;
    QCheckBox *cbStartInTray;
    QCheckBox *cbStartup;
    QCheckBox *cbPopup;

signals:
    // The shadows box was clicked: preview the title style on the main window.
    void shadowPreview(bool shadows);
    // Strike-out of done tasks was switched while the dialog is shown.
    void strikeOutChanged();
    // The calendars' colours changed: repaint them.
    void calendarsChanged();
    void calendarFontChanged(const QFont &font);
    void gridFontChanged(const QFont &font, int rowHeight);
    // The done and not-done colours, for the filter window's panels.
    void filterColorsChanged(int doneText, int doneBack, int notDoneText, int notDoneBack);

public slots:
    void btOKClick();
    void cbShadowClick();
    void cbStrikeoutClick();
    void cbColorClick();
    void btAlarmBrowseClick();
    void btTestClick();

private:
    QWidget *screenPage();
    QWidget *alarmPage();
    QWidget *miscPage();
    void choosePanelColors(ColorPanel *panel, const QString &caption);
    void chooseFont(QPushButton *button);
    void applyTitleStyle();
    void announceFilterColors();

    bool loading = false;
};

// The live "Deleting tasks/holidays" confirmation: the options window's control once the program made
// it, the stored setting before.
bool confirmDeleting();

} // namespace corvane
