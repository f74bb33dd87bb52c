// Output on the 100,000-task store: "All Date Oriented Tasks" exported as HTML and as comma-delimited
// text (filling the print table, building the text, writing the file), and the whole selection printed to
// a PDF file.

#include "generatedstore.h"
#include "output/printselection.h"
#include "output/tableexport.h"
#include "output/tableprint.h"
#include "store/dateformats.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace corvane;
using namespace corvane::bench;

namespace {

struct Fixture {
    QTemporaryDir dir;
    TaskTable store = generatedStore();
    TaskTable nonday{3, 2};
    TaskTable print;
    Fixture() {
        fix2000();
        setUpPrintTable(print);
    }
};

Fixture &fixture() {
    static Fixture f;
    return f;
}

void BM_ExportAllDateTasks(benchmark::State &state, bool html) {
    Fixture &f = fixture();
    const QString file = f.dir.filePath("tasks.out");
    for (auto _ : state) {
        transferToGridPrint(PrintSelection{}, f.store, f.print, false);
        QString error;
        const bool written =
            html ? exportHtml(f.print, file, &error) : exportCommaDelimited(f.print, file, &error);
        if (!written)
            state.SkipWithError(qPrintable(error));
    }
}

void BM_ExportHtml(benchmark::State &state) {
    BM_ExportAllDateTasks(state, true);
}

void BM_ExportCommaDelimited(benchmark::State &state) {
    BM_ExportAllDateTasks(state, false);
}

void BM_PrintSelectionToPdf(benchmark::State &state) {
    Fixture &f = fixture();
    for (auto _ : state) {
        fillPrintTable(PrintSelection{}, f.store, f.nonday, f.print);
        QPdfWriter writer(f.dir.filePath("selection.pdf"));
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setResolution(1200);
        if (!printTable(writer, f.print, selectionPrintSettings(), QDateTime::currentDateTime()))
            state.SkipWithError("could not write the PDF");
    }
    state.counters["rows"] = f.print.rowCount() - 1;
}

} // namespace

BENCHMARK(BM_ExportHtml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportCommaDelimited)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintSelectionToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char **argv) {
    // Fonts need a GUI application; offscreen unless a display is chosen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
