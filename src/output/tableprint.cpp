#include "output/tableprint.h"

#include "store/dateformats.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <map>

namespace corvane {

QFont printFont(const QString &family, double pointSize) {
    QFont font(family);
    font.setPointSizeF(pointSize);
    return font;
}

namespace {

// Fonts given as a character height in screen pixels.
QFont pixelFont(const QString &family, int pixels, bool bold = false) {
    QFont font = printFont(family, pixels * 72.0 / 96.0);
    font.setBold(bold);
    return font;
}

PrintSettings listSettings(const QString &title, const QFont &gridFont, const QList<int> &widths) {
    PrintSettings settings;
    settings.title = title;
    settings.datePosition = PrintPosition::BottomLeft;
    settings.bodyFont = settings.headerFont = settings.footerFont = gridFont;
    settings.columnWidths = widths;
    return settings;
}

} // namespace

PrintSettings selectionPrintSettings() {
    PrintSettings settings;
    settings.title = QStringLiteral("Tasks for ALL dates");
    settings.datePosition = PrintPosition::TopLeft;
    settings.timePosition = PrintPosition::TopRight;
    settings.bodyFont = settings.headerFont = settings.footerFont = printFont(QStringLiteral("Arial"), 10);
    settings.fit = FitToPage::WhenTooWide;
    settings.columnWidths = {59, 63, 68, 350, 48, 54};
    return settings;
}

PrintSettings dayListPrintSettings(const QString &title, const QFont &gridFont, const QList<int> &widths) {
    return listSettings(title, gridFont, widths);
}

PrintSettings nondayPrintSettings(const QFont &gridFont, const QList<int> &widths) {
    return listSettings(QStringLiteral("Non Date Oriented Tasks"), gridFont, widths);
}

PrintSettings completedPrintSettings() {
    PrintSettings settings;
    settings.title = QStringLiteral("Completed Tasks");
    settings.datePosition = PrintPosition::TopLeft;
    settings.timePosition = PrintPosition::TopRight;
    settings.bodyFont = pixelFont(QStringLiteral("Arial"), 12);
    settings.headerFont = pixelFont(QStringLiteral("Arial"), 12, true);
    settings.footerFont = pixelFont(QStringLiteral("Arial"), 11);
    settings.landscape = true;
    settings.fit = FitToPage::Always;
    settings.columnSpacing = 0;
    settings.footerHeight = 10;
    return settings;
}

PrintSettings holidayPrintSettings() {
    PrintSettings settings;
    settings.title = QStringLiteral("Holidays");
    settings.bodyFont = settings.headerFont = settings.footerFont = printFont(QStringLiteral("Arial"), 10);
    settings.borders = true;
    settings.centered = true;
    return settings;
}

namespace {

constexpr int cellFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

bool isTop(PrintPosition position) {
    return position == PrintPosition::TopLeft || position == PrintPosition::TopCenter ||
           position == PrintPosition::TopRight;
}

int alignment(PrintPosition position) {
    switch (position) {
    case PrintPosition::TopLeft:
    case PrintPosition::BottomLeft:
        return Qt::AlignLeft;
    case PrintPosition::TopRight:
    case PrintPosition::BottomRight:
        return Qt::AlignRight;
    default:
        return Qt::AlignHCenter;
    }
}

// Cells keep their line breaks as CR LF; the painter breaks lines at LF.
QString printedText(const QString &text) {
    if (!text.contains(u'\r'))
        return text;
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\r', u'\n');
    return lines;
}

// Measures wrapped cell heights; a short one-line cell is one line high without laying it out.
class CellMeasure {
public:
    CellMeasure(const QFont &font, const QPaintDevice &device)
        : m_metrics(font, &device), m_line(m_metrics.height()) {}
    double lineHeight() const { return m_line; }
    double height(const QString &text, double width) const {
        if (text.isEmpty() || (!text.contains(u'\n') && m_metrics.horizontalAdvance(text) <= width))
            return m_line;
        return std::max(m_line, m_metrics.boundingRect(QRectF(0, 0, width, 1e9), cellFlags, text).height());
    }

private:
    QFontMetricsF m_metrics;
    double m_line;
};

// The title, date and time items of one band (top or bottom), joined per position.
QList<PrintedText> bandItems(const PrintSettings &settings, bool top, const QDateTime &printedAt,
                             const QRectF &band, PrintedText::Font font) {
    std::map<int, QStringList> texts;
    const auto add = [&](PrintPosition position, const QString &text) {
        if (position != PrintPosition::None && isTop(position) == top)
            texts[alignment(position)] << text;
    };
    add(settings.titlePosition, settings.title);
    add(settings.datePosition, formatWithLocalePattern(formats().shortDate, printedAt));
    add(settings.timePosition, formatWithLocalePattern(formats().shortTime, printedAt));
    QList<PrintedText> items;
    for (const auto &[align, parts] : texts)
        items.append({band, parts.join(u' '), font, align | Qt::AlignVCenter});
    return items;
}

bool hasBandItems(const PrintSettings &settings, bool top) {
    for (PrintPosition position : {settings.titlePosition, settings.datePosition, settings.timePosition})
        if (position != PrintPosition::None && isTop(position) == top)
            return true;
    return false;
}

} // namespace

PrintedTable layoutTable(const TaskTable &table, const PrintSettings &settings, const QRectF &page,
                         const QPaintDevice &metrics, const QDateTime &printedAt) {
    const double unit = metrics.logicalDpiX() / 96.0;
    const CellMeasure body(settings.bodyFont, metrics);
    QFont titleFont = settings.bodyFont;
    titleFont.setBold(true);
    const CellMeasure titles(titleFont, metrics);
    const QFontMetricsF titleMetrics(titleFont, &metrics);
    const double headerLine = QFontMetricsF(settings.headerFont, &metrics).height();
    const double footerLine = QFontMetricsF(settings.footerFont, &metrics).height();

    const double left = page.left() + settings.leftMargin * unit;
    const double width = std::max(1.0, page.width() - (settings.leftMargin + settings.rightMargin) * unit);
    const double headerHeight =
        std::max(settings.headerHeight * unit, hasBandItems(settings, true) ? headerLine : 0);
    const double footerHeight =
        std::max(settings.footerHeight * unit, hasBandItems(settings, false) ? footerLine : 0);
    const double gap = 4 * unit;
    const QRectF header(left, page.top(), width, headerHeight);
    const QRectF footer(left, page.bottom() - footerHeight, width, footerHeight);
    const QList<PrintedText> topItems = bandItems(settings, true, printedAt, header, PrintedText::Header);
    const QList<PrintedText> bottomItems = bandItems(settings, false, printedAt, footer, PrintedText::Footer);

    // Column lefts and widths in the table's own (unscaled) coordinates.
    const int columns = table.columnCount();
    const double padX = settings.borders ? 2 * unit : 0;
    const double padY = unit;
    const double spacing = settings.columnSpacing * unit;
    QList<double> lefts, widths;
    double natural = 0;
    for (int column = 0; column < columns; ++column) {
        const int pixels =
            column < settings.columnWidths.size() ? settings.columnWidths[column] : table.columnWidth(column);
        if (column > 0)
            natural += spacing;
        lefts << natural;
        // A column is at least as wide as its title.
        const double title = titleMetrics.horizontalAdvance(table.cell(column, 0)) + 2 * padX;
        widths << std::max({1.0, pixels * unit, title});
        natural += widths.last();
    }
    double scale = 1;
    if (settings.fit == FitToPage::Always || (settings.fit == FitToPage::WhenTooWide && natural > width))
        scale = width / std::max(1.0, natural);

    PrintedTable printed;
    printed.tableScale = scale;
    const double shift = settings.centered && natural * scale < width ? (width - natural * scale) / 2 : 0;
    const double top = header.bottom() + gap;
    printed.tableOrigin = QPointF(left + shift, top);
    const double pageHeight = std::max(1.0, (footer.top() - gap - top) / scale);

    const auto newPage = [&] {
        PrintedPage blank;
        blank.items = topItems + bottomItems;
        printed.pages.append(blank);
    };
    double y = 0;
    const auto placeRow = [&](int row) {
        const bool titleRow = row == 0;
        const CellMeasure &measure = titleRow ? titles : body;
        double height = measure.lineHeight();
        for (int column = 0; column < columns; ++column)
            height = std::max(
                height, measure.height(printedText(table.cell(column, row)), widths[column] - 2 * padX));
        height += 2 * padY;
        if (y > 0 && y + height > pageHeight) {
            newPage();
            y = 0;
            return false;
        }
        PrintedPage &current = printed.pages.last();
        for (int column = 0; column < columns; ++column) {
            const QString text = printedText(table.cell(column, row));
            if (!text.isEmpty())
                current.cells.append(
                    {QRectF(lefts[column] + padX, y + padY, widths[column] - 2 * padX, height - 2 * padY),
                     text, titleRow ? PrintedText::ColumnTitle : PrintedText::Body, cellFlags});
        }
        if (settings.borders) {
            current.lines << QLineF(0, y, natural, y) << QLineF(0, y + height, natural, y + height);
            current.lines << QLineF(0, y, 0, y + height);
            for (int column = 0; column < columns; ++column) {
                const double edge = column + 1 < columns ? lefts[column + 1] - spacing / 2 : natural;
                current.lines << QLineF(edge, y, edge, y + height);
            }
        }
        y += height;
        return true;
    };
    newPage();
    for (int row = 0; row < table.rowCount(); ++row) {
        if (placeRow(row))
            continue;
        if (settings.repeatTitleRow && row > 0)
            placeRow(0);
        placeRow(row);
    }
    return printed;
}

bool printTable(QPagedPaintDevice &device, const TaskTable &table, const PrintSettings &settings,
                const QDateTime &printedAt) {
    device.setPageOrientation(settings.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF page(QPointF(), device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    const PrintedTable printed = layoutTable(table, settings, page, device, printedAt);
    QFont columnTitle = settings.bodyFont;
    columnTitle.setBold(true);
    const QFont fonts[] = {settings.bodyFont, columnTitle, settings.headerFont, settings.footerFont};
    const auto draw = [&](const PrintedText &text) {
        if (painter.font() != fonts[text.font])
            painter.setFont(fonts[text.font]);
        painter.drawText(text.rect, text.flags, text.text);
    };
    for (qsizetype index = 0; index < printed.pages.size(); ++index) {
        if (index > 0)
            device.newPage();
        const PrintedPage &current = printed.pages[index];
        painter.resetTransform();
        for (const PrintedText &item : current.items)
            draw(item);
        painter.translate(printed.tableOrigin);
        painter.scale(printed.tableScale, printed.tableScale);
        painter.drawLines(current.lines);
        for (const PrintedText &cell : current.cells)
            draw(cell);
    }
    return painter.end();
}

} // namespace corvane
