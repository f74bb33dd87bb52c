#include "store/tasktable.h"

#include "store/atomicfile.h"
#include "store/textcodec.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <charconv>
#include <limits>
#include <numeric>

namespace corvane {

namespace {

// Counts a real file can hold; a header beyond them is corrupt, not a reason to allocate.
constexpr int maxColumns = 1000;
constexpr int maxRows = 10'000'000;
constexpr qint64 maxCells = 20'000'000;

const QString emptyText;

// The integer field of a grid file: leading spaces, an optional minus sign, then digits up to the first
// non-digit. No digits read as 0; values beyond the int range saturate.
int readIntField(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && text[i] == QLatin1Char('-')) {
        negative = true;
        ++i;
    }
    qint64 value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        value = value * 10 + (text[i].unicode() - '0');
        if (value > std::numeric_limits<int>::max())
            return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return int(negative ? -value : value);
}

QString unescapeCell(QStringView text) {
    QString cell = text.toString();
    for (QChar &c : cell) {
        if (c == QChar(9))
            c = QChar(13);
        else if (c == QChar(8))
            c = QChar(10);
    }
    return cell;
}

void appendNumber(QString &out, int n) {
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    out += QLatin1String(digits, end - digits);
}

QString corruptMessage(const QString &fileName) {
    return QStringLiteral("File contains no data or corrupt file ") + fileName;
}

} // namespace

int compareOrdinal(const QString &a, const QString &b) {
    return a.compare(b, Qt::CaseSensitive);
}

TaskTable::TaskTable(int columns, int rows)
    : m_columns(std::max(1, columns)), m_rows(std::max(1, rows)), m_widths(m_columns, 64),
      m_compares(m_columns) {
    m_cells.resize(qsizetype(m_columns) * m_rows);
}

void TaskTable::setColumnCount(int columns) {
    columns = std::max(1, columns);
    if (columns == m_columns)
        return;
    QList<QString> cells(qsizetype(columns) * m_rows);
    const int kept = std::min(columns, m_columns);
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < kept; ++c)
            cells[qsizetype(r) * columns + c] = std::move(m_cells[index(c, r)]);
    m_cells = std::move(cells);
    m_widths.resize(columns, 64);
    m_compares.resize(columns);
    m_columns = columns;
    changed();
}

void TaskTable::setRowCount(int rows) {
    rows = std::max(1, rows);
    if (rows == m_rows)
        return;
    m_cells.resize(qsizetype(rows) * m_columns);
    m_rows = rows;
    changed();
}

const QString &TaskTable::cell(int column, int row) const {
    if (column < 0 || column >= m_columns || row < 0 || row >= m_rows)
        return emptyText;
    return m_cells[index(column, row)];
}

void TaskTable::setCell(int column, int row, const QString &text) {
    if (column < 0 || column >= m_columns || row < 0 || row >= m_rows)
        return;
    m_cells[index(column, row)] = text;
    changed(column, row);
}

QStringList TaskTable::rowCells(int row) const {
    QStringList cells;
    cells.reserve(m_columns);
    for (int c = 0; c < m_columns; ++c)
        cells.append(cell(c, row));
    return cells;
}

void TaskTable::setRowCells(int row, const QStringList &cells) {
    if (row < 0 || row >= m_rows)
        return;
    for (int c = 0; c < m_columns; ++c)
        m_cells[index(c, row)] = c < cells.size() ? cells[c] : QString();
    changed();
}

int TaskTable::columnWidth(int column) const {
    return column >= 0 && column < m_columns ? m_widths[column] : 0;
}

void TaskTable::setColumnWidth(int column, int width) {
    if (column >= 0 && column < m_columns)
        m_widths[column] = width;
}

void TaskTable::insertRows(int at, int count) {
    if (count <= 0 || at < 0 || at > m_rows)
        return;
    m_cells.insert(qsizetype(at) * m_columns, qsizetype(count) * m_columns, QString());
    m_rows += count;
    changed();
}

void TaskTable::removeRows(int at, int count) {
    if (at < 0 || at >= m_rows || count <= 0)
        return;
    count = std::min(count, m_rows - at);
    m_cells.remove(qsizetype(at) * m_columns, qsizetype(count) * m_columns);
    m_rows -= count;
    if (m_rows < 1) {
        m_rows = 1;
        m_cells.resize(m_columns);
    }
    changed();
}

void TaskTable::removeDataRowsIf(const std::function<bool(int row)> &drop) {
    // Rows are read before anything moves onto them, since `kept` never passes the row being looked at.
    int kept = 1;
    for (int r = 1; r < m_rows; ++r) {
        if (drop(r))
            continue;
        if (kept != r)
            std::move(m_cells.begin() + index(0, r), m_cells.begin() + index(0, r + 1),
                      m_cells.begin() + index(0, kept));
        ++kept;
    }
    if (kept == m_rows)
        return;
    m_rows = kept;
    m_cells.resize(qsizetype(m_rows) * m_columns);
    changed();
}

void TaskTable::moveRow(int from, int to) {
    if (from < 0 || from >= m_rows || to < 0 || to >= m_rows || from == to)
        return;
    const auto first = m_cells.begin();
    if (from < to)
        std::rotate(first + index(0, from), first + index(0, from + 1), first + index(0, to + 1));
    else
        std::rotate(first + index(0, to), first + index(0, from), first + index(0, from + 1));
    changed();
}

void TaskTable::clear() {
    for (qsizetype i = m_columns; i < m_cells.size(); ++i)
        m_cells[i] = QString();
    changed();
}

bool TaskTable::rowIsEmpty(int row) const {
    for (int c = 0; c < m_columns; ++c)
        if (!cell(c, row).isEmpty())
            return false;
    return true;
}

void TaskTable::setColumnCompare(int column, Compare compare) {
    if (column >= 0 && column < m_columns)
        m_compares[column] = std::move(compare);
}

int TaskTable::compareRows(int a, int b) const {
    // The sort column decides, then each column to its right; the last column never breaks a tie.
    const int last = m_sortColumn == m_columns - 1 ? m_sortColumn : m_columns - 2;
    for (int c = m_sortColumn; c <= last; ++c) {
        const QString &x = m_cells[index(c, a)];
        const QString &y = m_cells[index(c, b)];
        const int order = m_compares[c] ? m_compares[c](x, y) : compareOrdinal(x, y);
        if (order != 0)
            return m_ascending ? order : -order;
    }
    return 0;
}

void TaskTable::sort() {
    if (m_rows < 3 || m_sortColumn < 0 || m_sortColumn >= m_columns)
        return;
    const auto less = [this](int a, int b) { return compareRows(a, b) < 0; };
    // A natural merge sort: the store is sorted after every change, so it is nearly always in order with
    // a few rows inserted at the top, and merging its ascending runs costs little more than one pass.
    QList<int> order(m_rows - 1);
    std::iota(order.begin(), order.end(), 1);
    QList<qsizetype> runs{0};
    for (qsizetype i = 1; i < order.size(); ++i)
        if (less(order[i], order[i - 1]))
            runs.append(i);
    if (runs.size() == 1)
        return;
    runs.append(order.size());
    while (runs.size() > 2) {
        QList<qsizetype> merged;
        for (qsizetype k = 0; k + 1 < runs.size(); k += 2) {
            merged.append(runs[k]);
            if (k + 2 < runs.size())
                std::inplace_merge(order.begin() + runs[k], order.begin() + runs[k + 1],
                                   order.begin() + runs[k + 2], less);
        }
        merged.append(order.size());
        runs = std::move(merged);
    }
    QList<QString> cells(m_cells.size());
    for (int c = 0; c < m_columns; ++c)
        cells[c] = std::move(m_cells[c]);
    for (int r = 1; r < m_rows; ++r)
        for (int c = 0; c < m_columns; ++c)
            cells[index(c, r)] = std::move(m_cells[index(c, order[r - 1])]);
    m_cells = std::move(cells);
    changed();
}

QByteArray TaskTable::toGridBytes() const {
    QString out;
    out.reserve(m_cells.size() * 16 + 64);
    const QLatin1String lineEnd("\r\n");
    appendNumber(out, m_columns);
    out += QLatin1Char(',');
    appendNumber(out, m_rows);
    out += lineEnd;
    for (int c = 0; c < m_columns; ++c) {
        out += QLatin1String("cw ");
        appendNumber(out, c);
        out += QLatin1Char(',');
        appendNumber(out, m_widths[c]);
        out += lineEnd;
    }
    for (int r = 0; r < m_rows; ++r) {
        for (int c = 0; c < m_columns; ++c) {
            const QString &text = m_cells[index(c, r)];
            if (text.isEmpty())
                continue;
            appendNumber(out, c);
            out += QLatin1Char(',');
            appendNumber(out, r);
            out += QLatin1Char(',');
            const qsizetype start = out.size();
            out += text;
            for (qsizetype i = start; i < out.size(); ++i) {
                if (out[i] == QChar(13))
                    out[i] = QChar(9);
                else if (out[i] == QChar(10))
                    out[i] = QChar(8);
            }
            out += lineEnd;
        }
    }
    return out.toUtf8();
}

bool TaskTable::save(const QString &fileName, QString *error) const {
    return writeFileAtomically(fileName, toGridBytes(), error);
}

bool TaskTable::load(const QString &fileName, QString *error) {
    QFile file(fileName);
    // Only a plain file is read: opening a FIFO would wait for a writer that never comes.
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("File ") + fileName + QStringLiteral(" not found");
        return false;
    }
    return fromGridBytes(file.readAll(), fileName, error);
}

bool TaskTable::fromGridBytes(const QByteArray &bytes, const QString &fileName, QString *error) {
    const QString text = decodeText(bytes);
    const QStringView all(text);
    qsizetype pos = 0;
    // Lines end in CR LF, or in a lone CR or LF; cell texts never hold either.
    // A line may be megabytes long: the next CR and the next LF are each searched for once, not per line.
    qsizetype nextCr = -2;
    qsizetype nextLf = -2;
    const auto next = [&](qsizetype &found, char16_t c) {
        if (found != -1 && found < pos)
            found = all.indexOf(QChar(c), pos);
        return found < 0 ? all.size() : found;
    };
    auto nextLine = [&]() {
        qsizetype end = std::min(next(nextCr, 13), next(nextLf, 10));
        const QStringView line = all.mid(pos, end - pos);
        if (end < all.size() && all[end] == QChar(13) && end + 1 < all.size() && all[end + 1] == QChar(10))
            ++end;
        pos = end + 1;
        return line;
    };

    // A row or a column that holds anything needs a line of at least five bytes ("0,1,x"). A header
    // claiming more than the file's size allows is damaged: the table then ends with the last column and
    // one row past the last row its lines mention, so it never outgrows what the file describes (and a
    // table written from it reads back the same).
    const auto boundedByFile = [&](int columns, int rows, qint64 size) {
        const qint64 lines = size / 5;
        if (columns <= lines + 1 && rows <= lines + 2)
            return std::pair{columns, rows};
        const qsizetype start = pos;
        int lastColumn = 0, lastRow = 0;
        while (pos < all.size()) {
            const QStringView line = nextLine();
            const qsizetype first = line.indexOf(QLatin1Char(','));
            if (line.startsWith(QLatin1String("cw"))) {
                const int column = first > 3 ? readIntField(line.mid(3, first - 3)) : 0;
                if (first >= 0 && column >= 0 && column < columns)
                    lastColumn = std::max(lastColumn, column);
                continue;
            }
            const qsizetype second = first < 0 ? -1 : line.indexOf(QLatin1Char(','), first + 1);
            const int column = readIntField(line.left(first));
            const int row = readIntField(line.mid(first + 1, second - first - 1));
            if (second >= 0 && column >= 0 && column < columns && row >= 0 && row < rows) {
                lastColumn = std::max(lastColumn, column);
                lastRow = std::max(lastRow, row);
            }
        }
        // Back to the first line after the header, with the line-end search started again from there.
        pos = start;
        nextCr = nextLf = -2;
        return std::pair{lastColumn + 1, std::min(rows, lastRow + 2)};
    };

    const QStringView header = nextLine();
    if (!header.isEmpty()) {
        const qsizetype comma = header.indexOf(QLatin1Char(','));
        const int columns = readIntField(header.left(comma < 0 ? header.size() : comma));
        const int rows = comma < 0 ? 0 : readIntField(header.mid(comma + 1));
        if (columns < 1 || rows < 1 || columns > maxColumns || rows > maxRows ||
            qint64(columns) * rows > maxCells) {
            if (error)
                *error = corruptMessage(fileName);
            return false;
        }
        const auto [usedColumns, usedRows] = boundedByFile(columns, rows, bytes.size());
        const Observer observer = std::exchange(m_observer, Observer());
        setColumnCount(usedColumns);
        setRowCount(usedRows);
        m_observer = observer;
    }

    // Short texts (times, categories, Yes and No) repeat throughout a store: share one copy of each.
    // A column whose texts turn out to be all different (the store keys) stops being looked up.
    constexpr qsizetype shareLength = 12;
    constexpr qsizetype distinctLimit = 4096;
    QList<QHash<QStringView, QString>> shared(m_columns);
    while (pos < all.size()) {
        const QStringView line = nextLine();
        if (line.startsWith(QLatin1String("cw"))) {
            const qsizetype comma = line.indexOf(QLatin1Char(','));
            if (comma < 0)
                continue;
            // The index runs from the fourth character to the comma.
            const int column = comma > 3 ? readIntField(line.mid(3, comma - 3)) : 0;
            if (column >= 0 && column < m_columns)
                m_widths[column] = readIntField(line.mid(comma + 1));
            continue;
        }
        const qsizetype first = line.indexOf(QLatin1Char(','));
        const qsizetype second = first < 0 ? -1 : line.indexOf(QLatin1Char(','), first + 1);
        if (second < 0)
            continue;
        const int column = readIntField(line.left(first));
        const int row = readIntField(line.mid(first + 1, second - first - 1));
        if (column < 0 || column >= m_columns || row < 0 || row >= m_rows)
            continue;
        const QStringView cellText = line.mid(second + 1);
        QString &target = m_cells[index(column, row)];
        QHash<QStringView, QString> &texts = shared[column];
        if (cellText.size() <= shareLength && texts.size() < distinctLimit) {
            auto it = texts.find(cellText);
            if (it == texts.end())
                it = texts.insert(cellText, unescapeCell(cellText));
            target = it.value();
        } else {
            target = unescapeCell(cellText);
        }
    }
    changed();
    return true;
}

void TaskTable::takeContents(TaskTable &&other) {
    m_columns = other.m_columns;
    m_rows = other.m_rows;
    m_cells = std::move(other.m_cells);
    m_widths = std::move(other.m_widths);
    m_compares.resize(m_columns);
    changed();
}

void TaskTable::changed(int column, int row) const {
    if (m_observer)
        m_observer(column, row);
}

} // namespace corvane
