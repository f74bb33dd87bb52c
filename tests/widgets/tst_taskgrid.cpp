#include "store/tasktable.h"
#include "widgets/analogclock.h"
#include "widgets/shadowlabel.h"
#include "widgets/taskgrid.h"

#include <QApplication>
#include <QFont>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

using namespace corvane;

namespace {

// A three-column table: Time, Category, Done.
void fill(TaskTable &table, const QList<QStringList> &records) {
    table.setColumnCount(3);
    table.setRowCount(int(records.size()) + 1);
    table.setRowCells(0, {"Time", "Category", "Done?"});
    for (int r = 0; r < records.size(); ++r)
        table.setRowCells(r + 1, records[r]);
}

QStringList column(const TaskGrid &grid, int c) {
    QStringList texts;
    for (int r = 0; r < grid.model()->rowCount(); ++r)
        texts << grid.model()->index(r, c).data().toString();
    return texts;
}

} // namespace

class TestTaskGrid : public QObject {
    Q_OBJECT
private slots:
    void showsTableWithTitlesAsHeader() {
        TaskGrid grid;
        fill(grid.table(), {{"9:00", "Work", "No"}, {"8:00", "Home", "Yes"}});
        QCOMPARE(grid.model()->rowCount(), 2);
        QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(), QString("Category"));
        QCOMPARE(column(grid, 0), QStringList({"9:00", "8:00"}));
        grid.table().setCell(1, 2, "Garden");
        QCOMPARE(grid.model()->index(1, 1).data().toString(), QString("Garden"));
        QVERIFY(!(grid.model()->flags(grid.model()->index(0, 0)) & Qt::ItemIsEditable));
    }

    void currentRowUsesTableNumberingAndSurvivesReshaping() {
        TaskGrid grid;
        fill(grid.table(), {{"1", "a", "No"}, {"2", "b", "No"}, {"3", "c", "No"}});
        QCOMPARE(grid.row(), 1);
        QSignalSpy moved(&grid, &TaskGrid::currentRowChanged);
        grid.setRow(3);
        QCOMPARE(grid.row(), 3);
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved.takeFirst().at(0).toInt(), 3);
        QVERIFY(grid.selectionModel()->isRowSelected(2, QModelIndex()));
        grid.table().removeRows(3, 1); // the current row is gone: the last one becomes current
        QCOMPARE(grid.row(), 2);
        grid.table().insertRows(3, 2);
        QCOMPARE(grid.row(), 2);
        grid.setRow(9); // out of range: ignored
        QCOMPARE(grid.row(), 2);
    }

    void sortsByTitle_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QStringList>("times");
        QTest::newRow("same column reverses") << QList<int>{0} << QStringList{"3", "2", "1"};
        QTest::newRow("twice is ascending again") << QList<int>{0, 0} << QStringList{"1", "2", "3"};
        QTest::newRow("another column ascending") << QList<int>{1} << QStringList{"2", "3", "1"};
        QTest::newRow("reverse of another column") << QList<int>{1, 1} << QStringList{"1", "3", "2"};
    }
    void sortsByTitle() {
        QFETCH(QList<int>, clicks);
        QFETCH(QStringList, times);
        TaskGrid grid;
        fill(grid.table(), {{"2", "a", "No"}, {"1", "c", "No"}, {"3", "b", "No"}});
        QSignalSpy sorted(&grid, &TaskGrid::sorted);
        for (int c : clicks)
            emit grid.horizontalHeader()->sectionClicked(c);
        QCOMPARE(column(grid, 0), times);
        QCOMPARE(sorted.count(), clicks.size());
    }

    void sortRefusals() {
        TaskGrid grid;
        fill(grid.table(), {{"2", "b", "No"}});
        QVERIFY(!grid.sortByTitle(1)); // one record: nothing happens
        QCOMPARE(grid.table().sortColumn(), 0);
        fill(grid.table(), {{"1", "a", "No"}, {"2", "b", "No"}});
        grid.setCanSort([](int c) { return c != 2; });
        QVERIFY(!grid.sortByTitle(2));
        QCOMPARE(grid.table().sortColumn(), 0);
        grid.table().setColumnCompare(0, [](const QString &a, const QString &b) { return b.compare(a); });
        grid.table().setSortColumn(1);
        QVERIFY(grid.sortByTitle(0)); // ascending by the column's own comparison
        QCOMPARE(column(grid, 0), QStringList({"2", "1"}));
    }

    void strikesOutDoneRows() {
        TaskGrid grid;
        fill(grid.table(), {{"1", "a", "No"}, {"2", "b", "Yes"}, {"3", "c", "Yes, done"}});
        grid.setDoneColumn(2);
        auto struck = [&](int r, int c) {
            return grid.model()->index(r, c).data(Qt::FontRole).value<QFont>().strikeOut();
        };
        QVERIFY(!struck(1, 0)); // off: style left alone
        grid.setStrikeOut(true);
        QVERIFY(!struck(0, 0));
        QVERIFY(struck(1, 0) && struck(1, 1) && struck(1, 2));
        QVERIFY(struck(2, 0));
        grid.table().setCell(2, 2, "No");
        QVERIFY(!struck(1, 1));
        QVERIFY(!grid.isStruckOut(0)); // the title row never is
    }

    void selectionColorsFollowTheSwitch() {
        TaskGrid grid;
        const QPalette system = QApplication::palette(&grid);
        QCOMPARE(grid.palette().color(QPalette::Active, QPalette::Highlight), system.color(QPalette::Base));
        grid.setSelectionActive(true);
        QCOMPARE(grid.palette().color(QPalette::Active, QPalette::Highlight),
                 system.color(QPalette::Highlight));
        QCOMPARE(grid.palette().color(QPalette::Inactive, QPalette::HighlightedText),
                 system.color(QPalette::Inactive, QPalette::HighlightedText));
    }

    void widthsAndRowHeight() {
        TaskTable table(2, 3);
        table.setColumnWidth(0, 110);
        table.setColumnWidth(1, 40);
        TaskGrid grid;
        grid.setTable(&table);
        QCOMPARE(grid.columnWidth(0), 110);
        grid.setColumnWidth(1, 77);
        QCOMPARE(table.columnWidth(1), 77);
        grid.horizontalHeader()->resizeSection(0, 90); // a dragged title keeps its width in the table
        QCOMPARE(table.columnWidth(0), 90);
        grid.setRowHeight(21);
        QCOMPARE(grid.rowHeight(), 21);
        grid.setTable(nullptr); // back to its own table; the given one is no longer followed
        table.setRowCount(8);
        QCOMPARE(grid.model()->rowCount(), 1);
    }

    void shadowLabelAndClock() {
        ShadowLabel label("Tasks for ");
        label.setShadowDepth(4);
        label.setShadowColor(Qt::gray);
        label.setTextColor(QColor(0, 0, 255));
        QCOMPARE(label.textColor(), QColor(0, 0, 255));
        QLabel plain("Tasks for ");
        // The shadow's depth, and a pixel of room on each side so the shadow is never clipped.
        QCOMPARE(label.sizeHint(), plain.sizeHint() + QSize(4 + 2, 4 + 2));
        label.resize(label.sizeHint());
        const QImage image = label.grab().toImage();
        QVERIFY(!image.isNull());

        AnalogClock clock;
        clock.setTime(QTime(10, 10));
        QCOMPARE(clock.time(), QTime(10, 10));
        clock.resize(80, 80);
        QVERIFY(!clock.grab().isNull());
    }
};

QTEST_MAIN(TestTaskGrid)
#include "tst_taskgrid.moc"
