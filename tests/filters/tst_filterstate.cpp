#include "filters/filterstate.h"
#include "settings/settingsstore.h"
#include "testsupport.h"

#include <QSettings>
#include <QTest>

using namespace corvane;

namespace {
// Entries Work (ticked), Home (unticked), Work again (unticked: the first one decides).
FilterState workNotHome() {
    FilterState state;
    state.setEntries({"Work", "Home", "WORK"});
    state.setTicked(0, true);
    return state;
}
} // namespace

class FilterStateTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void filterTest_data();
    void filterTest();
    void filterIsOnWhenAnythingIsHidden();
    void savedSelection();
    void failedSaveKeepsTheOldFile();
    void switchesInSettings();
};

void FilterStateTest::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void FilterStateTest::filterTest_data() {
    QTest::addColumn<bool>("showDone");
    QTest::addColumn<bool>("showNotDone");
    QTest::addColumn<QString>("done");
    QTest::addColumn<QString>("category");
    QTest::addColumn<bool>("passes");
    QTest::newRow("ticked entry") << true << true << "No"
                                  << "Work" << true;
    QTest::newRow("unticked entry") << true << true << "No"
                                    << "Home" << false;
    QTest::newRow("case ignored") << true << true << "Yes"
                                  << "home" << false;
    QTest::newRow("first equal entry decides") << true << true << "No"
                                               << "work" << true;
    QTest::newRow("not an entry") << true << true << "No"
                                  << "Garden" << true;
    QTest::newRow("empty category") << true << true << "No"
                                    << "" << true;
    QTest::newRow("done hidden") << false << true << "Yes"
                                 << "Work" << false;
    QTest::newRow("done hidden, not done shown") << false << true << "No"
                                                 << "Work" << true;
    QTest::newRow("done hidden, exact text only") << false << true << "yes"
                                                  << "Work" << true;
    QTest::newRow("not done hidden") << true << false << "No"
                                     << "Garden" << false;
    QTest::newRow("both hidden, done") << false << false << "Yes"
                                       << "Garden" << false;
    QTest::newRow("both hidden, not done") << false << false << "No"
                                           << "Garden" << false;
    QTest::newRow("both hidden, other text") << false << false << ""
                                             << "Garden" << true;
    QTest::newRow("both hidden, other text, unticked") << false << false << ""
                                                       << "Home" << false;
}

void FilterStateTest::filterTest() {
    QFETCH(bool, showDone);
    QFETCH(bool, showNotDone);
    QFETCH(QString, done);
    QFETCH(QString, category);
    QFETCH(bool, passes);
    FilterState state = workNotHome();
    state.setShowDone(showDone);
    state.setShowNotDone(showNotDone);
    QCOMPARE(state.passes(done, category), passes);
    QCOMPARE(state.rowFilter()(done, category), passes);
}

void FilterStateTest::filterIsOnWhenAnythingIsHidden() {
    FilterState state;
    QVERIFY(!state.isOn());
    state.setEntries({"Work", "Home"});
    QVERIFY(state.isOn());
    state.tickAll(true);
    QVERIFY(!state.isOn());
    QVERIFY(state.passes("Yes", "Work") && state.passes("No", "home"));
    state.setShowDone(false);
    QVERIFY(state.isOn());
    state.setShowDone(true);
    state.setShowNotDone(false);
    QVERIFY(state.isOn());
    state.setShowNotDone(true);
    state.setTicked(1, false);
    QVERIFY(state.isOn());
    state.tickAll(false);
    QVERIFY(state.passes("No", "Garden"));
    QVERIFY(!state.passes("No", "Work"));
}

void FilterStateTest::savedSelection() {
    test::Sandbox sandbox;
    const QString choices = sandbox.path("category.xxx");
    const QString selection = sandbox.path("category.yyy");
    test::writeFile(choices, "Work\r\nHome\r\nGarden\r\n");

    FilterState state;
    state.loadEntries(choices);
    state.tickSaved(selection); // no file yet: everything shown
    QCOMPARE(state.selection(), QStringList({"Work", "Home", "Garden"}));

    state.setTicked(1, false);
    QVERIFY(state.saveSelection(selection));
    QCOMPARE(test::readFile(selection), QByteArray("Work\r\nGarden\r\n"));

    test::writeFile(selection, "home\r\nGone\r\n");
    FilterState next;
    next.loadEntries(choices);
    next.tickSaved(selection);
    QCOMPARE(next.selection(), QStringList({"Home"}));
    // Showing again ticks what the file names and unticks nothing.
    next.setTicked(2, true);
    next.tickSaved(selection);
    QCOMPARE(next.selection(), QStringList({"Home", "Garden"}));

    next.tickAll(false);
    QVERIFY(next.saveSelection(selection));
    QCOMPARE(test::readFile(selection), QByteArray());
    FilterState afterEmpty;
    afterEmpty.loadEntries(choices);
    afterEmpty.tickSaved(selection);
    QCOMPARE(afterEmpty.selection(), QStringList());

    FilterState noChoices;
    noChoices.loadEntries(sandbox.path("absent.xxx"));
    noChoices.tickSaved(selection);
    QVERIFY(noChoices.entries().isEmpty());
    QVERIFY(!noChoices.isOn());
}

void FilterStateTest::failedSaveKeepsTheOldFile() {
    test::Sandbox sandbox;
    const QString selection = sandbox.path("category.yyy");
    test::writeFile(selection, "Work\r\n");
    FilterState state;
    state.setEntries({"Home"});
    state.tickAll(true);
    QString error;
    QVERIFY(!state.saveSelection(sandbox.path("missing/category.yyy"), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(test::readFile(selection), QByteArray("Work\r\n"));
}

void FilterStateTest::switchesInSettings() {
    test::Sandbox sandbox;
    FilterState state;
    state.setShowDone(false);
    state.setShowNotDone(false);
    {
        SettingsStore store;
        state.readSwitches(store);
        QVERIFY(state.showDone() && state.showNotDone());
        state.setShowDone(false);
        state.writeSwitches(store);
        QVERIFY(store.sync());
    }
    QSettings file(sandbox.settingsFile(), QSettings::IniFormat);
    QCOMPARE(file.value("Filter/Done").toString(), QString("0"));
    QCOMPARE(file.value("Filter/NotDone").toString(), QString("1"));

    FilterState next;
    SettingsStore store;
    next.readSwitches(store);
    QVERIFY(!next.showDone());
    QVERIFY(next.showNotDone());
}

QTEST_MAIN(FilterStateTest)
#include "tst_filterstate.moc"
