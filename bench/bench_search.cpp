// One Find Next over the 100,000-task store when nothing matches: every row is tested, the worst case.

#include "generatedstore.h"
#include "maintenance/textsearch.h"

#include <benchmark/benchmark.h>

using namespace corvane;
using namespace corvane::bench;

namespace {

const TaskTable &store() {
    static const TaskTable generated = generatedStore();
    return generated;
}

void searchStep(benchmark::State &state, SearchRequest request) {
    const TaskTable &tasks = store();
    TextSearch search;
    for (auto _ : state) {
        search.restart();
        benchmark::DoNotOptimize(search.step(tasks, passAll, request));
    }
    state.counters["rows"] = tasks.rowCount() - 1;
}

} // namespace

BENCHMARK_CAPTURE(searchStep, substring, SearchRequest{"zebra", false, false, true})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(searchStep, match_case, SearchRequest{"zebra", true, false, true})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(searchStep, whole_word, SearchRequest{"zebra", false, true, true})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
