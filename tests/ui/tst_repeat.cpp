#include "app/main.h"
#include "app/program.h"
#include "editing/edit.h"
#include "recurrence/recur.h"
#include "store/clock.h"
#include "store/daynumber.h"
#include "store/programfolder.h"
#include "testsupport.h"
#include "widgets/taskgrid.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <sys/inotify.h>
#include <unistd.h>

#include <memory>

using namespace corvane;

namespace {

const QDate today(2000, 3, 15);
// Two lines as the editor stores them, each ending in CR LF.
const QString notes = QStringLiteral("Café with Zoë, \"the usual\"\r\nBring the book\r\n");

// Counts how often a file of a folder is written whole: replaced by a rename or written and closed.
class FileWrites {
public:
    explicit FileWrites(const QString &fileName)
        : m_name(QFileInfo(fileName).fileName()), m_fd(inotify_init1(IN_NONBLOCK)) {
        inotify_add_watch(m_fd, QFile::encodeName(QFileInfo(fileName).absolutePath()).constData(),
                          IN_MOVED_TO | IN_CLOSE_WRITE);
    }
    ~FileWrites() { close(m_fd); }
    int count() {
        alignas(inotify_event) char buffer[8192];
        ssize_t length;
        while ((length = read(m_fd, buffer, sizeof buffer)) > 0) {
            for (char *p = buffer; p < buffer + length;) {
                const auto *event = reinterpret_cast<const inotify_event *>(p);
                if (event->len > 0 && QString::fromLocal8Bit(event->name) == m_name)
                    ++m_count;
                p += sizeof(inotify_event) + event->len;
            }
        }
        return m_count;
    }

private:
    QString m_name;
    int m_fd;
    int m_count = 0;
};

} // namespace

class RepeatFlowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinFormats("en_US"); }
    void init();
    void cleanup();

    void weeklyRepeatFromTheEditor();
    void cancelLeavesTheStoreAlone();

private:
    std::unique_ptr<test::Sandbox> sandbox;
    std::unique_ptr<test::FakePrompter> prompts;
    std::unique_ptr<test::ModalScript> modal;
    std::unique_ptr<Program> program;
    TfrmMain *main = nullptr;
};

void RepeatFlowTest::init() {
    setNow(QDateTime(today, QTime(10, 30)));
    sandbox = std::make_unique<test::Sandbox>();
    prompts = std::make_unique<test::FakePrompter>();
    modal = std::make_unique<test::ModalScript>();
    program = std::make_unique<Program>();
    main = &program->main();
    program->start();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    main->gridDay->table().setRowCells(1, {"9:00 AM", "Health", notes, "No", "Yes"});
    main->writeToStore(dayNumber(today));
}

void RepeatFlowTest::cleanup() {
    QVERIFY2(modal->unexpected.isEmpty(), qPrintable(modal->unexpected.join(", ")));
    program.reset();
    modal.reset();
    prompts.reset();
    sandbox.reset();
    setNow(QDateTime());
}

// Editor, Repeat, weekly on Monday and Thursday, Preview, two lines deleted, OK, Yes.
void RepeatFlowTest::weeklyRepeatFromTheEditor() {
    const QStringList original = main->gridStore.rowCells(1);
    QList<QDate> kept;
    QString caption;
    modal->then([&](QDialog &dialog) {
        auto &editor = static_cast<TfrmEdit &>(dialog);
        editor.show();
        if (!editor.btRepeat->isVisible() || !editor.btRepeat->isEnabled())
            return int(QDialog::Accepted);
        // The editor's own change is dropped once the copies are stored.
        QTest::keyClicks(editor.memMain, " today");
        modal->then([&](QDialog &repeatDialog) {
            auto &recur = static_cast<TfrmRecur &>(repeatDialog);
            recur.show();
            caption = recur.windowTitle();
            recur.rbWeekly->click();
            recur.date2->setDate(QDate(2000, 4, 21));
            recur.cbWMon->setChecked(true);
            recur.cbWThu->setChecked(true);
            recur.btPreview->click();
            recur.ListBox1->item(1)->setSelected(true);
            recur.ListBox1->item(4)->setSelected(true);
            recur.btDelete->click();
            kept = recur.previewDates();
            prompts->confirmAnswers = {true};
            recur.btOK->click();
            return recur.result();
        });
        editor.btRepeat->click();
        return editor.result();
    });
    FileWrites writes(besideProgram("grid.grd"));
    main->btEditClick(main->tbEdit1);

    QCOMPARE(modal->shown.size(), 2);
    QCOMPARE(caption, QString("Repeating event for Café with Zoë, \"the usual\"\r\nBring t..."));
    QCOMPARE(prompts->questions, QStringList{"Really add 9 events to the calendar?"});
    QCOMPARE(kept.size(), 9);
    QVERIFY(!kept.contains(QDate(2000, 3, 20)));
    QVERIFY(!kept.contains(QDate(2000, 3, 30)));
    QCOMPARE(writes.count(), 1);

    // The store and grid.grd hold the task as it was and one copy on each remaining date.
    TaskTable onDisk;
    QVERIFY(onDisk.load(besideProgram("grid.grd")));
    for (const TaskTable *table : {&main->gridStore, &onDisk}) {
        QCOMPARE(table->rowCount(), 1 + 1 + 9);
        QCOMPARE(table->rowCells(1), original);
        for (int i = 0; i < kept.size(); ++i)
            QCOMPARE(table->rowCells(2 + i),
                     (QStringList{storeKey(dayNumber(kept[i]), 100), "9:00 AM", "Health",
                                  QString(notes).replace("book", "book today"), "No", "Yes"}));
    }
    QCOMPARE(main->gridDay->table().rowCells(1), (QStringList{"9:00 AM", "Health", notes, "No", "Yes"}));

    // The calendars show the remaining dates as pending, and the deleted ones plain.
    const DayCellSource source = main->dayCellSource();
    const auto shade = [&](const QDate &date) {
        return cellShade(
            main->gridStore, dayNumber(date), source.options, [] { return false; }, passAll);
    };
    for (const QDate &date : kept)
        QCOMPARE(shade(date), CellShade::NotDone);
    QCOMPARE(shade(QDate(2000, 3, 20)), CellShade::Plain);
    QCOMPARE(shade(QDate(2000, 3, 30)), CellShade::Plain);
}

void RepeatFlowTest::cancelLeavesTheStoreAlone() {
    modal->then([this](QDialog &dialog) {
        auto &editor = static_cast<TfrmEdit &>(dialog);
        editor.show();
        modal->then([](QDialog &repeatDialog) {
            auto &recur = static_cast<TfrmRecur &>(repeatDialog);
            recur.show();
            recur.rbDaily->click();
            recur.btPreview->click();
            recur.btCancel->click();
            return recur.result();
        });
        editor.btRepeat->click();
        // Back in the editor, which stays open.
        if (editor.result() != 0 || !editor.isVisible())
            return int(QDialog::Accepted);
        editor.btCancel->click();
        return editor.result();
    });
    const QByteArray before = test::readFile(besideProgram("grid.grd"));
    main->btEditClick(main->tbEdit1);
    QCOMPARE(modal->shown.size(), 2);
    QCOMPARE(main->gridStore.rowCount(), 2);
    QCOMPARE(test::readFile(besideProgram("grid.grd")), before);
}

QTEST_MAIN(RepeatFlowTest)
#include "tst_repeat.moc"
