#include "settings/options.h"

#include "app/program.h"

#include "settings/alarmsound.h"
#include "settings/autostart.h"
#include "settings/color.h"
#include "settings/colorpanel.h"
#include "settings/colorvalue.h"
#include "settings/fontsetting.h"
#include "settings/settingsstore.h"
#include "settings/shadowstyle.h"
#include "widgets/colorcombo.h"
#include "widgets/fontbutton.h"
#include "widgets/modal.h"
#include "widgets/prompter.h"
#include "widgets/shadowlabel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace corvane {

namespace {

const QString options = QStringLiteral("Options");
const QString testCaption = QStringLiteral("&Test");
const QString stopCaption = QStringLiteral("&Stop");

QSpinBox *spinBox(int minimum, int maximum, int value, QWidget *parent) {
    auto *spin = new QSpinBox(parent);
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    return spin;
}

QCheckBox *checkBox(const QString &caption, QWidget *parent) {
    auto *box = new QCheckBox(caption, parent);
    box->setChecked(true);
    return box;
}

} // namespace

TfrmOptions::TfrmOptions(QWidget *parent)
    : QDialog(parent), lblTitle(new ShadowLabel(QStringLiteral("Program Options"), this)),
      lblBottom(new QLabel(QStringLiteral("Corvane"), this)), pageControl(new QTabWidget(this)),
      btOK(new QPushButton(QStringLiteral("OK"), this)),
      btCancel(new QPushButton(QStringLiteral("Cancel"), this)) {
    setWindowTitle(QStringLiteral("Program Options"));
    setMinimumWidth(480);

    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(titleFont.pointSize() + 6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    pageControl->addTab(screenPage(), QStringLiteral("Screen Appearance"));
    pageControl->addTab(alarmPage(), QStringLiteral("Alarm settings"));
    pageControl->addTab(miscPage(), QStringLiteral("Miscellaneous"));

    btOK->setDefault(true);
    auto *footer = new QHBoxLayout;
    lblBottom->setEnabled(false);
    footer->addWidget(lblBottom);
    footer->addStretch();
    footer->addWidget(btOK);
    footer->addWidget(btCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(pageControl, 1);
    layout->addLayout(footer);

    connect(btOK, &QPushButton::clicked, this, &TfrmOptions::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    applyTitleStyle();
}

QWidget *TfrmOptions::screenPage() {
    auto *page = new QWidget;
    edRowHeight = spinBox(8, 50, 16, page);

    auto *appearance = new QGroupBox(QStringLiteral("Screen Appearance"), page);
    cbShadow = checkBox(QStringLiteral("Use Sh&adows on Title captions"), appearance);
    cbStrikeout = checkBox(QStringLiteral("&Strike-out done events?"), appearance);
    lblStrikeSample = new QLabel(QStringLiteral("Like this"), appearance);
    QFont struck = lblStrikeSample->font();
    struck.setStrikeOut(true);
    lblStrikeSample->setFont(struck);
    auto *appearanceLayout = new QGridLayout(appearance);
    appearanceLayout->addWidget(cbShadow, 0, 0, 1, 2);
    appearanceLayout->addWidget(cbStrikeout, 1, 0);
    appearanceLayout->addWidget(lblStrikeSample, 1, 1);
    appearanceLayout->setColumnStretch(2, 1);

    auto *colors = new QGroupBox(QStringLiteral("Color calendar dates"), page);
    cbColorDone = checkBox(QStringLiteral("&Done Items"), colors);
    cbColorNotDone = checkBox(QStringLiteral("&Not-done items"), colors);
    cbHoliday = checkBox(QStringLiteral("&Holidays"), colors);
    pnlDone = new ColorPanel(QStringLiteral("Done"), colors);
    pnlNotDone = new ColorPanel(QStringLiteral("Not Done"), colors);
    pnlHoliday = new ColorPanel(QStringLiteral("Holiday"), colors);
    auto *colorsLayout = new QGridLayout(colors);
    colorsLayout->addWidget(cbColorDone, 0, 0);
    colorsLayout->addWidget(cbColorNotDone, 1, 0);
    colorsLayout->addWidget(cbHoliday, 2, 0);
    colorsLayout->addWidget(new QLabel(QStringLiteral("Click on a color to change"), colors), 0, 1, 1, 3,
                            Qt::AlignCenter);
    colorsLayout->addWidget(pnlDone, 1, 1, 2, 1);
    colorsLayout->addWidget(pnlNotDone, 1, 2, 2, 1);
    colorsLayout->addWidget(pnlHoliday, 1, 3, 2, 1);
    colorsLayout->setColumnStretch(0, 1);

    auto *week = new QGroupBox(QStringLiteral("Week starts on which day? "), page);
    rbSun = new QRadioButton(QStringLiteral("S&unday"), week);
    rbMon = new QRadioButton(QStringLiteral("&Monday"), week);
    rbSun->setChecked(true);
    auto *weekLayout = new QHBoxLayout(week);
    weekLayout->addWidget(rbSun);
    weekLayout->addWidget(rbMon);
    weekLayout->addStretch();

    // The buttons hold the fonts chosen, and show their captions in the dialog's font.
    btCalFont = new FontButton(QStringLiteral("Calendar Font"), page);
    btGridFont = new FontButton(QStringLiteral("Grid Font"), page);

    auto *layout = new QGridLayout(page);
    auto *rowHeight = new QLabel(QStringLiteral("Height of grid row:"), page);
    rowHeight->setBuddy(edRowHeight);
    layout->addWidget(rowHeight, 0, 0);
    layout->addWidget(edRowHeight, 0, 1, Qt::AlignLeft);
    layout->addWidget(appearance, 1, 0, 1, 3);
    layout->addWidget(colors, 2, 0, 1, 3);
    layout->addWidget(week, 3, 0, 1, 3);
    auto *fonts = new QHBoxLayout;
    fonts->addWidget(btCalFont);
    fonts->addWidget(btGridFont);
    fonts->addStretch();
    layout->addLayout(fonts, 4, 0, 1, 3);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(5, 1);

    connect(edRowHeight, &QSpinBox::valueChanged, this, [this] {
        if (!loading)
            ChangeGridFonts();
    });
    connect(cbShadow, &QCheckBox::toggled, this, &TfrmOptions::cbShadowClick);
    connect(cbStrikeout, &QCheckBox::toggled, this, &TfrmOptions::cbStrikeoutClick);
    for (QCheckBox *box : {cbColorDone, cbColorNotDone, cbHoliday})
        connect(box, &QCheckBox::toggled, this, &TfrmOptions::cbColorClick);
    connect(pnlDone, &ColorPanel::clicked, this,
            [this] { choosePanelColors(pnlDone, QStringLiteral("Set color for DONE tasks")); });
    connect(pnlNotDone, &ColorPanel::clicked, this,
            [this] { choosePanelColors(pnlNotDone, QStringLiteral("Set color for NOT DONE tasks")); });
    connect(pnlHoliday, &ColorPanel::clicked, this,
            [this] { choosePanelColors(pnlHoliday, QStringLiteral("Set color for Holidays")); });
    connect(btCalFont, &QPushButton::clicked, this, [this] { chooseFont(btCalFont); });
    connect(btGridFont, &QPushButton::clicked, this, [this] { chooseFont(btGridFont); });
    return page;
}

QWidget *TfrmOptions::alarmPage() {
    auto *page = new QWidget;
    auto *group = new QGroupBox(QStringLiteral("Alarm settings"), page);
    edPath = new QLineEdit(group);
    btAlarmBrowse = new QPushButton(QStringLiteral("&Browse"), group);
    btTest = new QPushButton(testCaption, group);
    cbAlarm = checkBox(QStringLiteral("&Play alarm file?"), group);
    cbRepeat = checkBox(QStringLiteral("&Repeat alarm?"), group);
    edMin = spinBox(0, 120, 0, group);

    auto *pathLabel = new QLabel(QStringLiteral("&Wav File:"), group);
    pathLabel->setBuddy(edPath);
    auto *soundLabel = new QLabel(QStringLiteral("S&ound alarm"), group);
    soundLabel->setBuddy(edMin);

    auto *layout = new QGridLayout(group);
    layout->addWidget(pathLabel, 0, 0);
    layout->addWidget(edPath, 0, 1, 1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btAlarmBrowse);
    buttons->addWidget(btTest);
    buttons->addStretch();
    layout->addLayout(buttons, 1, 1, 1, 3);
    layout->addWidget(cbAlarm, 2, 0, 1, 4);
    layout->addWidget(cbRepeat, 3, 0, 1, 4);
    layout->addWidget(soundLabel, 4, 0);
    layout->addWidget(edMin, 4, 1);
    layout->addWidget(new QLabel(QStringLiteral("minutes ahead of scheduled event"), group), 4, 2, 1, 2);
    layout->setColumnStretch(3, 1);

    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(group);
    pageLayout->addStretch();

    connect(btAlarmBrowse, &QPushButton::clicked, this, &TfrmOptions::btAlarmBrowseClick);
    connect(btTest, &QPushButton::clicked, this, &TfrmOptions::btTestClick);
    return page;
}

QWidget *TfrmOptions::miscPage() {
    auto *page = new QWidget;

    auto *newTasks = new QGroupBox(QStringLiteral("On New Tasks "), page);
    edCategory = new QLineEdit(newTasks);
    edCategory->setMaxLength(20);
    auto *categoryLabel = new QLabel(QStringLiteral("&Default category"), newTasks);
    categoryLabel->setBuddy(edCategory);
    auto *newTasksLayout = new QHBoxLayout(newTasks);
    newTasksLayout->addWidget(categoryLabel);
    newTasksLayout->addWidget(edCategory);
    newTasksLayout->addStretch();

    auto *confirm = new QGroupBox(QStringLiteral("Ask for confirmation when "), page);
    cbConfirm = checkBox(QStringLiteral("D&eleting tasks/holidays"), confirm);
    cbDragConfirm = checkBox(QStringLiteral("D&rag/dropping from grids to grid or calendar"), confirm);
    auto *confirmLayout = new QVBoxLayout(confirm);
    confirmLayout->addWidget(cbConfirm);
    confirmLayout->addWidget(cbDragConfirm);

    auto *startup = new QGroupBox(QStringLiteral("When Corvane starts up "), page);
    cbStartInTray = new QCheckBox(QStringLiteral("&Start in system tray, main screen is bypassed"), startup);
    cbStartup = new QCheckBox(QStringLiteral("&Corvane placed in system tray on reboot"), startup);
    auto *startupLayout = new QVBoxLayout(startup);
    startupLayout->addWidget(cbStartInTray);
    startupLayout->addWidget(cbStartup);

    auto *popup = new QGroupBox(QStringLiteral("When mouse is moved over the calendars "), page);
    cbPopup = checkBox(QStringLiteral("Display a &popup summary of events "), popup);
    auto *popupLayout = new QVBoxLayout(popup);
    popupLayout->addWidget(cbPopup);

    auto *layout = new QVBoxLayout(page);
    for (QGroupBox *group : {newTasks, confirm, startup, popup})
        layout->addWidget(group);
    layout->addStretch();
    return page;
}

void TfrmOptions::FormCreate() {
    pageControl->setCurrentIndex(0);
    loading = true;
    ReadSettings();
    loading = false;
}

void TfrmOptions::ReadSettings() {
    cbStartup->setChecked(checkAutostart());

    const SettingsStore store;
    cbShadow->setChecked(store.readBool(options, QStringLiteral("Shadows"), true));
    cbStrikeout->setChecked(store.readBool(options, QStringLiteral("StrikeOut"), true));
    edCategory->setText(store.readText(options, QStringLiteral("Category"), QString()));
    cbConfirm->setChecked(store.readBool(options, QStringLiteral("Confirm"), true));
    cbDragConfirm->setChecked(store.readBool(options, QStringLiteral("DragConfirm"), true));
    cbColorDone->setChecked(store.readBool(options, QStringLiteral("DoneColor"), true));
    cbColorNotDone->setChecked(store.readBool(options, QStringLiteral("NotDoneColor"), true));
    cbStartInTray->setChecked(store.readBool(options, QStringLiteral("AutoStart"), false));
    cbPopup->setChecked(store.readBool(options, QStringLiteral("qPopup"), true));
    pnlDone->setColors(store.readInt(options, QStringLiteral("DoneColorFG"), 0x000000),
                       store.readInt(options, QStringLiteral("DoneColorBG"), 0xFFFF00));
    pnlNotDone->setColors(store.readInt(options, QStringLiteral("NotDoneColorFG"), 0xFFFFFF),
                          store.readInt(options, QStringLiteral("NotDoneColorBG"), 0x0000FF));
    pnlHoliday->setColors(store.readInt(options, QStringLiteral("HolidayColorFG"), 0x000000),
                          store.readInt(options, QStringLiteral("HolidayColorBG"), 0xFFFF00));
    edMin->setValue(store.readInt(options, QStringLiteral("AlarmMin"), 0));
    edPath->setText(store.readText(options, QStringLiteral("AlarmPath"), defaultAlarmFile()));
    cbAlarm->setChecked(store.readBool(options, QStringLiteral("PlayAlarm"), true));
    cbRepeat->setChecked(store.readBool(options, QStringLiteral("RepeatAlarm"), true));
    rbSun->setChecked(store.readBool(options, QStringLiteral("Sunday"), true));
    rbMon->setChecked(!rbSun->isChecked());
    edRowHeight->setValue(store.readInt(options, QStringLiteral("RowHeight"), 16));
    btCalFont->setFont(readFontSetting(store, QStringLiteral("CalFont")));
    btGridFont->setFont(readFontSetting(store, QStringLiteral("GridFont")));

    applyTitleStyle();
    ChangeCalFonts();
    ChangeGridFonts();
    announceFilterColors();
}

void TfrmOptions::SaveSettings() {
    QString error;
    if (!writeAutostart(cbStartup->isChecked(), autostartCommand(), &error)) {
        prompter().error(error);
        return;
    }

    SettingsStore store;
    store.writeBool(options, QStringLiteral("Shadows"), cbShadow->isChecked());
    store.writeBool(options, QStringLiteral("StrikeOut"), cbStrikeout->isChecked());
    store.writeText(options, QStringLiteral("Category"), edCategory->text());
    store.writeBool(options, QStringLiteral("Confirm"), cbConfirm->isChecked());
    store.writeBool(options, QStringLiteral("DragConfirm"), cbDragConfirm->isChecked());
    store.writeBool(options, QStringLiteral("DoneColor"), cbColorDone->isChecked());
    store.writeBool(options, QStringLiteral("NotDoneColor"), cbColorNotDone->isChecked());
    store.writeBool(options, QStringLiteral("AutoStart"), cbStartInTray->isChecked());
    store.writeBool(options, QStringLiteral("qPopup"), cbPopup->isChecked());
    store.writeInt(options, QStringLiteral("DoneColorFG"), pnlDone->textColor());
    store.writeInt(options, QStringLiteral("DoneColorBG"), pnlDone->backColor());
    store.writeInt(options, QStringLiteral("NotDoneColorFG"), pnlNotDone->textColor());
    store.writeInt(options, QStringLiteral("NotDoneColorBG"), pnlNotDone->backColor());
    store.writeInt(options, QStringLiteral("HolidayColorFG"), pnlHoliday->textColor());
    store.writeInt(options, QStringLiteral("HolidayColorBG"), pnlHoliday->backColor());
    store.writeInt(options, QStringLiteral("AlarmMin"), edMin->value());
    store.writeText(options, QStringLiteral("AlarmPath"), edPath->text());
    store.writeBool(options, QStringLiteral("PlayAlarm"), cbAlarm->isChecked());
    store.writeBool(options, QStringLiteral("RepeatAlarm"), cbRepeat->isChecked());
    store.writeBool(options, QStringLiteral("Sunday"), rbSun->isChecked());
    store.writeInt(options, QStringLiteral("RowHeight"), edRowHeight->value());
    writeFontSetting(store, QStringLiteral("CalFont"), btCalFont->font());
    writeFontSetting(store, QStringLiteral("GridFont"), btGridFont->font());
    if (!store.sync(&error))
        prompter().error(QStringLiteral("The options could not be saved: %1.").arg(error));
}

void TfrmOptions::ChangeCalFonts() {
    emit calendarFontChanged(btCalFont->font());
}

void TfrmOptions::ChangeGridFonts() {
    emit gridFontChanged(btGridFont->font(), edRowHeight->value());
}

void TfrmOptions::playAlarmSound(bool on) {
    if (on)
        playAlarmFile(edPath->text(), cbRepeat->isChecked());
    else
        alarmSound().stop();
}

void TfrmOptions::btOKClick() {
    SaveSettings();
    accept();
}

void TfrmOptions::cbShadowClick() {
    if (loading)
        return;
    applyTitleStyle();
    emit shadowPreview(cbShadow->isChecked());
}

void TfrmOptions::cbStrikeoutClick() {
    if (!loading && isVisible())
        emit strikeOutChanged();
}

void TfrmOptions::cbColorClick() {
    if (!loading)
        emit calendarsChanged();
}

void TfrmOptions::btAlarmBrowseClick() {
    const QString fileName =
        prompter().openFileName(QStringLiteral("Sound Files"),
                                QStringLiteral("Wav sound files (*.wav);;All files (*)"), edPath->text());
    if (!fileName.isEmpty())
        edPath->setText(fileName);
}

void TfrmOptions::btTestClick() {
    if (btTest->text() == testCaption) {
        if (cbRepeat->isChecked())
            btTest->setText(stopCaption);
        playAlarmSound(true);
    } else {
        btTest->setText(testCaption);
        playAlarmSound(false);
    }
}

void TfrmOptions::choosePanelColors(ColorPanel *panel, const QString &caption) {
    TfrmColor dialog(this);
    dialog.setWindowTitle(caption);
    dialog.cbFG->setColorValue(panel->textColor());
    dialog.cbBG->setColorValue(panel->backColor());
    if (runModal(dialog) == QDialog::Accepted) {
        panel->setColors(dialog.cbFG->colorValue(), dialog.cbBG->colorValue());
        if (panel != pnlHoliday)
            announceFilterColors();
    }
    emit calendarsChanged();
}

void TfrmOptions::chooseFont(QPushButton *button) {
    QFontDialog dialog(button->font(), this);
    if (runModal(dialog) != QDialog::Accepted)
        return;
    button->setFont(dialog.currentFont());
    if (button == btCalFont)
        ChangeCalFonts();
    else
        ChangeGridFonts();
}

void TfrmOptions::applyTitleStyle() {
    const ShadowStyle style = shadowStyle(cbShadow->isChecked());
    lblTitle->setShadowDepth(style.depth);
    lblTitle->setTextColor(colorFromValue(style.color));
}

void TfrmOptions::announceFilterColors() {
    emit filterColorsChanged(pnlDone->textColor(), pnlDone->backColor(), pnlNotDone->textColor(),
                             pnlNotDone->backColor());
}

bool confirmDeleting() {
    if (const TfrmOptions *options = forms().frmOptions)
        return options->cbConfirm->isChecked();
    return SettingsStore().readBool(QStringLiteral("Options"), QStringLiteral("Confirm"), true);
}

} // namespace corvane
