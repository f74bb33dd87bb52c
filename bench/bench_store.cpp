// The task store at 100,000 tasks over ten years (about 10 MB of grid.grd): load, save, the full sort
// after every change, and the day lookups a repaint of the four calendars makes.

#include "generatedstore.h"
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
using namespace corvane::bench;

namespace {

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
