#include "alarms/timerpool.h"
#include "app/main.h"
#include "app/program.h"
#include "settings/colorpanel.h"
#include "settings/options.h"
#include "settings/settingsstore.h"
#include "store/clock.h"
#include "testsupport.h"
#include "widgets/shadowlabel.h"
#include "widgets/taskgrid.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

using namespace corvane;
using namespace corvane::test;

// The options as the main window sees them: the command, the copies it re-reads and the live effects.
class TestOptionsMain : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { pinFormats("en_US"); }
    void init();
    void cleanup();

    void cancelledShadowsComeBackFromTheStore();
    void cancelledWeekStartStaysForTheRun();
    void okChangesTheCopiesAndTheHoverTrigger();
    void fontsAndColoursReachTheWindow();

private:
    TfrmMain &main() { return program->main(); }
    TfrmOptions &options() { return *forms().frmOptions; }

    std::unique_ptr<Sandbox> sandbox;
    std::unique_ptr<FakePrompter> prompts;
    std::unique_ptr<ModalScript> script;
    std::unique_ptr<Program> program;
};

void TestOptionsMain::init() {
    setNow(QDateTime(QDate(2000, 3, 15), QTime(10, 30)));
    sandbox = std::make_unique<Sandbox>();
    qputenv("XDG_CONFIG_HOME", sandbox->path(QStringLiteral("config")).toLocal8Bit());
    prompts = std::make_unique<FakePrompter>();
    script = std::make_unique<ModalScript>();
    program = std::make_unique<Program>();
    program->start();
    QVERIFY(QTest::qWaitForWindowExposed(&main()));
}

void TestOptionsMain::cleanup() {
    program.reset();
    script.reset();
    prompts.reset();
    sandbox.reset();
    setNow(QDateTime());
}

void TestOptionsMain::cancelledShadowsComeBackFromTheStore() {
    QCOMPARE(main().lblDate->shadowDepth(), 4);
    int depthWhileOpen = 0;
    script->then([&](QDialog &) {
        options().cbShadow->click();
        depthWhileOpen = main().lblDate->shadowDepth();
        return int(QDialog::Rejected);
    });
    main().Options2->trigger();

    QCOMPARE(script->shown, QStringList{"Program Options"});
    QCOMPARE(depthWhileOpen, 1); // the preview
    QVERIFY(!options().cbShadow->isChecked());
    for (ShadowLabel *title : {main().lblDate, main().EsLabel1}) {
        QCOMPARE(title->shadowDepth(), 4);
        QCOMPARE(title->textColor(), QColor(0, 0, 255));
    }
    QVERIFY(main().shadows);
}

void TestOptionsMain::cancelledWeekStartStaysForTheRun() {
    QCOMPARE(main().cal1->firstDayOfWeek(), Qt::Sunday);
    script->then([&](QDialog &) {
        options().rbMon->setChecked(true);
        return int(QDialog::Rejected);
    });
    main().tbOptions->trigger();
    for (MonthCalendar *calendar : main().calendars())
        QCOMPARE(calendar->firstDayOfWeek(), Qt::Monday);
    QVERIFY(!SettingsStore().contains(QStringLiteral("Options"), QStringLiteral("Sunday")));
}

void TestOptionsMain::okChangesTheCopiesAndTheHoverTrigger() {
    QVERIFY(main().timerPool->isEnabled(main().hoverTrigger));
    script->then([&](QDialog &dialog) {
        options().edCategory->setText(QStringLiteral("Work"));
        options().cbConfirm->setChecked(false);
        options().cbShadow->setChecked(false);
        options().cbPopup->setChecked(false);
        options().btOK->click();
        return dialog.result();
    });
    main().Options2->trigger();

    QCOMPARE(main().defaultCategory, QStringLiteral("Work"));
    QVERIFY(!main().confirmDelete);
    QVERIFY(!main().shadows);
    QCOMPARE(main().EsLabel1->shadowDepth(), 1);
    QVERIFY(!main().timerPool->isEnabled(main().hoverTrigger));
    QVERIFY(!main().popupOn());
}

void TestOptionsMain::fontsAndColoursReachTheWindow() {
    options().edRowHeight->setValue(24);
    QCOMPARE(main().gridDay->rowHeight(), 24);
    QCOMPARE(main().gridNonday->rowHeight(), 24);
    QCOMPARE(main().memWhat->font().family(), options().btGridFont->font().family());

    options().pnlNotDone->setColors(0x000000, 0x00FF00);
    options().cbColorDone->setChecked(false);
    const DayCellSource colours = main().calendarColours();
    QCOMPARE(colours.palette.notDone.background, QColor(0, 255, 0));
    QCOMPARE(colours.palette.done.background, QColor(0, 255, 255));
    QVERIFY(!colours.options.colorDone);
    QVERIFY(colours.options.colorHoliday);

    options().show();
    options().cbStrikeout->setChecked(false);
    QVERIFY(!main().strikeOutDone());
    options().hide();
}

QTEST_MAIN(TestOptionsMain)
#include "tst_optionsmain.moc"
