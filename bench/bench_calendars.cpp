// Full repaint of the four month calendars over a store of 100,000 tasks, rendered offscreen.

#include "calendar/daycellpainter.h"
#include "calendar/monthcalendar.h"
#include "store/daynumber.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <array>
#include <memory>

using namespace corvane;

namespace {

// 100,000 tasks, 100 a day over 1,000 days around the shown months; most days all done, so the
// not-done query runs through every row of the day before the done query answers.
TaskTable bigStore() {
    const int tasks = 100000;
    const int perDay = 100;
    const int firstDay = dayNumber(QDate(2026, 12, 11)) - 500;
    TaskTable store(6, tasks + 1);
    store.setRowCells(0, {"Key", "Time", "Category", "What", "Done", "Alarm"});
    for (int i = 0; i < tasks; ++i) {
        const int day = firstDay + i / perDay;
        const bool pending = day % 3 == 0 && i % perDay == perDay - 1;
        store.setRowCells(i + 1, {storeKey(day, 101 + i % perDay), "9:00 AM", i % 2 ? "Work" : "Home", "task",
                                  pending ? "No" : "Yes", "No"});
    }
    return store;
}

void BM_RepaintFourCalendars(benchmark::State &state) {
    const TaskTable store = bigStore();
    DayCellSource source;
    source.store = &store;
    source.palette = {
        {Qt::lightGray, Qt::black}, {Qt::yellow, Qt::red}, {Qt::darkGreen, Qt::white}, {Qt::white, Qt::blue}};
    source.isHoliday = [](const QDate &date) { return date.month() == 12 && date.day() == 25; };
    source.filter = [](const QString &, const QString &category) {
        return category != QLatin1String("Hidden");
    };

    std::array<std::unique_ptr<MonthCalendar>, 4> calendars;
    for (int i = 0; i < 4; ++i) {
        calendars[i] = std::make_unique<MonthCalendar>();
        calendars[i]->resize(139, 141);
        calendars[i]->setDate(QDate(2026, 11, 11).addMonths(i));
        MonthCalendar *calendar = calendars[i].get();
        QObject::connect(calendar, &MonthCalendar::drawCell,
                         [&source, i](QPainter *painter, const CalendarCell &cell, bool *useDefaultDrawing) {
                             *useDefaultDrawing = paintDayCell(*painter, cell, i == 1, source);
                         });
    }
    QImage image(278, 282, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        for (int i = 0; i < 4; ++i)
            calendars[i]->render(&painter, QPoint((i % 2) * 139, (i / 2) * 141));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RepaintFourCalendars)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
