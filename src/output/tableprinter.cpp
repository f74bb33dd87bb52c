#include "output/tableprinter.h"

#include "store/clock.h"
#include "widgets/prompter.h"

#include <QPrinter>

namespace corvane {

QPrinter &chosenPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

bool printWithDialog(const TaskTable &table, const PrintSettings &settings) {
    QPrinter &printer = chosenPrinter();
    printer.setPageOrientation(settings.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!prompter().choosePrinter(printer))
        return false;
    if (printTable(printer, table, settings, now()))
        return true;
    const QString where =
        printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    prompter().error(QStringLiteral("Could not print to %1").arg(where));
    return false;
}

} // namespace corvane
