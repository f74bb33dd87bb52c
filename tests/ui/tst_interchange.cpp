#include "app/main.h"
#include "app/program.h"
#include "interchange/icalimport.h"
#include "interchange/icalreader.h"
#include "store/clock.h"
#include "store/daynumber.h"
#include "testsupport.h"
#include "widgets/taskgrid.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace corvane;

namespace {

const QDate today(2024, 3, 20);

QString sample(const char *name) {
    return test::sourceFile(QStringLiteral("interchange/data/") + QLatin1String(name));
}

// Presses a button of the import summary after keeping what it said.
test::ModalScript::Handler press(const char *button, QString *summary = nullptr) {
    return [button, summary](QDialog &dialog) {
        auto &frm = dynamic_cast<TfrmIcalImport &>(dialog);
        if (summary)
            *summary = frm.lblSummary->text();
        (QLatin1String(button) == QLatin1String("OK") ? frm.btOK : frm.btCancel)->click();
        return dialog.result();
    };
}

// A running program with scripted prompts and dialogs, holding one task of today.
struct Running {
    explicit Running(const QStringList &task = {}) {
        program.start();
        if (task.isEmpty())
            return;
        main.gridStore.setRowCount(2);
        main.gridStore.setRowCells(1, QStringList{storeKey(dayNumber(today), 101)} + task);
        main.SortGridStore();
    }

    test::Sandbox sandbox;
    test::FakePrompter prompts;
    test::ModalScript modal;
    Program program;
    TfrmMain &main = program.main();
};

} // namespace

// The iCalendar commands of the main window.
class TestInterchange : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        qputenv("TZ", "Europe/Berlin");
        test::pinFormats("en_US");
    }
    void init() { setNow(QDateTime(today, QTime(9, 0))); }
    void cleanup() { setNow(QDateTime()); }

    void commandsSitInTheFileMenu() {
        test::Sandbox sandbox;
        Program program;
        TfrmMain &main = program.main();
        QMenu *file = main.menuBar()->actions().first()->menu();
        QStringList items;
        for (QAction *action : file->actions())
            items << (action->menu() ? action->menu()->title() : action->text());
        QCOMPARE(items.mid(0, 5), (QStringList{"Print", "Find", "Export", "Import iCalendar…",
                                               "Publish Calendar as Web Page"}));
        QCOMPARE(file->actions()[2]->menu()->actions().last(), main.ICalendarFormat1);
        QCOMPARE(main.ICalendarFormat1->text(), QStringLiteral("iCalendar Format…"));
        QVERIFY(main.ICalendarFormat1->isEnabled());
        QVERIFY(main.ImportICalendar1->isEnabled());
    }

    void exportWritesTheDateTasks() {
        Running run({"2:30 PM", "Work", "Dentist, \"Dr. Zoë\"", "No", "Yes"});
        auto &[sandbox, prompts, modal, program, main] = run;
        prompts.fileAnswers = {sandbox.path("tasks.ics")};
        main.ICalendarFormat1->trigger();
        QCOMPARE(prompts.fileCaptions, QStringList{"Save as an iCalendar file"});
        const QByteArray ics = test::readFile(sandbox.path("tasks.ics"));
        QVERIFY(ics.contains("DTSTART:20240320T143000\r\n"));
        QVERIFY(ics.contains("SUMMARY:Dentist\\, \"Dr. Zoë\"\r\n"));
        QVERIFY(ics.contains("BEGIN:VALARM"));
        QVERIFY(prompts.errors.isEmpty());

        prompts.fileAnswers = {sandbox.path("no/such/folder/tasks.ics")};
        main.ICalendarFormat1->trigger();
        QCOMPARE(prompts.errors.size(), 1);
        QVERIFY(prompts.errors[0].startsWith("Could not save " + sandbox.path("no/such/folder/tasks.ics")));
    }

    void importShowsTheSummaryFirst() {
        Running run({"9:00 AM", "Work,Phone", "Call with Tokyo", "No", "No"});
        auto &[sandbox, prompts, modal, program, main] = run;
        const QByteArray before = test::readFile(sandbox.path("grid.grd"));

        // Cancel changes nothing.
        QString summary;
        prompts.fileAnswers = {sample("desktopsuite.ics")};
        modal.then(press("Cancel", &summary));
        main.ImportICalendar1->trigger();
        QCOMPARE(prompts.fileCaptions, QStringList{"Import iCalendar"});
        QCOMPARE(summary, QStringLiteral("26 tasks will be added: 25 date oriented, 1 non-date oriented.\n"
                                         "1 task is skipped because an equal task already exists.\n"
                                         "1 repeating item was cut at 7400 days or 7401 occurrences."));
        QCOMPARE(main.gridStore.rowCount(), 2);
        QCOMPARE(test::readFile(sandbox.path("grid.grd")), before);

        // OK adds them, stores both files and shows them.
        prompts.fileAnswers = {sample("desktopsuite.ics")};
        modal.then(press("OK"));
        main.ImportICalendar1->trigger();
        QCOMPARE(main.gridStore.rowCount(), 27);
        QCOMPARE(main.gridDay->table().cell(2, 1), QStringLiteral("Call with Tokyo"));
        QCOMPARE(main.gridNonday->table().cell(1, 1), QStringLiteral("Paint the fence"));
        QVERIFY(test::readFile(sandbox.path("grid.grd")).contains("Evening course"));
        QVERIFY(test::readFile(sandbox.path("gridNon.grd")).contains("Paint the fence"));

        // A second import finds everything there.
        prompts.fileAnswers = {sample("desktopsuite.ics")};
        modal.then(press("OK", &summary));
        main.ImportICalendar1->trigger();
        QVERIFY(summary.startsWith("No task will be added.\n27 tasks are skipped"));
        QCOMPARE(main.gridStore.rowCount(), 27);
        QVERIFY(modal.unexpected.isEmpty());
        QVERIFY(prompts.errors.isEmpty());
    }

    void summaryListsWhatItDidNotUnderstand() {
        Running run;
        QStringList items;
        run.modal.then([&items](QDialog &dialog) {
            auto &frm = dynamic_cast<TfrmIcalImport &>(dialog);
            for (int i = 0; i < frm.lbNotUnderstood->count(); ++i)
                items << frm.lbNotUnderstood->item(i)->text();
            return int(QDialog::Rejected);
        });
        run.prompts.fileAnswers = {sample("desktopcalendar.ics")};
        run.main.ImportICalendar1->trigger();
        QCOMPARE(items, (QStringList{"VJOURNAL \"Notes of the week\"",
                                     "VEVENT \"Broken start\": no readable date"}));
    }

    void aFileThatIsNoCalendarIsReported() {
        Running run;
        const QString letter = run.sandbox.path("letter.txt");
        test::writeFile(letter, "Dear Anna,\nsee you at nine.\n");
        run.prompts.fileAnswers = {letter};
        run.main.ImportICalendar1->trigger();
        QCOMPARE(run.prompts.errors, QStringList{"The file " + letter + " holds no iCalendar data."});
        QVERIFY(run.modal.shown.isEmpty());
    }
};

QTEST_MAIN(TestInterchange)
#include "tst_interchange.moc"
