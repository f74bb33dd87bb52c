#pragma once

#include "store/tasktable.h"

#include <QDateTime>
#include <QFont>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>

class QPagedPaintDevice;
class QPaintDevice;

namespace corvane {

// Where a title, date or time item goes on the page.
enum class PrintPosition { None, TopLeft, TopCenter, TopRight, BottomLeft, BottomCenter, BottomRight };
enum class FitToPage { Never, WhenTooWide, Always };

// How one table prints. Lengths are screen pixels at 96 pixels per inch, scaled to the device.
struct PrintSettings {
    QString title;
    PrintPosition titlePosition = PrintPosition::TopCenter;
    PrintPosition datePosition = PrintPosition::None; // the date of printing, short date format
    PrintPosition timePosition = PrintPosition::None; // the time of printing, short time format
    QFont bodyFont;                                   // the rows; the column titles in its bold face
    QFont headerFont;                                 // items at the top of the page
    QFont footerFont;                                 // items at the bottom
    bool landscape = false;
    FitToPage fit = FitToPage::Never;
    int leftMargin = 20;
    int rightMargin = 20;
    int headerHeight = 20;
    int footerHeight = 20;
    int columnSpacing = 10;
    bool borders = false;
    bool centered = false; // the table in the middle of the page's width
    bool repeatTitleRow = false;
    QList<int> columnWidths; // empty: the table's own widths
};

// The settings of the program's printed tables.
PrintSettings selectionPrintSettings();
// The day list and the non-date list print in the grid font, with the widths they show.
PrintSettings dayListPrintSettings(const QString &title, const QFont &gridFont, const QList<int> &widths);
PrintSettings nondayPrintSettings(const QFont &gridFont, const QList<int> &widths);
PrintSettings completedPrintSettings();
PrintSettings holidayPrintSettings();
// A font of the given family and point size, regular.
QFont printFont(const QString &family, double pointSize);

// A laid-out table, apart from any device: the items of each page in device pixels. Page items (title,
// date, time) are in page coordinates; the table's cells and lines are drawn scaled by `tableScale` from
// `tableOrigin`.
struct PrintedText {
    enum Font { Body, ColumnTitle, Header, Footer };
    QRectF rect;
    QString text;
    Font font;
    int flags;
};
struct PrintedPage {
    QList<PrintedText> items;
    QList<PrintedText> cells;
    QList<QLineF> lines;
};
struct PrintedTable {
    QPointF tableOrigin;
    double tableScale = 1;
    QList<PrintedPage> pages;
};

// Lays the table out on pages of `page` (device pixels of `metrics`, which measures the fonts).
PrintedTable layoutTable(const TaskTable &table, const PrintSettings &settings, const QRectF &page,
                         const QPaintDevice &metrics, const QDateTime &printedAt);
// Prints the table on the device, in the orientation of its settings. False when the device cannot start
// (a file that cannot be written, a printer that is gone).
[[nodiscard]] bool printTable(QPagedPaintDevice &device, const TaskTable &table,
                              const PrintSettings &settings, const QDateTime &printedAt);

} // namespace corvane
