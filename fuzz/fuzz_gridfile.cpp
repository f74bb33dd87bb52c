// The grid-file reader and writer: whatever a file holds, reading it never fails badly, and a table that
// was read writes a file that reads back to the same texts and widths. (A header that claims more rows
// than its file can hold is cut to the rows the file uses, so a table may come back without empty rows
// at its end; from then on it reads and writes the same bytes.)

#include "fuzzsupport.h"

#include "store/tasktable.h"

#include <algorithm>

using namespace corvane;

namespace {

bool sameTable(const TaskTable &a, const TaskTable &b) {
    if (a.columnCount() != b.columnCount())
        return false;
    const int rows = std::max(a.rowCount(), b.rowCount());
    for (int c = 0; c < a.columnCount(); ++c) {
        if (a.columnWidth(c) != b.columnWidth(c))
            return false;
        for (int r = 0; r < rows; ++r)
            if (a.cell(c, r) != b.cell(c, r))
                return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::setUp();
    const QString name = QStringLiteral("grid.grd");
    TaskTable table(6, 1);
    QString error;
    if (!table.fromGridBytes(fuzz::bytes(data, size), name, &error)) {
        fuzz::check(error == QStringLiteral("File contains no data or corrupt file ") + name,
                    "a file that does not read gets the corrupt-file message");
        return 0;
    }
    const QByteArray written = table.toGridBytes();
    TaskTable again(6, 1);
    fuzz::check(again.fromGridBytes(written, name, &error), "a written table reads back");
    fuzz::check(sameTable(table, again), "a written table reads back to the same cells and widths");
    const QByteArray rewritten = again.toGridBytes();
    TaskTable third(6, 1);
    fuzz::check(third.fromGridBytes(rewritten, name, &error) && third.toGridBytes() == rewritten,
                "a table read back reads and writes the same bytes from then on");
    return 0;
}
