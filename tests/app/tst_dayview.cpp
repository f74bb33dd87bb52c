#include "app/dayview.h"
#include "app/layoutvalues.h"
#include "settings/fontsetting.h"
#include "settings/settingsstore.h"
#include "store/clock.h"
#include "store/dateformats.h"
#include "store/daynumber.h"
#include "testsupport.h"

#include <QTest>

using namespace corvane;

namespace {

const int day = 36600; // Wednesday 29 March 2000

// Store rows: key, time, category, what, done, alarm.
TaskTable storeOf(const QList<QStringList> &rows) {
    TaskTable store;
    setUpStoreTable(store);
    store.setRowCount(int(rows.size()) + 1);
    for (int r = 0; r < rows.size(); ++r)
        store.setRowCells(r + 1, rows[r]);
    return store;
}

QStringList columnOf(const TaskTable &table, int column) {
    QStringList texts;
    for (int r = 1; r < table.rowCount(); ++r)
        texts << table.cell(column, r);
    return texts;
}

bool hideB(const QString &, const QString &category) {
    return category != "B";
}

} // namespace

class TestDayView : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        test::pinFormats("en_US");
        fix2000();
    }
    void cleanup() { setNow(QDateTime()); }

    void readsOnlyTheDaysVisibleRowsInStoreOrder() {
        const TaskTable store = storeOf({{"36599.101", "8:00 AM", "A", "before", "No", "No"},
                                         {"36600.101", "9:00 AM", "A", "first", "No", "No"},
                                         {"36600.102", "7:00 AM", "B", "hidden", "No", "No"},
                                         {"36600.103", "8:00 AM", "C", "third", "Yes", "Yes"},
                                         {"36601.101", "1:00 PM", "A", "after", "No", "No"}});
        TaskTable list;
        setUpDayTable(list);
        readFromStore(store, list, day, hideB);
        QCOMPARE(list.rowCount(), 3);
        QCOMPARE(list.rowCells(1), QStringList({"9:00 AM", "A", "first", "No", "No"}));
        QCOMPARE(list.rowCells(2), QStringList({"8:00 AM", "C", "third", "Yes", "Yes"}));
        QCOMPARE(list.cell(0, 0), QString("Time"));

        readFromStore(store, list, 36000, passAll); // a day without tasks: one empty row
        QCOMPARE(list.rowCount(), 2);
        QVERIFY(list.rowIsEmpty(1));
        readFromStore(storeOf({{"36600.101", "9:00 AM", "B", "x", "No", "No"}}), list, day, hideB);
        QCOMPARE(list.rowCount(), 2); // every task of the day hidden
        QVERIFY(list.rowIsEmpty(1));
    }

    // A shown, B hidden by the filter, C shown: writing the edited day back keeps B as it was.
    void writeBackLeavesHiddenRowsAlone() {
        TaskTable store = storeOf({{"36600.101", "9:00 AM", "A", "first", "No", "No"},
                                   {"36600.102", "9:30 AM", "B", "hidden", "No", "No"},
                                   {"36600.103", "10:00 AM", "C", "third", "No", "No"},
                                   {"36601.101", "1:00 PM", "A", "next day", "No", "No"}});
        TaskTable list;
        setUpDayTable(list);
        readFromStore(store, list, day, hideB);
        list.setCell(DayWhat, 1, "first, edited");
        writeToStore(store, list, day, hideB);
        sortStore(store);
        QCOMPARE(store.rowCount(), 5);
        QCOMPARE(columnOf(store, StoreKey),
                 QStringList({"36600.101", "36600.102", "36600.102", "36601.101"}));
        // C takes the sequence B still holds; the tie goes by Time, compared as text.
        QCOMPARE(columnOf(store, StoreWhat), QStringList({"first, edited", "third", "hidden", "next day"}));
        QCOMPARE(store.rowCells(3), QStringList({"36600.102", "9:30 AM", "B", "hidden", "No", "No"}));
    }

    void sortedDayIsRenumberedOnWriteBack() {
        TaskTable store = storeOf({{"36600.101", "9:00 AM", "Work", "w", "No", "No"},
                                   {"36600.102", "10:00 AM", "Home", "h", "No", "No"},
                                   {"36600.103", "11:00 AM", "Garden", "g", "No", "Yes"}});
        TaskTable list;
        setUpDayTable(list);
        readFromStore(store, list, day, passAll);
        list.setSortColumn(DayCategory);
        list.sort();
        writeToStore(store, list, day, passAll);
        sortStore(store);
        QCOMPARE(columnOf(store, StoreKey), QStringList({"36600.101", "36600.102", "36600.103"}));
        QCOMPARE(columnOf(store, StoreCategory), QStringList({"Garden", "Home", "Work"}));
        readFromStore(store, list, day, passAll);
        QCOMPARE(columnOf(list, DayCategory), QStringList({"Garden", "Home", "Work"}));
    }

    void writeBackOfNewAndEmptyDays() {
        TaskTable store = storeOf({{"36601.101", "1:00 PM", "A", "other", "No", "No"}});
        TaskTable list;
        setUpDayTable(list);
        writeToStore(store, list, day, passAll); // the empty row adds nothing
        QCOMPARE(store.rowCount(), 2);
        list.setRowCells(1, {"8:00 AM", "A", "new", "No", "Yes"});
        writeToStore(store, list, day, passAll);
        sortStore(store);
        QCOMPARE(columnOf(store, StoreKey), QStringList({"36600.101", "36601.101"}));
        list.clear(); // deleting the day's last task removes it from the store
        writeToStore(store, list, day, passAll);
        QCOMPARE(columnOf(store, StoreKey), QStringList({"36601.101"}));
    }

    void sortStoreDropsKeylessRows() {
        TaskTable store = storeOf({{"36600.101", "b"},
                                   {"", "keyless"},
                                   {"36600.100", "a"},
                                   {"36600.1000", "thousand"},
                                   {"9999.101", "short day"}});
        sortStore(store);
        QCOMPARE(columnOf(store, StoreKey),
                 QStringList({"9999.101", "36600.100", "36600.1000", "36600.101"}));
    }

    void timesCompareAsTimes_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("order");
        QTest::newRow("earlier") << "9:00 AM"
                                 << "10:00 AM" << -1;
        QTest::newRow("pm after am") << "1:00 PM"
                                     << "11:00 AM" << 1;
        QTest::newRow("same") << "9:00 AM"
                              << "9:00 AM" << 0;
        QTest::newRow("empty equals anything") << ""
                                               << "9:00 AM" << 0;
        QTest::newRow("no time after every time") << "soon"
                                                  << "11:59 PM" << 1;
    }
    void timesCompareAsTimes() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, order);
        setNow(QDateTime(QDate(2000, 3, 29), QTime(8, 0)));
        const int result = compareTimes(a, b);
        QCOMPARE((result > 0) - (result < 0), order);
    }

    void titles_data() {
        QTest::addColumn<int>("tasks");
        QTest::addColumn<QString>("holiday");
        QTest::addColumn<QString>("title");
        QTest::newRow("none") << 0 << ""
                              << "Wed 3/29/2000  Today";
        QTest::newRow("one") << 1 << ""
                             << "Wed 3/29/2000  Today";
        QTest::newRow("two") << 2 << ""
                             << "2 tasks Wed 3/29/2000  Today";
        QTest::newRow("holiday") << 2 << "Easter"
                                 << "Easter  Today";
    }
    void titles() {
        QFETCH(int, tasks);
        QFETCH(QString, holiday);
        QFETCH(QString, title);
        setNow(QDateTime(QDate(2000, 3, 29), QTime(8, 0)));
        TaskTable list;
        setUpDayTable(list);
        list.setRowCount(std::max(2, tasks + 1));
        QCOMPARE(dayTitle(list, now(), holiday), title);
        TaskTable nonday;
        setUpNondayTable(nonday);
        nonday.setRowCount(std::max(2, tasks + 1));
        QCOMPARE(nondayTitle(nonday),
                 tasks < 2 ? QString("Non-Date Oriented Tasks") : QString("2 Non-Date Oriented Tasks"));
    }

    void removingTheLastRecordLeavesTheEmptyRow() {
        TaskTable list;
        setUpNondayTable(list);
        list.setRowCount(3);
        list.setRowCells(1, {"A", "one", "No"});
        list.setRowCells(2, {"B", "two", "No"});
        removeListRow(list, 1);
        QCOMPARE(list.rowCount(), 2);
        QCOMPARE(list.cell(NondayWhat, 1), QString("two"));
        removeListRow(list, 1);
        QCOMPARE(list.rowCount(), 2);
        QVERIFY(list.rowIsEmpty(1));
        QCOMPARE(list.cell(NondayWhat, 0), QString("What"));
    }

    void layoutValuesSkipWhatCannotBeRead() {
        test::Sandbox sandbox;
        {
            SettingsStore store;
            store.writeText(QString(), "Split2", "abc");
            store.writeText(QString(), "Split1", "0x100");
            store.writeText(QString(), "ClientWidth", "800");
        }
        LayoutValues layout;
        layout.read(SettingsStore());
        QCOMPARE(layout.split2, 307);
        QCOMPARE(layout.split1, 256);
        QCOMPARE(layout.clientWidth, 800);
        QCOMPARE(layout.clientHeight, 450);
        QCOMPARE(layout.splitDay, 150);
    }

    void layoutValuesFitTheScreen_data() {
        QTest::addColumn<QList<int>>("stored"); // split2, clientHeight, clientWidth, split1, splitDay
        QTest::addColumn<QList<int>>("fitted");
        QTest::newRow("as written") << QList<int>{307, 450, 630, 280, 150}
                                    << QList<int>{307, 450, 630, 280, 150};
        QTest::newRow("beyond the screen")
            << QList<int>{100000, 100000, 100000, 100000, 100000} << QList<int>{1004, 1024, 1280, 1260, 984};
        QTest::newRow("negative") << QList<int>{-5, -5, -5, -5, -5} << QList<int>{20, 80, 630, 20, 20};
    }

    void layoutValuesFitTheScreen() {
        QFETCH(QList<int>, stored);
        LayoutValues layout{stored[0], stored[1], stored[2], stored[3], stored[4]};
        layout.fitInto(1280, 1024, 630);
        QTEST((QList<int>{layout.split2, layout.clientHeight, layout.clientWidth, layout.split1,
                          layout.splitDay}),
              "fitted");
    }

    void fontSizesStayReadable_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("size");
        QTest::newRow("ordinary") << "10" << 10;
        QTest::newRow("huge") << "100000" << 72;
        QTest::newRow("tiny") << "1" << 6;
        QTest::newRow("negative") << "-3" << 8;
    }

    void fontSizesStayReadable() {
        QFETCH(QString, stored);
        test::Sandbox sandbox;
        SettingsStore store;
        store.writeText("Options", "GridFontSize", stored);
        QTEST(readFontSetting(store, "GridFont").pointSize(), "size");
    }
};

QTEST_MAIN(TestDayView)
#include "tst_dayview.moc"
