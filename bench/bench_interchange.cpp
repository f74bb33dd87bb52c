// iCalendar export and import of 100,000 date tasks over ten years: the whole file written from the store,
// and read back into an empty store (parse, duplicate test, insertion, sort).

#include "app/dayview.h"
#include "interchange/icalreader.h"
#include "interchange/icalwriter.h"
#include "interchange/importplan.h"
#include "store/daynumber.h"

#include <QDateTime>

#include <benchmark/benchmark.h>

using namespace corvane;

namespace {

constexpr int taskCount = 100'000;

// Every 27th task has two lines, every 5th an alarm, every 3rd is done; about 27 tasks a day.
TaskTable generatedStore() {
    const QStringList categories{"", "Work", "Home", "Errands", "Doctor"};
    const QStringList texts{"Call the bank about the mortgage", "Dentist, Dr. Zoë Brandt",
                            "Buy milk\r\nand bread\r\n", "Send the report to the office", "Pick up the kids"};
    TaskTable store;
    setUpStoreTable(store);
    store.setRowCount(taskCount + 1);
    const int first = dayNumber(QDate(2020, 1, 1));
    for (int i = 0; i < taskCount; ++i) {
        const int day = first + i / 27;
        const QString time = QTime(8 + i % 12, (i % 4) * 15).toString(QStringLiteral("h:mm AP"));
        store.setRowCells(i + 1, {storeKey(day, 101 + i % 27), time, categories[i % 5],
                                  texts[i % 5] + QString::number(i), yesNo(i % 3 == 0), yesNo(i % 5 == 0)});
    }
    sortStore(store);
    return store;
}

const TaskTable &store() {
    static const TaskTable generated = generatedStore();
    return generated;
}

const QByteArray &exported() {
    static const QByteArray bytes =
        writeICalendar(store(), TaskTable(3, 1), IcalSelection(), QDateTime::currentDateTime());
    return bytes;
}

void exportAll(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            writeICalendar(store(), TaskTable(3, 1), IcalSelection(), QDateTime::currentDateTime()));
    state.counters["MB"] = double(exported().size()) / 1e6;
}

void importAll(benchmark::State &state) {
    for (auto _ : state) {
        IcalReading reading;
        QString error;
        if (!readICalendar(exported(), reading, &error))
            state.SkipWithError("unreadable");
        TaskTable target, nonday;
        setUpStoreTable(target);
        setUpNondayTable(nonday);
        const ImportPlan plan = planImport(reading, target, nonday);
        addImported(plan, target, nonday);
        sortStore(target);
        benchmark::DoNotOptimize(target.rowCount());
    }
}

} // namespace

BENCHMARK(exportAll)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(importAll)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
