// The holiday lookup as a repaint of the four calendars asks it: 168 day cells over a table of 200 rules,
// evaluated rule by rule and through the per-year cache.

#include "holidays/holidaylookup.h"
#include "holidays/holidayrules.h"
#include "store/dateformats.h"

#include <QDate>
#include <QLocale>

#include <benchmark/benchmark.h>

using namespace corvane;

namespace {

constexpr int ruleCount = 200;
constexpr int cellCount = 4 * 42;
const QDate firstCell(2024, 10, 28);

TaskTable generatedRules() {
    setFormats(FormatSettings::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates)));
    TaskTable table = newHolidayTable();
    table.setRowCount(ruleCount + 1);
    const QStringList &months = formats().longMonthNames;
    for (int row = 1; row <= ruleCount; ++row) {
        const QString day = row % 3 ? QString::number(row % 28 + 1) : QStringLiteral("Third : Monday");
        table.setRowCells(row, {QStringLiteral("Holiday %1").arg(row), QString(), months[row % 12], day});
    }
    return table;
}

void BM_RepaintRuleByRule(benchmark::State &state) {
    const TaskTable table = generatedRules();
    for (auto _ : state)
        for (int cell = 0; cell < cellCount; ++cell)
            benchmark::DoNotOptimize(holidayName(table, firstCell.addDays(cell)));
}
BENCHMARK(BM_RepaintRuleByRule)->Unit(benchmark::kMillisecond);

void BM_RepaintCached(benchmark::State &state) {
    TaskTable table = generatedRules();
    HolidayLookup lookup(table);
    for (auto _ : state)
        for (int cell = 0; cell < cellCount; ++cell)
            benchmark::DoNotOptimize(lookup.name(firstCell.addDays(cell)));
}
BENCHMARK(BM_RepaintCached)->Unit(benchmark::kMillisecond);

// The first repaint after the rules changed: two years evaluated afresh.
void BM_RepaintAfterChange(benchmark::State &state) {
    TaskTable table = generatedRules();
    HolidayLookup lookup(table);
    for (auto _ : state) {
        lookup.invalidate();
        for (int cell = 0; cell < cellCount; ++cell)
            benchmark::DoNotOptimize(lookup.name(firstCell.addDays(cell)));
    }
}
BENCHMARK(BM_RepaintAfterChange)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
