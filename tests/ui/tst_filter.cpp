#include "app/main.h"
#include "app/program.h"
#include "filters/filter.h"
#include "holidays/holidayrules.h"
#include "settings/colorpanel.h"
#include "settings/options.h"
#include "settings/settingsstore.h"
#include "store/clock.h"
#include "store/daynumber.h"
#include "store/programfolder.h"
#include "testsupport.h"
#include "widgets/shadowlabel.h"
#include "widgets/taskgrid.h"

#include <QAction>

#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTest>

using namespace corvane;

namespace {
QStringList ticked(const TfrmFilter &filter) {
    QStringList names;
    for (int row = 0; row < filter.cbWhat->count(); ++row)
        if (filter.cbWhat->item(row)->checkState() == Qt::Checked)
            names << filter.cbWhat->item(row)->text();
    return names;
}

void clickPanel(QWidget *panel) {
    QTest::mouseClick(panel, Qt::LeftButton, {}, panel->rect().center());
}

const QDate today(2000, 3, 15);

// Today's tasks in grid.grd, in store order: category and done text of each.
void writeStore(const QList<QStringList> &tasks) {
    TaskTable store(6, int(tasks.size()) + 1);
    store.setRowCells(0, {"Key", "Time", "Category", "What", "Done", "Alarm"});
    for (int i = 0; i < tasks.size(); ++i)
        store.setRowCells(i + 1, {storeKey(dayNumber(today), 101 + i), "9:00 AM", tasks[i][0],
                                  QStringLiteral("Task %1").arg(i + 1), tasks[i][1], "No"});
    QVERIFY(store.save(besideProgram("grid.grd")));
}

QStringList dayCategories(TfrmMain &main) {
    QStringList categories;
    const TaskTable &day = main.gridDay->table();
    for (int row = 1; row < day.rowCount(); ++row)
        categories << day.cell(1, row) + "/" + day.cell(3, row);
    return categories;
}
} // namespace

class FilterWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void firstStartShowsEverything();
    void okSavesTheTickedCategories();
    void closeBoxKeepsTheSavedSelection();
    void categoriesNeverOfferedStartTicked();
    void switchesAndPanels();
    void failedSaveIsReported();
    void mainWindowFollowsTheFilter();
    void holidayNamesTheDayTitle();
};

void FilterWindowTest::initTestCase() {
    test::pinFormats("en_US");
}

void FilterWindowTest::firstStartShowsEverything() {
    test::Sandbox sandbox;
    test::writeFile(sandbox.path("category.xxx"), "Work\r\nHome\r\n");
    TfrmFilter filter;
    QCOMPARE(filter.windowTitle(), QString("Task Filters"));
    QCOMPARE(ticked(filter), QStringList({"Work", "Home"}));
    QVERIFY(filter.cbDone->isChecked() && filter.cbNotDone->isChecked());
    QCOMPARE(filter.cbDone->text(), QString("&Done items"));
    QCOMPARE(filter.cbNotDone->text(), QString("   &Not done items"));
    QCOMPARE(filter.btAll->toolTip(), QString("Select all categories"));
    QCOMPARE(filter.btNone->toolTip(), QString("Clear all categories"));
    QCOMPARE(filter.lblTitle->text(), QString("Task Filters : Off"));
    QVERIFY(!filter.isOn());
    QVERIFY(filter.btOK->isDefault());

    // No choices file: an empty list, and every category passes.
    test::Sandbox empty;
    TfrmFilter none;
    QCOMPARE(none.cbWhat->count(), 0);
    QVERIFY(none.passes("No", "Work"));
}

void FilterWindowTest::okSavesTheTickedCategories() {
    test::Sandbox sandbox;
    test::writeFile(sandbox.path("category.xxx"), "Work\r\nHome\r\nGarden\r\n");
    {
        TfrmFilter filter;
        filter.cbWhat->item(1)->setCheckState(Qt::Unchecked);
        QCOMPARE(filter.lblTitle->text(), QString("Task Filters : On"));
        QVERIFY(!filter.passes("No", "home"));
        QVERIFY(filter.rowFilter()("No", "Garden"));
        filter.btOK->click();
        QCOMPARE(filter.result(), int(QDialog::Accepted));
        QCOMPARE(test::readFile(sandbox.path("category.yyy")), QByteArray("Work\r\nGarden\r\n"));
    }
    {
        TfrmFilter filter; // the next start
        QCOMPARE(ticked(filter), QStringList({"Work", "Garden"}));
        QCOMPARE(filter.lblTitle->text(), QString("Task Filters : On"));
        filter.btNone->click();
        QVERIFY(ticked(filter).isEmpty());
        QVERIFY(filter.passes("No", "Lawn")); // not an entry
        filter.btOK->click();
        QCOMPARE(test::readFile(sandbox.path("category.yyy")), QByteArray());
    }
    TfrmFilter filter;
    QVERIFY(ticked(filter).isEmpty());
    filter.btAll->click();
    QCOMPARE(ticked(filter).size(), 3);
    QCOMPARE(filter.lblTitle->text(), QString("Task Filters : Off"));
}

void FilterWindowTest::closeBoxKeepsTheSavedSelection() {
    test::Sandbox sandbox;
    test::writeFile(sandbox.path("category.xxx"), "Work\r\nHome\r\n");
    test::writeFile(sandbox.path("category.yyy"), "Work\r\n");
    TfrmFilter filter;
    QCOMPARE(ticked(filter), QStringList({"Work"}));
    filter.show();
    filter.cbWhat->item(0)->setCheckState(Qt::Unchecked);
    filter.cbWhat->item(1)->setCheckState(Qt::Checked);
    QVERIFY(filter.close());
    QCOMPARE(filter.result(), int(QDialog::Rejected));
    // The change holds for this run; the file keeps the old selection.
    QVERIFY(!filter.passes("No", "Work"));
    QCOMPARE(test::readFile(sandbox.path("category.yyy")), QByteArray("Work\r\n"));
    // Showing again ticks what the file names and unticks nothing.
    filter.show();
    QCOMPARE(ticked(filter), QStringList({"Work", "Home"}));
    filter.close();
    TfrmFilter next;
    QCOMPARE(ticked(next), QStringList({"Work"}));
}

void FilterWindowTest::categoriesNeverOfferedStartTicked() {
    test::Sandbox sandbox;
    {
        TfrmFilter first; // a first run: nothing to offer yet
        first.btOK->click();
    }
    QCOMPARE(test::readFile(sandbox.path("category.yyy")), QByteArray());
    test::writeFile(sandbox.path("category.xxx"), "Work\r\n");
    {
        TfrmFilter next;
        QCOMPARE(ticked(next), QStringList({"Work"}));
        QVERIFY(!next.isOn());
        // A category added while the program runs is offered at the next showing, ticked.
        test::writeFile(sandbox.path("category.xxx"), "Work\r\nHome\r\n");
        next.show();
        QCOMPARE(ticked(next), QStringList({"Work", "Home"}));
        next.cbWhat->item(1)->setCheckState(Qt::Unchecked);
        next.btOK->click();
    }
    // What a person unticked stays unticked; a category added since starts ticked.
    test::writeFile(sandbox.path("category.xxx"), "Work\r\nHome\r\nGarden\r\n");
    TfrmFilter last;
    QCOMPARE(ticked(last), QStringList({"Work", "Garden"}));
}

void FilterWindowTest::switchesAndPanels() {
    test::Sandbox sandbox;
    {
        TfrmFilter filter;
        QCOMPARE(filter.pnlDone->text(), QString("&Done Items"));
        QCOMPARE(filter.pnlNotDone->text(), QString("&Not Done Items"));
        filter.setPanelColors(0x000000, 0xFFFF00, 0xFFFFFF, 0x0000FF);
        QCOMPARE(filter.pnlDone->backColor(), 0xFFFF00);
        QCOMPARE(filter.pnlNotDone->textColor(), 0xFFFFFF);

        filter.show();
        filter.cbDone->click();
        QCOMPARE(filter.lblTitle->text(), QString("Task Filters : On"));
        QVERIFY(!filter.passes("Yes", ""));
        QVERIFY(filter.passes("No", ""));
        clickPanel(filter.pnlNotDone);
        QVERIFY(!filter.cbNotDone->isChecked());
        QVERIFY(!filter.passes("No", ""));
        QVERIFY(filter.passes("", ""));
        clickPanel(filter.pnlDone);
        QVERIFY(filter.cbDone->isChecked());
        QVERIFY(filter.passes("Yes", ""));
        filter.close(); // saved however the dialog closes
    }
    QSettings file(sandbox.settingsFile(), QSettings::IniFormat);
    QCOMPARE(file.value("Filter/Done").toString(), QString("1"));
    QCOMPARE(file.value("Filter/NotDone").toString(), QString("0"));
    TfrmFilter next;
    QVERIFY(next.cbDone->isChecked());
    QVERIFY(!next.cbNotDone->isChecked());
    QCOMPARE(next.lblTitle->text(), QString("Task Filters : On"));
}

void FilterWindowTest::failedSaveIsReported() {
    test::Sandbox sandbox;
    test::FakePrompter prompter;
    test::writeFile(sandbox.path("category.xxx"), "Work\r\n");
    QVERIFY(QDir(sandbox.dir.path()).mkdir("category.yyy")); // a folder where the file should be
    TfrmFilter filter;
    QCOMPARE(ticked(filter), QStringList()); // a selection that cannot be read names no entry
    filter.btOK->click();
    QCOMPARE(prompter.errors.size(), 1);
    QVERIFY(prompter.errors.first().startsWith("Could not save " + sandbox.path("category.yyy") + ": "));
    QCOMPARE(filter.result(), int(QDialog::Accepted));
}

void FilterWindowTest::mainWindowFollowsTheFilter() {
    setNow(QDateTime(today, QTime(10, 30)));
    test::Sandbox sandbox;
    test::FakePrompter prompts;
    test::ModalScript modal;
    test::writeFile(besideProgram("category.xxx"), "Work\r\nHome\r\n");
    writeStore({{"Work", "No"}, {"Home", "No"}, {"work", "Yes"}});
    Program program;
    TfrmMain &main = program.main();
    program.start();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QCOMPARE(dayCategories(main), QStringList({"Work/No", "Home/No", "work/Yes"}));
    QCOMPARE(main.Filters1->text(), QString("Filters"));
    // The options gave the filter's panels their colours at start.
    QCOMPARE(forms().frmFilter->pnlDone->backColor(), forms().frmOptions->pnlDone->backColor());
    QCOMPARE(forms().frmFilter->pnlNotDone->textColor(), forms().frmOptions->pnlNotDone->textColor());

    // OK: the views show at once what the filter lets through.
    modal.then([](QDialog &dialog) {
        auto &filter = static_cast<TfrmFilter &>(dialog);
        filter.show();
        filter.cbWhat->item(1)->setCheckState(Qt::Unchecked);
        filter.btOK->click();
        return filter.result();
    });
    main.Filters1->trigger();
    QCOMPARE(modal.shown, QStringList({"Task Filters"}));
    QCOMPARE(dayCategories(main), QStringList({"Work/No", "work/Yes"}));
    QCOMPARE(main.Filters1->text(), QString("FILTERS ON"));
    QCOMPARE(test::readFile(besideProgram("category.yyy")), QByteArray("Work\r\n"));
    // Hidden rows stay in the store.
    QCOMPARE(main.gridStore.rowCount(), 4);

    // The close box: the switch applies at once, and the day view follows it, so writing the day back
    // neither doubles the newly hidden task nor drops it.
    modal.then([](QDialog &dialog) {
        auto &filter = static_cast<TfrmFilter &>(dialog);
        filter.show();
        filter.cbDone->click();
        filter.close();
        return filter.result();
    });
    main.btFilter->trigger();
    QCOMPARE(dayCategories(main), QStringList({"Work/No"}));
    QVERIFY(!main.rowFilter("Yes", "Work"));
    QCOMPARE(test::readFile(besideProgram("category.yyy")), QByteArray("Work\r\n"));
    main.writeToStore(dayNumber(today));
    QCOMPARE(main.gridStore.rowCount(), 4);

    // Everything shown again: the indicator goes off.
    modal.then([](QDialog &dialog) {
        auto &filter = static_cast<TfrmFilter &>(dialog);
        filter.show();
        filter.btAll->click();
        clickPanel(filter.pnlDone);
        if (filter.lblTitle->text() != "Task Filters : Off")
            return int(QDialog::Rejected);
        filter.btOK->click();
        return filter.result();
    });
    main.Filters1->trigger();
    QCOMPARE(dayCategories(main), QStringList({"Work/No", "Home/No", "work/Yes"}));
    QCOMPARE(main.Filters1->text(), QString("Filters"));
    QVERIFY(modal.unexpected.isEmpty());
    QVERIFY(prompts.errors.isEmpty());
    setNow(QDateTime());
}

void FilterWindowTest::holidayNamesTheDayTitle() {
    setNow(QDateTime(today, QTime(10, 30)));
    test::Sandbox sandbox;
    test::FakePrompter prompts;
    TaskTable rules = newHolidayTable();
    rules.setRowCells(1, {"Ides", "03", "March", "15"});
    QVERIFY(rules.save(besideProgram("holiday.grd")));
    {
        Program program;
        TfrmMain &main = program.main();
        program.start();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QCOMPARE(main.lblDate->text(), QString("Ides  Today"));
        QCOMPARE(main.lblDate->textColor(), QColor(255, 0, 0));
        QCOMPARE(main.holidayName(QDate(2001, 3, 15)), QString("Ides"));
    }
    test::writeFile(besideProgram("holiday.grd"), "0,5\r\n");
    {
        Program program;
        program.start();
        QVERIFY(QTest::qWaitForWindowExposed(&program.main()));
        QCOMPARE(prompts.errors,
                 QStringList({"File contains no data or corrupt file " + besideProgram("holiday.grd")}));
        QVERIFY(!program.main().lblDate->text().startsWith("Ides"));
    }
    setNow(QDateTime());
}

QTEST_MAIN(FilterWindowTest)
#include "tst_filter.moc"
