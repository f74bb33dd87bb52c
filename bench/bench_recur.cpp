// The longest repeat the dialog allows, a daily one over 7,400 days (7,401 dates), previewed in the repeat
// dialog and confirmed into a store of 100,000 tasks: one insertion, the sort and the save of grid.grd.

#include "app/dayview.h"
#include "recurrence/recur.h"
#include "store/daynumber.h"
#include "widgets/prompter.h"

#include <QApplication>
#include <QDateEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

using namespace corvane;

namespace {

const QDate firstDay(2010, 1, 1);

// 100,000 tasks over the twenty years the run covers, 1 to 26 a day, sorted as the store keeps them.
TaskTable storeOfTasks() {
    std::mt19937 random(7400);
    TaskTable store(6, 1);
    setUpStoreTable(store);
    const int tasks = 100'000;
    store.setRowCount(tasks + 1);
    int row = 1;
    for (int day = dayNumber(firstDay); row <= tasks; ++day)
        for (int n = 0, count = 1 + int(random() % 26); n < count && row <= tasks; ++n, ++row)
            store.setRowCells(row,
                              {storeKey(day, 101 + n), QStringLiteral("%1:30 PM").arg(1 + n % 12), "Work",
                               QStringLiteral("Meeting about the report, room %1").arg(random() % 400),
                               yesNo(random() % 3 == 0), yesNo(random() % 4 == 0)});
    sortStore(store);
    return store;
}

// Answers Yes to the confirmation; nothing else is asked on this path.
class YesPrompter : public Prompter {
public:
    void error(const QString &) override {}
    void information(const QString &) override {}
    void message(const QString &) override {}
    void warning(const QString &) override {}
    bool confirm(const QString &) override { return true; }
    std::optional<QString> input(const QString &, const QString &, const QString &) override { return {}; }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &, const QString &, bool) override {
        return {};
    }
    bool choosePrinter(QPrinter &) override { return false; }
    bool openUrl(const QUrl &) override { return false; }
};

// The dialog set to a daily run over the whole span, over `store`, saving into `file` as the main
// window does.
std::unique_ptr<TfrmRecur> dailyDialog(TaskTable &store, const QString &file) {
    auto dialog = std::make_unique<TfrmRecur>(store, [&store, file] {
        sortStore(store);
        saveTableReporting(store, file);
    });
    dialog->init("9:00 AM", "Health", "Take the pills", "Yes");
    dialog->rbDaily->setChecked(true);
    dialog->date1->setDate(firstDay);
    dialog->date2->setDate(firstDay.addDays(maxRecurrenceSpan));
    return dialog;
}

void BM_PreviewDaily7400Days(benchmark::State &state) {
    TaskTable store = storeOfTasks();
    QTemporaryDir dir;
    auto dialog = dailyDialog(store, dir.filePath("grid.grd"));
    for (auto _ : state)
        dialog->btPreview->click();
    state.counters["lines"] = dialog->ListBox1->count();
}
BENCHMARK(BM_PreviewDaily7400Days)->Unit(benchmark::kMillisecond);

void BM_DeleteEveryLine(benchmark::State &state) {
    TaskTable store = storeOfTasks();
    QTemporaryDir dir;
    auto dialog = dailyDialog(store, dir.filePath("grid.grd"));
    for (auto _ : state) {
        state.PauseTiming();
        dialog->btPreview->click();
        dialog->ListBox1->selectAll();
        state.ResumeTiming();
        dialog->btDelete->click();
    }
}
BENCHMARK(BM_DeleteEveryLine)->Unit(benchmark::kMillisecond);

// OK and Yes: insertion, sort and save of the 107,401 tasks.
void BM_ConfirmInto100000Tasks(benchmark::State &state) {
    YesPrompter yes;
    setPrompter(&yes);
    const TaskTable tasks = storeOfTasks();
    QTemporaryDir dir;
    for (auto _ : state) {
        state.PauseTiming();
        TaskTable store = tasks;
        auto dialog = dailyDialog(store, dir.filePath("grid.grd"));
        dialog->btPreview->click();
        state.ResumeTiming();
        dialog->btOK->click();
        state.PauseTiming();
        state.counters["rows"] = store.rowCount() - 1;
        dialog.reset();
        state.ResumeTiming();
    }
    setPrompter(nullptr);
}
BENCHMARK(BM_ConfirmInto100000Tasks)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
