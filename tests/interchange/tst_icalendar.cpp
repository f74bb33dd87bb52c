#include "app/dayview.h"
#include "interchange/icalreader.h"
#include "interchange/icalwriter.h"
#include "interchange/importplan.h"
#include "store/clock.h"
#include "store/daynumber.h"
#include "testsupport.h"

#include <QTest>

#include <libical/ical.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>

using namespace corvane;

namespace corvane {
char *toString(const IcalTask &t) {
    return qstrdup(QStringLiteral("[%1 %2 | %3 | %4 | %5 %6]")
                       .arg(dateOfDay(t.day).toString(Qt::ISODate), t.time, t.category, t.what.left(50))
                       .arg(t.done)
                       .arg(t.alarm)
                       .toUtf8()
                       .constData());
}
} // namespace corvane

namespace {

int day(int y, int m, int d) {
    return dayNumber(QDate(y, m, d));
}

IcalTask dated(int dayNumber, const QString &time, const QString &category, const QString &what,
               bool done = false, bool alarm = false) {
    return IcalTask{dayNumber, time, category, what, done, alarm};
}

IcalTask undated(const QString &category, const QString &what, bool done = false) {
    return IcalTask{0, QString(), category, what, done, false};
}

void fill(TaskTable &store, TaskTable &nonday, const QList<IcalTask> &tasks) {
    setUpStoreTable(store);
    setUpNondayTable(nonday);
    ImportPlan plan;
    plan.toAdd = tasks;
    addImported(plan, store, nonday);
    sortStore(store);
}

QList<IcalTask> sorted(QList<IcalTask> tasks) {
    std::sort(tasks.begin(), tasks.end(), [](const IcalTask &a, const IcalTask &b) {
        return std::tie(a.day, a.time, a.category, a.what) < std::tie(b.day, b.time, b.category, b.what);
    });
    return tasks;
}

QList<IcalTask> readBack(const QByteArray &bytes) {
    IcalReading reading;
    QString error;
    if (!readICalendar(bytes, reading, &error))
        qWarning() << error;
    return sorted(reading.tasks);
}

QString sample(const char *name) {
    return test::sourceFile(QStringLiteral("interchange/data/") + QLatin1String(name));
}

// The restriction check of the library: true when it adds no error to any component.
bool passesRestrictions(const QByteArray &bytes, QString *errors) {
    icalcomponent *root = icalparser_parse_string(bytes.constData());
    if (!root)
        return false;
    icalrestriction_check(root);
    const int count = icalcomponent_count_errors(root);
    char *text = icalcomponent_as_ical_string_r(root);
    *errors = QString::fromUtf8(text);
    std::free(text);
    icalcomponent_free(root);
    return count == 0;
}

} // namespace

class TestICalendar : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        qputenv("TZ", "Europe/Berlin");
        tzset();
        test::pinFormats("en_US");
        setNow(QDateTime(QDate(2024, 3, 15), QTime(9, 0)));
    }
    void cleanupTestCase() { setNow(QDateTime()); }

    void roundTripGivesTheSameTasks() {
        const QList<IcalTask> tasks{
            dated(day(2024, 3, 15), "9:00 AM", "Work", "Call the bank"),
            dated(day(2024, 3, 15), "9:00 AM", "Work", "Call the bank"), // the same task twice
            dated(day(2024, 3, 15), "5:30 PM", "1 - High", "Dîner chez Zoë, \"8 heures\"\r\nRéserver\r\n",
                  true, true),
            dated(day(2024, 2, 29), "12:00 AM", "", "Leap day; midnight", false, true),
            dated(day(2024, 12, 31), "11:59 PM", "A, B; C\\D", "Comma, semicolon; backslash \\ end"),
            dated(day(2030, 6, 1), "5:30:15 PM", "Work", "With seconds"),
            dated(day(2030, 6, 2), "soon", "Work", "No time of day"),
            dated(day(2030, 6, 3), "17:30", "Work", "Another time format"),
            dated(day(2030, 6, 4), "8:00 AM", "", QStringLiteral("Long ").repeated(400) + "\r\nend\r\n"),
            dated(day(2030, 6, 5), "8:00 AM", "", "Three\r\nline\r\ntext"),
            dated(day(2030, 6, 6), "8:00 AM", "Empty text", ""),
            dated(day(2030, 6, 7), "", " spaces ", " around the text "),
            undated("Home", "Paint the fence"),
            undated("", "No category, done", true),
            undated("Ünïcode ✓", "Line one\r\nline two\r\n"),
        };
        TaskTable store, nonday;
        fill(store, nonday, tasks);
        QCOMPARE(store.rowCount(), 13);

        IcalSelection all;
        all.nonDateTasks = true;
        const QByteArray bytes = writeICalendar(store, nonday, all, now());
        QCOMPARE(readBack(bytes), sorted(tasks));

        QString checked;
        QVERIFY2(passesRestrictions(bytes, &checked), qPrintable(checked));
        QVERIFY(bytes.contains("BEGIN:VEVENT"));
        QVERIFY(bytes.contains("SUMMARY:Dîner chez Zoë\\, \"8 heures\""));
        QVERIFY(bytes.contains("DTSTART:20240315T173000\r\n"));

        // The same tasks give the same identifiers in a later export.
        setNow(now().addDays(1));
        const QByteArray later = writeICalendar(store, nonday, all, now());
        setNow(now().addDays(-1));
        const auto uids = [](const QByteArray &ics) {
            QList<QByteArray> lines;
            for (const QByteArray &line : ics.split('\n'))
                if (line.startsWith("UID:"))
                    lines << line;
            return lines;
        };
        const QList<QByteArray> first = uids(bytes);
        QCOMPARE(uids(later), first);
        QCOMPARE(QSet<QByteArray>(first.begin(), first.end()).size(), tasks.size());
    }

    void exportTakesTheSelection() {
        TaskTable store, nonday;
        fill(store, nonday,
             {dated(day(2024, 3, 1), "9:00 AM", "Work", "March"),
              dated(day(2024, 4, 1), "9:00 AM", "Work", "April"), undated("Home", "Paint")});
        IcalSelection april;
        april.dateTask = [](int, int d) { return d >= day(2024, 4, 1); };
        QCOMPARE(readBack(writeICalendar(store, nonday, april, now())),
                 (QList<IcalTask>{dated(day(2024, 4, 1), "9:00 AM", "Work", "April")}));
        april.nonDateTasks = true;
        april.nonDateTask = [](int) { return false; };
        QCOMPARE(readBack(writeICalendar(store, nonday, april, now())).size(), 1);
    }

    void samplesImport_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QList<IcalTask>>("expected"); // the tasks of the file's first days, in time order
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("notUnderstood");
        QTest::addColumn<int>("cut");

        const QString standup = "Standup\r\nRoom 4, second floor\r\nBring the figures\r\n";
        QTest::newRow("mail client: time zone, weekly with exception and override, alarm")
            << sample("mailclient.ics")
            << QList<IcalTask>{dated(day(2024, 3, 4), "9:30 AM", "Work", standup, false, true),
                               dated(day(2024, 3, 15), "7:30 PM", "", "Dîner chez Zoë"),
                               dated(day(2024, 3, 18), "11:00 AM", "Work", "Standup (moved)"),
                               dated(day(2024, 3, 25), "9:30 AM", "Work", standup, false, true),
                               dated(day(2024, 4, 1), "9:30 AM", "Work", standup, false, true)}
            << 5 << QStringList() << 0;
        QTest::newRow("desktop suite: UTC, all-day yearly, RDATE, to-dos")
            << sample("desktopsuite.ics")
            << QList<IcalTask>{undated("Home", "Paint the fence"),
                               dated(day(2024, 3, 20), "9:00 AM", "Work,Phone", "Call with Tokyo"),
                               dated(day(2024, 3, 21), "6:00 PM", "", "Evening course"),
                               dated(day(2024, 3, 28), "6:00 PM", "", "Evening course"),
                               dated(day(2024, 3, 31), "12:00 AM", "", "Send the tax return", true),
                               dated(day(2024, 4, 2), "12:00 AM", "", "Anna's birthday", false, true),
                               dated(day(2024, 4, 4), "6:00 PM", "", "Evening course")}
            << 1 + 1 + 3 + 1 + 21 << QStringList() << 1;
        QTest::newRow("desktop calendar: zone without definition, journal, bad date")
            << sample("desktopcalendar.ics")
            << QList<IcalTask>{dated(day(2024, 3, 15), "2:00 PM", "", "New York meeting")} << 1
            << QStringList{"VJOURNAL \"Notes of the week\"", "VEVENT \"Broken start\": no readable date"}
            << 0;
    }
    void samplesImport() {
        QFETCH(QString, file);
        QFETCH(QList<IcalTask>, expected);
        QFETCH(int, count);
        QFETCH(QStringList, notUnderstood);
        QFETCH(int, cut);
        IcalReading reading;
        QString error;
        QVERIFY2(readICalendarFile(file, reading, &error), qPrintable(error));
        QCOMPARE(reading.tasks.size(), count);
        const QList<IcalTask> tasks = sorted(reading.tasks);
        QCOMPARE(tasks.mid(0, expected.size()), expected);
        QCOMPARE(reading.notUnderstood, notUnderstood);
        QCOMPARE(reading.cutRepeats, cut);
    }

    void importTwiceAddsNothing() {
        IcalReading reading;
        QString error;
        QVERIFY(readICalendarFile(sample("desktopsuite.ics"), reading, &error));
        TaskTable store, nonday;
        setUpStoreTable(store);
        setUpNondayTable(nonday);
        ImportPlan first = planImport(reading, store, nonday);
        QCOMPARE(first.toAdd.size(), 27);
        addImported(first, store, nonday);
        sortStore(store);
        QCOMPARE(store.rowCount(), 27);
        QCOMPARE(nonday.rowCount(), 2); // the empty row took the task
        QCOMPARE(store.cell(StoreKey, 1), storeKey(day(2024, 3, 20), 100));

        const ImportPlan second = planImport(reading, store, nonday);
        QVERIFY(second.toAdd.isEmpty());
        QCOMPARE(second.duplicates, 27);
        QCOMPARE(importSummary(second),
                 QStringLiteral("No task will be added.\n"
                                "27 tasks are skipped because an equal task already exists.\n"
                                "1 repeating item was cut at 7400 days or 7401 occurrences."));
    }

    void summaryCountsWhatItAddsAndLeaves() {
        TaskTable store, nonday;
        fill(store, nonday, {dated(day(2024, 3, 15), "9:00:00 AM", "Work", "Call")});
        IcalReading reading;
        reading.tasks = {
            dated(day(2024, 3, 15), "9:00 AM", "Work", "Call"), // the same time, written otherwise
            dated(day(2024, 3, 15), "9:00 AM", "Work", "Call back"),
            dated(day(2024, 3, 15), "9:00 AM", "Work", "Call back"), // twice in the file
            undated("", "Paint")};
        reading.notUnderstood = {"VJOURNAL \"Notes\""};
        const ImportPlan plan = planImport(reading, store, nonday);
        QCOMPARE(plan.toAdd.size(), 2);
        QCOMPARE(importSummary(plan),
                 QStringLiteral("2 tasks will be added: 1 date oriented, 1 non-date oriented.\n"
                                "2 tasks are skipped because an equal task already exists.\n"
                                "1 item was not understood:"));
    }

    void badInputIsReportedOrBounded_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("reads");
        QTest::addColumn<QString>("firstWhat"); // of the sorted tasks, when it reads

        const QByteArray event =
            "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\nBEGIN:VEVENT\r\nUID:1\r\n"
            "DTSTAMP:20240301T090000Z\r\nDTSTART:20240315T090000\r\nSUMMARY:Caf\xc3\xa9\r\n"
            "END:VEVENT\r\nEND:VCALENDAR\r\n";
        QTest::newRow("empty") << QByteArray() << false << "";
        QTest::newRow("plain text") << QByteArray("Dear Anna,\nsee you at nine.\n") << false << "";
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << false << "";
        QTest::newRow("grid file") << QByteArray("6,2\r\ncw 0,110\r\n0,1,36526.101\r\n") << false << "";
        QTest::newRow("cut in the middle") << event.left(event.indexOf("SUMMARY")) << false << "";
        const QByteArray two = QByteArray(event).replace("END:VCALENDAR\r\n", "") +
                               QByteArray(event).mid(event.indexOf("BEGIN:VEVENT")).replace("Caf", "Tea");
        QTest::newRow("cut in the second event") << two.left(two.lastIndexOf("SUMMARY")) << false << "";
        QTest::newRow("Windows-1252")
            << QByteArray(event).replace("Caf\xc3\xa9", "Caf\xe9") << true << QStringLiteral("Café");
        const QString text = QString::fromUtf8(event);
        QByteArray utf16("\xff\xfe");
        utf16.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        QTest::newRow("UTF-16") << utf16 << true << QStringLiteral("Café");
        QTest::newRow("nul inside") << QByteArray(event).insert(20, '\0') << false << "";
    }
    void badInputIsReportedOrBounded() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, reads);
        QFETCH(QString, firstWhat);
        IcalReading reading;
        QString error;
        QCOMPARE(readICalendar(bytes, reading, &error), reads);
        if (!reads) {
            QCOMPARE(error, QStringLiteral("The text holds no iCalendar data."));
            return;
        }
        if (!firstWhat.isEmpty()) {
            QCOMPARE(reading.tasks.size(), 1);
            QCOMPARE(reading.tasks[0].what, firstWhat);
        }
    }

    // A rule that can never match, as well as one without end: nothing hangs, the result is bounded.
    void absurdRepeatsAreBounded() {
        IcalReading reading;
        QString error;
        QVERIFY(readICalendarFile(sample("absurd.ics"), reading, &error));
        QCOMPARE(reading.cutRepeats, 2);
        QCOMPARE(reading.tasks.size(), 2 * repeatMaxOccurrences);
        QCOMPARE(reading.notUnderstood,
                 QStringList{"VEVENT \"Thirtieth of February\": repeat rule not understood"});
        const auto [low, high] =
            std::minmax_element(reading.tasks.begin(), reading.tasks.end(),
                                [](const IcalTask &a, const IcalTask &b) { return a.day < b.day; });
        QCOMPARE(low->day, day(2024, 1, 1));
        QCOMPARE(high->day, day(2024, 1, 1) + repeatSpanDays);
    }

    void missingFileIsReported() {
        IcalReading reading;
        QString error;
        QVERIFY(!readICalendarFile("/nonexistent/tasks.ics", reading, &error));
        QVERIFY(error.startsWith("Could not read /nonexistent/tasks.ics: "));
    }
};

QTEST_MAIN(TestICalendar)
#include "tst_icalendar.moc"
