#pragma once

#include "output/tableprint.h"

class QPrinter;

namespace corvane {

// The printer of the run: the print dialog starts from the last choice.
QPrinter &chosenPrinter();
// Shows the print dialog through the prompter and, when it is confirmed, prints the table there. A
// printer that cannot start is reported. True when printed.
bool printWithDialog(const TaskTable &table, const PrintSettings &settings);

} // namespace corvane
