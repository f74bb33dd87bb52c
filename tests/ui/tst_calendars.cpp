#include "alarms/timerpool.h"
#include "app/dayview.h"
#include "app/main.h"
#include "app/program.h"
#include "calendar/datenavigator.h"
#include "store/clock.h"
#include "store/daynumber.h"
#include "testsupport.h"
#include "widgets/shadowlabel.h"
#include "widgets/taskgrid.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTest>
#include <QTreeWidget>

using namespace corvane;

namespace {

void settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents();
}

// The colour in the middle of the left half of a day cell, away from the day number.
QColor cellColour(MonthCalendar *calendar, const QDate &date, int fromLeft = 2) {
    const QImage image = calendar->grab().toImage();
    for (int id = 1; id <= 42; ++id)
        if (calendar->dateOfCell(id) == date) {
            const QRect cell = calendar->cellRect(id);
            return image.pixelColor(cell.left() + fromLeft, cell.center().y());
        }
    return {};
}

void moveMouse(MonthCalendar *calendar, const QPoint &pos) {
    QMouseEvent move(QEvent::MouseMove, pos, calendar->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(calendar, &move);
}

QPoint centreOf(MonthCalendar *calendar, const QDate &date) {
    for (int id = 1; id <= 42; ++id)
        if (calendar->dateOfCell(id) == date)
            return calendar->cellRect(id).center();
    return {};
}

const QColor Red(255, 0, 0);
const QColor Aqua(0, 255, 255);

} // namespace

class CalendarsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinFormats("en_US"); }
    void init();
    void cleanup();

    void firstShowingCentresOnToday();
    void clickingACalendarMakesItCurrent();
    void monthsFollowWithClamping();
    void cellsAreColouredByTheirTasks();
    void highlightedDaysByShortcut();
    void arrowKeysMoveTheDay();
    void pageKeysWinOverTheMemo();
    void enterWithModifierEditsTheFocusedList();
    void todayFromTheLastCalendar();
    void doubleClickAddsOrEdits();
    void helpAndHomePage();
    void hoverSummaryOverTheOtherColumn();
    void calendarsFitTheSplitter();
    void resizeCommandFlashesAndPoints();

private:
    void addTask(const QDate &date, const QString &time, const QString &category, const QString &done);
    MonthCalendar *current() const { return main->currentCalendar; }

    std::unique_ptr<test::Sandbox> sandbox;
    std::unique_ptr<test::FakePrompter> prompts;
    std::unique_ptr<test::ModalScript> modal;
    std::unique_ptr<Program> program;
    TfrmMain *main = nullptr;
};

void CalendarsTest::init() {
    setNow(QDateTime(QDate(2000, 3, 15), QTime(10, 30)));
    sandbox = std::make_unique<test::Sandbox>();
    prompts = std::make_unique<test::FakePrompter>();
    modal = std::make_unique<test::ModalScript>();
    program = std::make_unique<Program>();
    main = &program->main();
    program->start();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QApplication::setActiveWindow(main);
    settle();
}

void CalendarsTest::cleanup() {
    program.reset();
    modal.reset();
    prompts.reset();
    sandbox.reset();
    setNow(QDateTime());
}

void CalendarsTest::addTask(const QDate &date, const QString &time, const QString &category,
                            const QString &done) {
    TaskTable &store = main->gridStore;
    const int row = store.rowCount();
    store.insertRows(row, 1);
    store.setRowCells(row, {storeKey(dayNumber(date), 100 + row), time, category, "task", done, "No"});
    sortStore(store);
}

void CalendarsTest::firstShowingCentresOnToday() {
    QCOMPARE(current(), main->cal2);
    QCOMPARE(main->cal1->date(), QDate(2000, 2, 15));
    QCOMPARE(main->cal2->date(), QDate(2000, 3, 15));
    QCOMPARE(main->cal3->date(), QDate(2000, 4, 15));
    QCOMPARE(main->cal4->date(), QDate(2000, 5, 15));
    QCOMPARE(main->nav->date(), QDate(2000, 3, 15));
    QCOMPARE(main->cal2->bevel(), MonthCalendar::Bevel::Raised);
    QCOMPARE(main->cal1->bevel(), MonthCalendar::Bevel::Lowered);
    QCOMPARE(main->statusText(), QString("Today is Wednesday, March 15, 2000 10:30 AM"));
    setNow(QDateTime(QDate(2000, 3, 15), QTime(10, 31)));
    main->timerPoolAllTriggers(main->clockTrigger, 1000);
    QCOMPARE(main->statusText(), QString("Today is Wednesday, March 15, 2000 10:31 AM"));
}

void CalendarsTest::clickingACalendarMakesItCurrent() {
    QTest::mouseClick(main->cal3, Qt::LeftButton, {}, centreOf(main->cal3, QDate(2000, 4, 20)));
    QCOMPARE(current(), main->cal3);
    QCOMPARE(main->selectedDate().date(), QDate(2000, 4, 20));
    QCOMPARE(main->nav->date(), QDate(2000, 4, 20));
    QCOMPARE(main->cal3->bevel(), MonthCalendar::Bevel::Raised);
    QCOMPARE(main->cal2->bevel(), MonthCalendar::Bevel::Lowered);
    QVERIFY(main->lblDate->text().contains("4/20/2000"));

    // Another day of the current calendar: the day view follows, the bevels stay.
    QTest::mouseClick(main->cal3, Qt::LeftButton, {}, centreOf(main->cal3, QDate(2000, 4, 3)));
    QCOMPARE(main->selectedDate().date(), QDate(2000, 4, 3));
    QCOMPARE(main->cal3->bevel(), MonthCalendar::Bevel::Raised);
    QCOMPARE(main->cal2->date(), QDate(2000, 3, 15));

    // A day of the next month shown in the last row moves the months on.
    QTest::mouseClick(main->cal1, Qt::LeftButton, {}, centreOf(main->cal1, QDate(2000, 3, 4)));
    QCOMPARE(current(), main->cal1);
    QCOMPARE(main->cal1->date(), QDate(2000, 3, 4));
    QCOMPARE(main->cal4->date(), QDate(2000, 6, 4));
}

void CalendarsTest::monthsFollowWithClamping() {
    QTest::mouseClick(main->cal3, Qt::LeftButton, {}, centreOf(main->cal3, QDate(2000, 4, 20)));
    main->cal3->setDate(QDate(2000, 3, 31));
    QCOMPARE(main->cal1->date(), QDate(2000, 1, 29));
    QCOMPARE(main->cal2->date(), QDate(2000, 2, 29));
    QCOMPARE(main->cal4->date(), QDate(2000, 4, 30));
    QCOMPARE(main->nav->date(), QDate(2000, 3, 31));

    // The navigator moves the current calendar.
    main->nav->stepMonths(1);
    QCOMPARE(main->cal3->date(), QDate(2000, 4, 30));
    QCOMPARE(main->cal1->date(), QDate(2000, 2, 29));
    QCOMPARE(main->selectedDate().date(), QDate(2000, 4, 30));
}

void CalendarsTest::cellsAreColouredByTheirTasks() {
    addTask(QDate(2000, 3, 10), "9:00 AM", "Home", "Yes");
    addTask(QDate(2000, 3, 10), "10:00 AM", "Home", "No");
    addTask(QDate(2000, 3, 11), "9:00 AM", "Home", "Yes");
    addTask(QDate(2000, 3, 12), "9:00 AM", "Secret", "No");
    addTask(QDate(2000, 2, 28), "9:00 AM", "Home", "No");
    addTask(QDate(2000, 2, 15), "9:00 AM", "Home", "No");
    addTask(QDate(2000, 3, 15), "9:00 AM", "Home", "No");
    main->rowFilter = [](const QString &, const QString &category) { return category != "Secret"; };
    main->ColorAllCalendars(true);

    const QColor plain = main->cal2->palette().color(QPalette::Button);
    QCOMPARE(cellColour(main->cal2, QDate(2000, 3, 10)), Red);
    QCOMPARE(cellColour(main->cal2, QDate(2000, 3, 11)), Aqua);
    QCOMPARE(cellColour(main->cal2, QDate(2000, 3, 12)), plain);
    QCOMPARE(cellColour(main->cal2, QDate(2000, 3, 13)), plain);
    // 28 February shows in March's first row, uncoloured; in February it is coloured.
    QCOMPARE(cellColour(main->cal2, QDate(2000, 2, 28)), plain);
    QCOMPARE(cellColour(main->cal1, QDate(2000, 2, 28)), Red);
    // The selected day of a calendar that is not current is painted like any other day; that of the
    // current calendar is framed in the palette's highlight around its task colour.
    QCOMPARE(cellColour(main->cal1, QDate(2000, 2, 15)), Red);
    QCOMPARE(main->cal2->selectedColor(), main->palette().color(QPalette::Highlight));
    QCOMPARE(cellColour(main->cal2, QDate(2000, 3, 15)), main->cal2->selectedColor());
    const QImage image = main->cal2->grab().toImage();
    const QRect cell = main->cal2->cellRect(main->cal2->cellAt(centreOf(main->cal2, QDate(2000, 3, 15))));
    QCOMPARE(image.pixelColor(cell.left() + 3, cell.bottom() - 3), Red); // below the day number
}

void CalendarsTest::highlightedDaysByShortcut() {
    addTask(QDate(2000, 3, 10), "9:00 AM", "Home", "No");
    addTask(QDate(2000, 3, 12), "9:00 AM", "Home", "Yes");
    addTask(QDate(2000, 4, 2), "9:00 AM", "Home", "No");
    main->cal2->setDate(QDate(2000, 3, 10));
    main->gridDay->setFocus();
    QTest::keyClick(main, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(main->selectedDate().date(), QDate(2000, 3, 12));
    QTest::keyClick(main, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(main->selectedDate().date(), QDate(2000, 4, 2));
    QCOMPARE(main->cal1->date(), QDate(2000, 3, 2));
    QTest::keyClick(main, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(main->selectedDate().date(), QDate(2000, 4, 2));
    QTest::keyClick(main, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(main->selectedDate().date(), QDate(2000, 3, 12));
}

void CalendarsTest::arrowKeysMoveTheDay() {
    addTask(QDate(2000, 3, 15), "9:00 AM", "Home", "No");
    addTask(QDate(2000, 3, 15), "10:00 AM", "Home", "No");
    main->cal1DateChange();
    main->gridDay->setFocus();
    main->gridDay->setRow(2);
    QTest::keyClick(main->gridDay, Qt::Key_Left);
    QCOMPARE(main->selectedDate().date(), QDate(2000, 3, 14));
    QTest::keyClick(main->gridDay, Qt::Key_Right);
    QCOMPARE(main->selectedDate().date(), QDate(2000, 3, 15));
    // On the second task row Up moves within the list; on the first it moves a week back.
    main->gridDay->setRow(2);
    QTest::keyClick(main->gridDay, Qt::Key_Up);
    QCOMPARE(main->selectedDate().date(), QDate(2000, 3, 15));
    QCOMPARE(main->gridDay->row(), 1);
    QTest::keyClick(main->gridDay, Qt::Key_Up);
    QCOMPARE(main->selectedDate().date(), QDate(2000, 3, 8));
    // A day with one task: Down moves a week on at once.
    QTest::keyClick(main->gridDay, Qt::Key_Down);
    QCOMPARE(main->selectedDate().date(), QDate(2000, 3, 15));
    QCOMPARE(main->statusText(), QString("Today is Wednesday, March 15, 2000"));

    // In the memo the arrows move the caret.
    main->memWhat->show();
    main->memWhat->setPlainText("abc");
    main->memWhat->setFocus();
    QTest::keyClick(main->memWhat, Qt::Key_Left);
    QCOMPARE(main->selectedDate().date(), QDate(2000, 3, 15));
}

void CalendarsTest::pageKeysWinOverTheMemo() {
    main->memWhat->show();
    main->memWhat->setPlainText("line\nline\nline");
    main->memWhat->setFocus();
    QTest::keyClick(main->memWhat, Qt::Key_PageDown);
    QCOMPARE(main->selectedDate().date(), QDate(2000, 4, 15));
    QTest::keyClick(main->memWhat, Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(main->selectedDate().date(), QDate(1999, 4, 15));
    QCOMPARE(main->cal1->date(), QDate(1999, 3, 15));
    QCOMPARE(main->cal4->date(), QDate(1999, 6, 15));
}

void CalendarsTest::enterWithModifierEditsTheFocusedList() {
    main->gridNonday->table().setRowCells(1, {"Home", "Paint the fence", "No"});
    main->gridNonday->setFocus();
    main->gridNonday->setRow(1);
    QTest::keyClick(main->gridNonday, Qt::Key_Return);
    QCOMPARE(modal->shown.size(), 0);
    modal->then([](QDialog &) { return int(QDialog::Rejected); });
    QTest::keyClick(main->gridNonday, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(modal->shown.size(), 1);
}

void CalendarsTest::todayFromTheLastCalendar() {
    QTest::mouseClick(main->cal4, Qt::LeftButton, {}, centreOf(main->cal4, QDate(2000, 5, 20)));
    QCOMPARE(current(), main->cal4);
    QTest::keyClick(main, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(current(), main->cal2);
    QCOMPARE(main->cal2->date(), QDate(2000, 3, 15));
    QCOMPARE(main->cal1->date(), QDate(2000, 2, 15));
    QCOMPARE(main->cal4->date(), QDate(2000, 5, 15));
    QCOMPARE(main->cal2->bevel(), MonthCalendar::Bevel::Raised);
    QCOMPARE(main->cal4->bevel(), MonthCalendar::Bevel::Lowered);
    QCOMPARE(main->previousCalendar, main->cal2);
    QCOMPARE(main->selectedDate().date(), QDate(2000, 3, 15));
}

void CalendarsTest::doubleClickAddsOrEdits() {
    QStringList shownOn;
    const auto record = [&](QDialog &) {
        shownOn << main->selectedDate().date().toString(Qt::ISODate);
        return int(QDialog::Rejected);
    };
    modal->then(record);
    QTest::mouseDClick(main->cal3, Qt::LeftButton, {}, centreOf(main->cal3, QDate(2000, 4, 20)));
    QCOMPARE(shownOn, QStringList{"2000-04-20"});
    QCOMPARE(current(), main->cal3);

    addTask(QDate(2000, 4, 21), "9:00 AM", "Home", "No");
    modal->then(record);
    QTest::mouseClick(main->cal1, Qt::LeftButton, {}, centreOf(main->cal1, QDate(2000, 2, 21)));
    main->cal1->setDate(QDate(2000, 4, 21));
    QTest::mouseDClick(main->cal1, Qt::LeftButton, {}, centreOf(main->cal1, QDate(2000, 4, 21)));
    QCOMPARE(shownOn, (QStringList{"2000-04-20", "2000-04-21"}));

    // A grey day of the next month: its first press turns cal1 to March, the editor still opens on it.
    main->cal1->setDate(QDate(2000, 2, 10));
    modal->then(record);
    QTest::mouseDClick(main->cal1, Qt::LeftButton, {}, centreOf(main->cal1, QDate(2000, 3, 9)));
    QCOMPARE(shownOn.value(2), QString("2000-03-09"));
    QCOMPARE(main->cal1->date(), QDate(2000, 3, 9));
    QCOMPARE(modal->unexpected, QStringList());
}

void CalendarsTest::helpAndHomePage() {
    main->Help2->trigger();
    QCOMPARE(prompts->openedUrls.size(), 1);
    QCOMPARE(prompts->openedUrls[0].fileName(), QString("corvane.html"));
    QCOMPARE(prompts->openedUrls[0].fragment(), QString("Corvane"));
    QVERIFY(prompts->errors.isEmpty());
    prompts->openUrlAnswer = false;
    main->HalveringHomePage1->trigger();
    QCOMPARE(prompts->openedUrls.value(1), QUrl("https://www.halvering.example/"));
    QCOMPARE(prompts->errors, QStringList{"Couldn't open web browser for home page"});
    main->Help2->trigger();
    QCOMPARE(prompts->errors.value(1), QString("Couldn't open web browser for help"));
}

void CalendarsTest::hoverSummaryOverTheOtherColumn() {
    addTask(QDate(2000, 3, 20), "9:00 AM", "Work", "No");
    addTask(QDate(2000, 3, 20), "1:30 PM", "Home", "No");
    addTask(QDate(2000, 3, 20), "3:00 PM", "Home", "Yes");
    const QPoint at = centreOf(main->cal2, QDate(2000, 3, 20));
    moveMouse(main->cal2, at);
    moveMouse(main->cal2, at + QPoint(1, 0));
    for (int tick = 0; tick < 10; ++tick)
        main->timerPoolAllTriggers(main->hoverTrigger, 100);
    QVERIFY(main->pnlPop->isVisible());
    QCOMPARE(main->pnlPop->x(), main->cal1->x() + 2);
    QCOMPARE(main->lblPopDate->text(), QString("Mon 3/20/2000"));
    QCOMPARE(main->lblPopWhen->text(), QString("5 days"));
    QStringList lines;
    for (int i = 0; i < main->lbPopup->topLevelItemCount(); ++i)
        lines << main->lbPopup->topLevelItem(i)->text(0) + "|" + main->lbPopup->topLevelItem(i)->text(1);
    QCOMPARE(lines,
             (QStringList{"2| Pending events", "1| Completed events", "|", "9:00 AM|Work", "1:30 PM|Home"}));
    QTest::keyClick(main->gridDay, Qt::Key_Shift);
    QVERIFY(!main->pnlPop->isVisible());

    // Over the left column the panel covers the right one.
    const QPoint left = centreOf(main->cal3, QDate(2000, 4, 3));
    moveMouse(main->cal3, left);
    for (int tick = 0; tick < 10; ++tick)
        main->timerPoolAllTriggers(main->hoverTrigger, 100);
    QVERIFY(main->pnlPop->isVisible());
    QCOMPARE(main->pnlPop->x(), main->cal2->x() + 2);
    QCOMPARE(main->lbPopup->topLevelItem(0)->text(0), QString("No events"));
}

void CalendarsTest::calendarsFitTheSplitter() {
    QCOMPARE(main->cal1->height(), 141);
    QVERIFY(main->nav->isVisible());
    QVERIFY(main->cal1->showWeekdays());

    main->split2->setSizes({180, 270});
    main->split2Resize();
    QCOMPARE(main->cal1->height(), 87);
    QVERIFY(!main->nav->isVisible());
    QVERIFY(!main->cal4->showWeekdays());
    QVERIFY(main->cal4->showLabels());

    main->split2->setSizes({125, 325});
    main->split2Resize();
    QCOMPARE(main->cal1->height(), 60);
    QCOMPARE(main->cal3->font().pointSize(), 6);
    QCOMPARE(main->cal3->selectedFont().pointSize(), 6);
}

void CalendarsTest::resizeCommandFlashesAndPoints() {
    main->DaytoNonDayEvents1->trigger();
    QSplitterHandle *bar = main->split2->handle(1);
    QCOMPARE(QCursor::pos(), bar->mapToGlobal(bar->rect().center()));
    QVERIFY(main->timerPool->isEnabled(main->layoutTrigger));
    QList<QColor> colours;
    while (main->timerPool->isEnabled(main->layoutTrigger) && colours.size() < 20) {
        main->timerPoolAllTriggers(main->layoutTrigger, 40);
        colours << bar->palette().color(QPalette::Window);
    }
    QCOMPARE(colours.size(), 16);
    QCOMPARE(colours[1], QColor(0, 255, 0));
    QCOMPARE(colours[14], main->palette().color(QPalette::Button));
}

QTEST_MAIN(CalendarsTest)
#include "tst_calendars.moc"
