#include "settings/alarmsound.h"
#include "settings/color.h"
#include "settings/colorpanel.h"
#include "settings/options.h"
#include "settings/settingsstore.h"
#include "testsupport.h"
#include "widgets/colorcombo.h"
#include "widgets/shadowlabel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

using namespace corvane;
using namespace corvane::test;

namespace {
const QString options = QStringLiteral("Options");
}

class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstRunShowsTheDefaults();
    void rowHeightReadsHexAndFallsBack_data();
    void rowHeightReadsHexAndFallsBack();
    void okWritesEveryValueAsText();
    void savedValuesComeBackAtTheNextStart();
    void cancelWritesNothingAndKeepsTheControls();
    void loadingAnnouncesFontsAndColoursButNoPreview();
    void shadowClickPreviewsAndStrikeOutOnlyWhileShown();
    void testButtonCycle_data();
    void testButtonCycle();
    void blankOrMissingAlarmFileIsSilent_data();
    void blankOrMissingAlarmFileIsSilent();
    void browseReplacesThePathOnlyWhenChosen();
    void colourPanelTakesTheChosenColours();
    void colourPanelCancelKeepsTheColours();
    void fontButtonsApplyTheChosenFont();
    void startupEntryFollowsTheBox();
    void startupEntryFailureWritesNoOption();

private:
    std::unique_ptr<Sandbox> sandbox;
    std::unique_ptr<FakePrompter> prompts;
    std::unique_ptr<FakeAlarmSound> sound;
};

void TestOptions::initTestCase() {
    QLocale::setDefault(QLocale::c());
}

void TestOptions::init() {
    sandbox = std::make_unique<Sandbox>();
    prompts = std::make_unique<FakePrompter>();
    sound = std::make_unique<FakeAlarmSound>();
    qputenv("XDG_CONFIG_HOME", sandbox->path(QStringLiteral("config")).toLocal8Bit());
}

void TestOptions::cleanup() {
    sound.reset();
    prompts.reset();
    sandbox.reset();
}

void TestOptions::firstRunShowsTheDefaults() {
    TfrmOptions dialog;
    dialog.pageControl->setCurrentIndex(2);
    dialog.FormCreate();

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Program Options"));
    QCOMPARE(dialog.pageControl->currentIndex(), 0);
    QCOMPARE(dialog.pageControl->tabText(0), QStringLiteral("Screen Appearance"));
    QCOMPARE(dialog.pageControl->tabText(1), QStringLiteral("Alarm settings"));
    QCOMPARE(dialog.pageControl->tabText(2), QStringLiteral("Miscellaneous"));
    for (QCheckBox *on :
         {dialog.cbShadow, dialog.cbStrikeout, dialog.cbConfirm, dialog.cbDragConfirm, dialog.cbColorDone,
          dialog.cbColorNotDone, dialog.cbHoliday, dialog.cbPopup, dialog.cbAlarm, dialog.cbRepeat})
        QVERIFY2(on->isChecked(), qPrintable(on->text()));
    QVERIFY(!dialog.cbStartInTray->isChecked());
    QVERIFY(!dialog.cbStartup->isChecked());
    QVERIFY(dialog.rbSun->isChecked());
    QVERIFY(!dialog.rbMon->isChecked());
    QCOMPARE(dialog.edCategory->text(), QString());
    QCOMPARE(dialog.edCategory->maxLength(), 20);
    QCOMPARE(dialog.edMin->value(), 0);
    QCOMPARE(dialog.edMin->maximum(), 120);
    QCOMPARE(dialog.edRowHeight->value(), 16);
    QCOMPARE(dialog.edRowHeight->minimum(), 8);
    QCOMPARE(dialog.edRowHeight->maximum(), 50);
    QCOMPARE(dialog.edPath->text(), QCoreApplication::applicationDirPath() + QStringLiteral("/alarm.wav"));

    // Done and holiday days are both aqua.
    QCOMPARE(dialog.pnlDone->backColor(), 0xFFFF00);
    QCOMPARE(dialog.pnlHoliday->backColor(), 0xFFFF00);
    QCOMPARE(dialog.pnlDone->textColor(), 0x000000);
    QCOMPARE(dialog.pnlHoliday->textColor(), 0x000000);
    QCOMPARE(dialog.pnlNotDone->backColor(), 0x0000FF);
    QCOMPARE(dialog.pnlNotDone->textColor(), 0xFFFFFF);
    QCOMPARE(dialog.pnlDone->palette().color(QPalette::Window), QColor(0, 255, 255));

    for (QPushButton *button : {dialog.btCalFont, dialog.btGridFont}) {
        QCOMPARE(button->font().family(), QStringLiteral("Ms Sans Serif"));
        QCOMPARE(button->font().pointSize(), 8);
        QVERIFY(!button->font().bold());
    }
    QCOMPARE(dialog.btTest->text(), QStringLiteral("&Test"));
    // Shadows on: the title is blue.
    QCOMPARE(dialog.lblTitle->textColor(), QColor(0, 0, 255));
    QCOMPARE(dialog.lblTitle->shadowDepth(), 4);
}

void TestOptions::rowHeightReadsHexAndFallsBack_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("height");
    QTest::newRow("hex") << "0x1F" << 31;
    QTest::newRow("hex upper") << "0X12" << 18;
    QTest::newRow("decimal") << "20" << 20;
    QTest::newRow("junk") << "tall" << 16;
    QTest::newRow("bare prefix") << "0x" << 16;
    QTest::newRow("empty") << "" << 16;
    QTest::newRow("beyond the range") << "99" << 50;
}

void TestOptions::rowHeightReadsHexAndFallsBack() {
    QFETCH(QString, stored);
    QFETCH(int, height);
    {
        SettingsStore store;
        store.writeText(options, QStringLiteral("RowHeight"), stored);
    }
    TfrmOptions dialog;
    QSignalSpy grid(&dialog, &TfrmOptions::gridFontChanged);
    dialog.FormCreate();
    QCOMPARE(dialog.edRowHeight->value(), height);
    QCOMPARE(grid.count(), 1);
    QCOMPARE(grid.first().at(1).toInt(), height);
}

void TestOptions::okWritesEveryValueAsText() {
    TfrmOptions dialog;
    dialog.FormCreate();
    QFont calendar(QStringLiteral("DejaVu Sans"), 11);
    calendar.setBold(true);
    calendar.setItalic(true);
    dialog.btCalFont->setFont(calendar);
    dialog.rbMon->setChecked(true);
    dialog.edRowHeight->setValue(22);
    dialog.edCategory->setText(QStringLiteral("Work"));
    dialog.cbShadow->setChecked(false);
    dialog.btOK->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    const SettingsStore store;
    const QList<std::pair<QString, QString>> expected{
        {"CalFontName", "DejaVu Sans"},
        {"CalFontSize", "11"},
        {"CalFontBold", "1"},
        {"CalFontItalic", "1"},
        {"CalFontUnder", "0"},
        {"CalFontStrike", "0"},
        {"GridFontName", "Ms Sans Serif"},
        {"GridFontSize", "8"},
        {"GridFontBold", "0"},
        {"Shadows", "0"},
        {"StrikeOut", "1"},
        {"Category", "Work"},
        {"Confirm", "1"},
        {"DragConfirm", "1"},
        {"DoneColor", "1"},
        {"NotDoneColor", "1"},
        {"AutoStart", "0"},
        {"qPopup", "1"},
        {"DoneColorFG", "0"},
        {"DoneColorBG", "16776960"},
        {"NotDoneColorFG", "16777215"},
        {"NotDoneColorBG", "255"},
        {"HolidayColorFG", "0"},
        {"HolidayColorBG", "16776960"},
        {"AlarmMin", "0"},
        {"PlayAlarm", "1"},
        {"RepeatAlarm", "1"},
        {"Sunday", "0"},
        {"RowHeight", "22"},
    };
    for (const auto &[name, text] : expected)
        QCOMPARE(store.readText(options, name, QStringLiteral("<absent>")), text);
    QCOMPARE(store.readText(options, QStringLiteral("AlarmPath"), QString()), dialog.edPath->text());
    // Stored as text in the file itself, not as typed values.
    QVERIFY(readFile(sandbox->settingsFile()).contains("CalFontBold=1"));
}

void TestOptions::savedValuesComeBackAtTheNextStart() {
    {
        TfrmOptions dialog;
        dialog.FormCreate();
        dialog.cbConfirm->setChecked(false);
        dialog.cbStartInTray->setChecked(true);
        dialog.edMin->setValue(15);
        dialog.edPath->setText(QStringLiteral("/tmp/bell.wav"));
        dialog.pnlNotDone->setColors(0x80000008, 0x00123456);
        QFont grid(QStringLiteral("DejaVu Serif"), 12);
        grid.setUnderline(true);
        grid.setStrikeOut(true);
        dialog.btGridFont->setFont(grid);
        dialog.btOK->click();
    }
    TfrmOptions dialog;
    dialog.FormCreate();
    QVERIFY(!dialog.cbConfirm->isChecked());
    QVERIFY(dialog.cbStartInTray->isChecked());
    QCOMPARE(dialog.edMin->value(), 15);
    QCOMPARE(dialog.edPath->text(), QStringLiteral("/tmp/bell.wav"));
    QCOMPARE(dialog.pnlNotDone->textColor(), int(0x80000008));
    QCOMPARE(dialog.pnlNotDone->backColor(), 0x00123456);
    const QFont grid = dialog.btGridFont->font();
    QCOMPARE(grid.family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(grid.pointSize(), 12);
    QVERIFY(grid.underline() && grid.strikeOut() && !grid.bold() && !grid.italic());
}

void TestOptions::cancelWritesNothingAndKeepsTheControls() {
    TfrmOptions dialog;
    dialog.FormCreate();
    dialog.cbShadow->setChecked(false);
    dialog.rbMon->setChecked(true);
    dialog.edCategory->setText(QStringLiteral("Home"));
    dialog.btCancel->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));

    QVERIFY(!dialog.cbShadow->isChecked());
    QVERIFY(!dialog.rbSun->isChecked());
    QCOMPARE(dialog.edCategory->text(), QStringLiteral("Home"));
    const SettingsStore store;
    QVERIFY(!store.contains(options, QStringLiteral("Shadows")));
    QVERIFY(!store.contains(options, QStringLiteral("Category")));
}

void TestOptions::loadingAnnouncesFontsAndColoursButNoPreview() {
    {
        SettingsStore store;
        store.writeText(options, QStringLiteral("Shadows"), QStringLiteral("0"));
        store.writeText(options, QStringLiteral("DoneColorBG"), QStringLiteral("65280"));
        store.writeText(options, QStringLiteral("CalFontSize"), QStringLiteral("14"));
    }
    TfrmOptions dialog;
    QSignalSpy preview(&dialog, &TfrmOptions::shadowPreview);
    QSignalSpy calendarFont(&dialog, &TfrmOptions::calendarFontChanged);
    QSignalSpy filterColors(&dialog, &TfrmOptions::filterColorsChanged);
    dialog.FormCreate();

    QCOMPARE(preview.count(), 0);
    QVERIFY(!dialog.cbShadow->isChecked());
    QCOMPARE(dialog.lblTitle->textColor(), QColor(0, 0, 128));
    QCOMPARE(dialog.lblTitle->shadowDepth(), 1);
    QCOMPARE(calendarFont.count(), 1);
    QCOMPARE(calendarFont.first().at(0).value<QFont>().pointSize(), 14);
    QCOMPARE(filterColors.count(), 1);
    QCOMPARE(filterColors.first(), (QList<QVariant>{0, 0x00FF00, 0xFFFFFF, 0x0000FF}));
}

void TestOptions::shadowClickPreviewsAndStrikeOutOnlyWhileShown() {
    TfrmOptions dialog;
    dialog.FormCreate();
    QSignalSpy preview(&dialog, &TfrmOptions::shadowPreview);
    QSignalSpy strikeOut(&dialog, &TfrmOptions::strikeOutChanged);
    QSignalSpy calendars(&dialog, &TfrmOptions::calendarsChanged);

    dialog.cbShadow->click();
    QCOMPARE(preview.count(), 1);
    QCOMPARE(preview.first().at(0).toBool(), false);
    QCOMPARE(dialog.lblTitle->textColor(), QColor(0, 0, 128));
    QCOMPARE(dialog.lblTitle->shadowDepth(), 1);

    dialog.cbStrikeout->click();
    QCOMPARE(strikeOut.count(), 0);
    dialog.show();
    dialog.cbStrikeout->click();
    QCOMPARE(strikeOut.count(), 1);

    dialog.cbColorDone->click();
    dialog.cbHoliday->click();
    QCOMPARE(calendars.count(), 2);
}

void TestOptions::testButtonCycle_data() {
    QTest::addColumn<bool>("repeat");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("calls");
    const QString file = QStringLiteral("<file>");
    QTest::newRow("repeat") << true << QStringList{"&Stop", "&Test", "&Stop"}
                            << QStringList{"play <file> loop", "stop", "play <file> loop"};
    QTest::newRow("once") << false << QStringList{"&Test", "&Test", "&Test"}
                          << QStringList{"play <file> once", "play <file> once", "play <file> once"};
}

void TestOptions::testButtonCycle() {
    QFETCH(bool, repeat);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, calls);
    const QString wave = sandbox->path(QStringLiteral("bell.wav"));
    writeFile(wave, "RIFF");
    TfrmOptions dialog;
    dialog.FormCreate();
    dialog.edPath->setText(wave);
    dialog.cbRepeat->setChecked(repeat);
    dialog.cbAlarm->setChecked(false); // the test plays all the same

    QStringList seen;
    for (int i = 0; i < captions.size(); ++i) {
        dialog.btTest->click();
        seen << dialog.btTest->text();
    }
    QCOMPARE(seen, captions);
    QCOMPARE(sound->calls, calls.replaceInStrings(QStringLiteral("<file>"), wave));
}

void TestOptions::blankOrMissingAlarmFileIsSilent_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("empty") << "";
    QTest::newRow("spaces") << "   ";
    QTest::newRow("missing") << "/nonexistent/alarm.wav";
    QTest::newRow("a folder") << "/tmp";
}

void TestOptions::blankOrMissingAlarmFileIsSilent() {
    QFETCH(QString, path);
    TfrmOptions dialog;
    dialog.FormCreate();
    dialog.edPath->setText(path);
    dialog.playAlarmSound(true);
    QCOMPARE(sound->calls, QStringList());
    dialog.playAlarmSound(false);
    QCOMPARE(sound->calls, QStringList{"stop"});
}

void TestOptions::browseReplacesThePathOnlyWhenChosen() {
    TfrmOptions dialog;
    dialog.FormCreate();
    const QString before = dialog.edPath->text();
    dialog.btAlarmBrowse->click(); // cancelled
    QCOMPARE(dialog.edPath->text(), before);
    prompts->fileAnswers.push_back(QStringLiteral("/home/me/ring.wav"));
    dialog.btAlarmBrowse->click();
    QCOMPARE(dialog.edPath->text(), QStringLiteral("/home/me/ring.wav"));
    QCOMPARE(prompts->fileCaptions, (QStringList{"Sound Files", "Sound Files"}));
}

void TestOptions::colourPanelTakesTheChosenColours() {
    TfrmOptions dialog;
    dialog.FormCreate();
    QSignalSpy calendars(&dialog, &TfrmOptions::calendarsChanged);
    QSignalSpy filterColors(&dialog, &TfrmOptions::filterColorsChanged);
    ModalScript script;
    int presetText = -1, presetBack = -1;
    script.then([&](QDialog &shown) {
        auto &chooser = dynamic_cast<TfrmColor &>(shown);
        presetText = chooser.cbFG->colorValue();
        presetBack = chooser.cbBG->colorValue();
        chooser.cbFG->setColorValue(0xFFFFFF);
        chooser.cbBG->setColorValue(0x800000);
        return int(QDialog::Accepted);
    });
    QTest::mouseClick(dialog.pnlNotDone, Qt::LeftButton);

    QCOMPARE(script.shown, QStringList{"Set color for NOT DONE tasks"});
    QCOMPARE(presetText, 0xFFFFFF);
    QCOMPARE(presetBack, 0x0000FF);
    QCOMPARE(dialog.pnlNotDone->backColor(), 0x800000);
    QCOMPARE(dialog.pnlNotDone->palette().color(QPalette::Window), QColor(0, 0, 128));
    QCOMPARE(calendars.count(), 1);
    QCOMPARE(filterColors.count(), 1);
    QCOMPARE(filterColors.first(), (QList<QVariant>{0, 0xFFFF00, 0xFFFFFF, 0x800000}));

    // The holiday colours are no business of the filter window.
    script.then([](QDialog &) { return int(QDialog::Accepted); });
    QTest::mouseClick(dialog.pnlHoliday, Qt::LeftButton);
    QCOMPARE(script.shown.last(), QStringLiteral("Set color for Holidays"));
    QCOMPARE(filterColors.count(), 1);
}

void TestOptions::colourPanelCancelKeepsTheColours() {
    TfrmOptions dialog;
    dialog.FormCreate();
    QSignalSpy calendars(&dialog, &TfrmOptions::calendarsChanged);
    ModalScript script;
    script.then([](QDialog &shown) {
        auto &chooser = dynamic_cast<TfrmColor &>(shown);
        chooser.cbBG->setColorValue(0x00FF00);
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(dialog.pnlDone, Qt::LeftButton);
    QCOMPARE(script.shown, QStringList{"Set color for DONE tasks"});
    QCOMPARE(dialog.pnlDone->backColor(), 0xFFFF00);
    QCOMPARE(calendars.count(), 1); // repainted whichever way it closed
}

void TestOptions::fontButtonsApplyTheChosenFont() {
    TfrmOptions dialog;
    dialog.FormCreate();
    dialog.edRowHeight->setValue(20);
    QSignalSpy grid(&dialog, &TfrmOptions::gridFontChanged);
    QSignalSpy calendar(&dialog, &TfrmOptions::calendarFontChanged);
    ModalScript script;
    int presetSize = 0;
    script.then([&presetSize](QDialog &shown) {
        auto &fonts = dynamic_cast<QFontDialog &>(shown);
        presetSize = fonts.currentFont().pointSize();
        fonts.setCurrentFont(QFont(QStringLiteral("DejaVu Sans"), 10));
        return int(QDialog::Accepted);
    });
    script.then([](QDialog &) { return int(QDialog::Rejected); });
    dialog.btGridFont->click();
    dialog.btCalFont->click();

    QCOMPARE(presetSize, 8); // preset with the button's font
    QCOMPARE(grid.count(), 1);
    QCOMPARE(grid.first().at(0).value<QFont>().family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(grid.first().at(1).toInt(), 20);
    QCOMPARE(dialog.btGridFont->font().family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(calendar.count(), 0);
    QCOMPARE(dialog.btCalFont->font().family(), QStringLiteral("Ms Sans Serif"));
}

void TestOptions::startupEntryFollowsTheBox() {
    const QString entry = sandbox->path(QStringLiteral("config/autostart/corvane.desktop"));
    TfrmOptions dialog;
    dialog.FormCreate();
    dialog.cbStartup->setChecked(true);
    dialog.btOK->click();
    QVERIFY(readFile(entry).contains(
        QStringLiteral("Exec=\"%1\"").arg(QCoreApplication::applicationFilePath()).toUtf8()));

    TfrmOptions again;
    again.FormCreate();
    QVERIFY(again.cbStartup->isChecked());
    again.cbStartup->setChecked(false);
    again.btOK->click();
    QVERIFY(!QFile::exists(entry));
    QCOMPARE(prompts->errors, QStringList());
}

void TestOptions::startupEntryFailureWritesNoOption() {
    // A file where the autostart folder should be: the entry cannot be written.
    QDir().mkpath(sandbox->path(QStringLiteral("config")));
    writeFile(sandbox->path(QStringLiteral("config/autostart")), "not a folder");
    TfrmOptions dialog;
    dialog.FormCreate();
    dialog.cbStartup->setChecked(true);
    dialog.edCategory->setText(QStringLiteral("Lost"));
    dialog.btOK->click();

    QCOMPARE(prompts->errors.size(), 1);
    QVERIFY(prompts->errors.first().contains(QStringLiteral("corvane.desktop")));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const SettingsStore store;
    QVERIFY(!store.contains(options, QStringLiteral("Category")));
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
