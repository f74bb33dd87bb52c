// The task store at 100,000 tasks over ten years (about 10 MB of grid.grd): load, save, the full sort
// after every change, and the day lookups a repaint of the four calendars makes.

#include "store/daynumber.h"
#include "store/routines.h"
#include "store/tasktable.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <random>

using namespace corvane;

namespace {

constexpr int taskCount = 100'000;
const QDate firstDay(2020, 1, 1);
constexpr int dayCount = 3653; // ten years

TaskTable newStore() {
    TaskTable store(6, 1);
    const int widths[] = {110, 94, 146, 64, 64, 64};
    for (int c = 0; c < 6; ++c)
        store.setColumnWidth(c, widths[c]);
    store.setColumnCompare(StoreKey, compareStoreKeys);
    return store;
}

// Tasks spread over the days at random, with realistic cells and keys as the day view writes them back
// (101, 102, ... within a day); returned sorted, as the store keeps them.
TaskTable generatedStore() {
    std::mt19937 random(20240501);
    const QStringList categories{"", "Work", "Home", "Errands", "Birthday", "Doctor", "Car", "Garden"};
    const QStringList words{"call",   "the",  "bank",    "about",     "meeting", "with",        "plumber",
                            "buy",    "milk", "renew",   "insurance", "send",    "report",      "to",
                            "office", "pick", "up",      "kids",      "dentist", "appointment", "pay",
                            "rent",   "book", "flights", "for",       "summer"};
    QList<int> tasksOfDay(dayCount);
    for (int task = 0; task < taskCount; ++task)
        ++tasksOfDay[random() % dayCount];
    TaskTable store = newStore();
    store.setRowCount(taskCount + 1);
    int row = 1;
    for (int d = 0; d < dayCount; ++d) {
        for (int n = 0; n < tasksOfDay[d]; ++n, ++row) {
            const int hour = int(random() % 12) + 1;
            const int minute = int(random() % 4) * 15;
            QString what;
            const int length = 2 + int(random() % 7);
            for (int w = 0; w < length; ++w)
                what += (w ? " " : "") + words[random() % words.size()];
            if (random() % 5 == 0)
                what = what + "\r\nsecond line\r\n";
            store.setRowCells(row, {storeKey(dayNumber(firstDay) + d, 101 + n),
                                    QStringLiteral("%1:%2 %3")
                                        .arg(hour)
                                        .arg(minute, 2, 10, QLatin1Char('0'))
                                        .arg(random() % 2 ? "AM" : "PM"),
                                    categories[random() % categories.size()], what, yesNo(random() % 3 == 0),
                                    yesNo(random() % 4 == 0)});
        }
    }
    store.sort();
    return store;
}

struct Fixture {
    QTemporaryDir dir;
    QString file;
    qint64 fileSize = 0;
    TaskTable store;

    Fixture() : file(dir.filePath("grid.grd")), store(generatedStore()) {
        if (!store.save(file))
            std::fprintf(stderr, "Could not write %s\n", qPrintable(file));
        fileSize = QFileInfo(file).size();
    }
};

Fixture &fixture() {
    static Fixture f;
    return f;
}

long residentBytes() {
    long pages = 0, resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

void BM_LoadedMemory(benchmark::State &state) {
    Fixture &f = fixture();
    for (auto _ : state) {
        malloc_trim(0);
        const long residentBefore = residentBytes();
        const size_t heapBefore = mallinfo2().uordblks;
        auto *store = new TaskTable(newStore());
        benchmark::DoNotOptimize(store->load(f.file));
        malloc_trim(0);
        state.counters["resident_per_file_byte"] = double(residentBytes() - residentBefore) / f.fileSize;
        state.counters["heap_per_file_byte"] = double(mallinfo2().uordblks - heapBefore) / f.fileSize;
        state.counters["file_MB"] = f.fileSize / 1e6;
        delete store;
    }
}
BENCHMARK(BM_LoadedMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State &state) {
    Fixture &f = fixture();
    for (auto _ : state) {
        TaskTable store = newStore();
        benchmark::DoNotOptimize(store.load(f.file));
    }
    state.SetBytesProcessed(state.iterations() * f.fileSize);
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State &state) {
    Fixture &f = fixture();
    const QString file = f.dir.filePath("saved.grd");
    for (auto _ : state)
        benchmark::DoNotOptimize(f.store.save(file));
    state.SetBytesProcessed(state.iterations() * f.fileSize);
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

// The part of a save that is not the disk's.
void BM_GridBytes(benchmark::State &state) {
    Fixture &f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(f.store.toGridBytes());
}
BENCHMARK(BM_GridBytes)->Unit(benchmark::kMillisecond);

// After an insert at row 1 (a rescheduled or recurring task), the whole store is sorted again.
void BM_SortAfterInsert(benchmark::State &state) {
    Fixture &f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        TaskTable store = f.store;
        store.insertRows(1, 1);
        store.setRowCells(
            1, {storeKey(dayNumber(firstDay) + 1000, 100), "9:00 AM", "Work", "moved", "No", "No"});
        state.ResumeTiming();
        store.sort();
    }
}
BENCHMARK(BM_SortAfterInsert)->Unit(benchmark::kMillisecond);

void BM_SortShuffled(benchmark::State &state) {
    Fixture &f = fixture();
    TaskTable shuffled = f.store;
    std::mt19937 random(7);
    for (int row = shuffled.rowCount() - 1; row > 1; --row)
        shuffled.moveRow(row, 1 + int(random() % row));
    for (auto _ : state) {
        state.PauseTiming();
        TaskTable store = shuffled;
        state.ResumeTiming();
        store.sort();
    }
}
BENCHMARK(BM_SortShuffled)->Unit(benchmark::kMillisecond);

// What one repaint of the four month calendars asks: the first row and the status of every day shown.
void BM_FourMonthsOfDayStatus(benchmark::State &state) {
    Fixture &f = fixture();
    const int first = dayNumber(QDate(2024, 3, 1));
    const int days = dayNumber(QDate(2024, 7, 1)) - first;
    const RowFilter filter = [](const QString &done, const QString &category) {
        return done == QLatin1String("No") || category != QLatin1String("Car");
    };
    for (auto _ : state) {
        for (int day = first; day < first + days; ++day) {
            benchmark::DoNotOptimize(firstRowOfDay(f.store, day, filter));
            int row = -1;
            benchmark::DoNotOptimize(dayStatus(f.store, day, true, true, filter, &row));
        }
    }
    state.counters["per_day"] =
        benchmark::Counter(days, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FourMonthsOfDayStatus)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
