#pragma once

#include "store/tasktable.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

namespace corvane {

// The filter test: asked with a row's Done text and Category, true when the row is to be shown.
using RowFilter = std::function<bool(const QString &done, const QString &category)>;
// The filter that lets every row pass.
bool passAll(const QString &done, const QString &category);

// Columns of gridStore.
enum StoreColumn {
    StoreKey = 0,
    StoreTime = 1,
    StoreCategory = 2,
    StoreWhat = 3,
    StoreDone = 4,
    StoreAlarm = 5
};

QString yesNo(bool flag);
bool isDigit(QChar c);
// The locale's integer reading; 0 when the text is not an integer.
int readInteger(const QString &text);
// A number with either a period or the locale's decimal separator; 0 when unreadable.
double readDecimal(const QString &text);
// A time of day text (hours, minutes, optional seconds, optional AM/PM) as a date-time value fraction;
// a text that is not a time gives the current moment, date included.
double readTime(const QString &text);
// True when the file does not exist or holds 0 bytes.
bool isEmptyFile(const QString &fileName);
// True when the text is empty or holds only spaces, CR, LF and byte 8.
bool isBlank(const QString &text);

// "Today", "Tomorrow", "Yesterday", "36 days", "6 wks", "3 mons", "4 yrs 2 mons ago", ... against now().
QString relativeDate(const QDateTime &moment);
int daysInMonth(int month, int year);
// 1 for Sunday up to 7 for Saturday.
int weekdaySundayFirst(const QDate &date);
// The number 1-12 of the month whose full name in the format settings equals the text (ASCII case folded).
int monthNumber(const QString &name);

enum class DayStatus { None, Done, NotDone };

// Searches over gridStore (sorted by store key).
int firstRowOfDay(const TaskTable &store, int day, const RowFilter &filter);
int dayRowCount(const TaskTable &store, int startRow, const RowFilter &filter);
DayStatus dayStatus(const TaskTable &store, int day, bool doneWished, bool notDoneWished,
                    const RowFilter &filter, int *foundRow = nullptr);
// The first data row whose `isEmptyRow` holds (by default: first cell empty); appends one when none.
int freeRow(TaskTable &table, const std::function<bool(const TaskTable &, int)> &isEmptyRow = {});

// Memo texts. A memo's lines are those it displays (wrapped lines count separately).
QString joinMemoLines(const QStringList &lines);
QStringList splitMemoText(const QString &text);
QString flattenMemoText(const QString &text);

// Text search.
bool isWordDelimiter(QChar c);
bool wholeWordMatch(const QString &text, const QString &word, bool caseSensitive);
bool textMatch(const QString &text, bool wholeWords, bool caseSensitive, const QString &word);
QString tabField(const QString &text, int n);

} // namespace corvane
