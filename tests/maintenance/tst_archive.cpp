#include "app/dayview.h"
#include "editing/completedhistory.h"
#include "maintenance/archive.h"
#include "store/daynumber.h"
#include "testsupport.h"

#include <QTest>

using namespace corvane;

namespace {

// gridStore rows: day, done; in the order given (a 31 December task may sort first).
TaskTable storeOf(const QList<std::pair<QDate, QString>> &tasks) {
    TaskTable store;
    setUpStoreTable(store);
    store.setRowCount(int(tasks.size()) + 1);
    for (int i = 0; i < tasks.size(); ++i)
        store.setRowCells(i + 1, {storeKey(dayNumber(tasks[i].first), 101 + i), "9:00 AM", "Work",
                                  "task " + QString::number(i + 1), tasks[i].second, "No"});
    return store;
}

TaskTable nondayOf(const QList<QStringList> &rows) {
    TaskTable nonday;
    setUpNondayTable(nonday);
    nonday.setRowCount(int(rows.size()) + 1);
    for (int i = 0; i < rows.size(); ++i)
        nonday.setRowCells(i + 1, rows[i]);
    return nonday;
}

QStringList whats(const TaskTable &store) {
    QStringList texts;
    for (int row = 1; row < store.rowCount(); ++row)
        texts << store.cell(StoreWhat, row);
    return texts;
}

bool within(const QDate &first, const QDate &last, int day) {
    return day >= dayNumber(first) && day <= dayNumber(last);
}

} // namespace

class ArchiveTest : public QObject {
    Q_OBJECT
private slots:
    void companionNames_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("nondate");
        QTest::addColumn<QString>("completed");
        QTest::newRow("arb") << "/home/ann/may.arb"
                             << "/home/ann/may.AR2"
                             << "/home/ann/may.AR3";
        QTest::newRow("no extension") << "/home/ann/may"
                                      << "/home/ann/may.AR2"
                                      << "/home/ann/may.AR3";
        QTest::newRow("dot in a folder only") << "/home/a.b/may"
                                              << "/home/a.b/may.AR2"
                                              << "/home/a.b/may.AR3";
        QTest::newRow("last dot counts") << "may.2024.arb"
                                         << "may.2024.AR2"
                                         << "may.2024.AR3";
    }
    void companionNames() {
        QFETCH(QString, chosen);
        QFETCH(QString, nondate);
        QFETCH(QString, completed);
        const ArchiveSet set = archiveSet(chosen);
        QCOMPARE(set.files(), (QStringList{chosen, nondate, completed}));
    }

    void storedMessageNamesAllThree() {
        QCOMPARE(archiveStoredMessage(archiveSet("/tmp/may.arb")),
                 QString("Archive stored in the files - /tmp/may.arb, /tmp/may.AR2 and /tmp/may.AR3"));
    }

    void clearOfJanuaryKeepsTheDecemberTaskThatSortsFirst() {
        TaskTable store = storeOf({{QDate(1999, 12, 31), "No"},
                                   {QDate(2000, 1, 1), "No"},
                                   {QDate(2000, 1, 31), "Yes"},
                                   {QDate(2000, 2, 1), "No"}});
        TaskTable nonday = nondayOf({{"Home", "paint", "No"}, {"", "no category", "No"}});
        ClearSelection selection;
        selection.dateTasks = true;
        selection.okDateTask = [](int, int day) {
            return within(QDate(2000, 1, 1), QDate(2000, 1, 31), day);
        };
        selection.okNonDateTask = [](int) { return true; };
        clearTasks(store, nonday, selection);
        QCOMPARE(whats(store), (QStringList{"task 1", "task 4"}));
        QCOMPARE(nonday.rowCount(), 3);

        // Non-date tasks are cleared by the same rule the editor uses: a category or a text.
        selection.dateTasks = false;
        selection.nonDateTasks = true;
        clearTasks(store, nonday, selection);
        QCOMPARE(whats(store), (QStringList{"task 1", "task 4"}));
        QCOMPARE(nonday.rowCount(), 2);
        QVERIFY(nonday.rowIsEmpty(1));
    }

    void clearAllKeepsOneEmptyRowInEach() {
        TaskTable store = storeOf({{QDate(2000, 1, 1), "No"}, {QDate(2000, 1, 2), "Yes"}});
        TaskTable nonday = nondayOf({{"Home", "paint", "No"}, {"Work", "file", "Yes"}});
        ClearSelection selection{true, true, [](int, int) { return true; }, [](int) { return true; }};
        clearTasks(store, nonday, selection);
        QCOMPARE(store.rowCount(), 2);
        QVERIFY(store.rowIsEmpty(1));
        QCOMPARE(nonday.rowCount(), 2);
        QVERIFY(nonday.rowIsEmpty(1));
    }

    void clearAsksTheDateTestWithRowAndDay() {
        TaskTable store = storeOf({{QDate(2000, 1, 1), "No"}, {QDate(2000, 1, 2), "Yes"}});
        TaskTable nonday = nondayOf({});
        // Only done tasks: the test sees the row it may remove.
        ClearSelection selection;
        selection.dateTasks = true;
        selection.okDateTask = [&store](int row, int) { return store.cell(StoreDone, row) == "Yes"; };
        clearTasks(store, nonday, selection);
        QCOMPARE(whats(store), (QStringList{"task 1"}));
    }

    void loadingASetReportsEachBadFile() {
        test::Sandbox sandbox;
        const ArchiveSet set = archiveSet(sandbox.path("may.arb"));
        TaskTable store = storeOf({{QDate(2000, 1, 1), "No"}});
        QVERIFY(store.save(set.tasks));
        test::writeFile(set.nondate, "garbage");
        test::writeFile(set.completed, "");
        ArchiveTables tables;
        QStringList failures;
        QVERIFY(!loadArchive(set, tables, &failures));
        QCOMPARE(failures.size(), 2);
        QVERIFY(failures[0].contains(set.nondate));
        QVERIFY(failures[1].contains(set.completed));

        QVERIFY(nondayOf({{"Home", "paint", "No"}}).save(set.nondate));
        QVERIFY(emptyCompletedTable().save(set.completed));
        QVERIFY(loadArchive(set, tables, &failures));
        QVERIFY(failures.isEmpty());
        QCOMPARE(tables.store.toGridBytes(), store.toGridBytes());
        QCOMPARE(tables.nonday.rowCells(1), (QStringList{"Home", "paint", "No"}));
    }
};

QTEST_GUILESS_MAIN(ArchiveTest)
#include "tst_archive.moc"
