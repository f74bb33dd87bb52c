#pragma once

#include "app/dayview.h"
#include "store/tasktable.h"

#include <QDate>
#include <QString>

#include <functional>

namespace corvane {

// The two visible task lists the commands act on.
enum class TaskList { Day, Nonday };

// One task as the editor shows it.
struct TaskFields {
    QString time; // short time text; unused for non-date tasks
    QString category;
    QString what; // joined memo lines
    bool done = false;
    bool alarm = false;
};

int whatColumn(TaskList list);
// A day-list row holds a task when its Time is set; a non-date row when its Category or its What is set
// (non-date tasks may have no category).
bool isTaskRow(const TaskTable &table, TaskList list, int row);
// The free-row test matching isTaskRow, for freeRow().
std::function<bool(const TaskTable &, int)> emptyRowTest(TaskList list);

TaskFields readTask(const TaskTable &table, TaskList list, int row);
void writeTask(TaskTable &table, TaskList list, int row, const TaskFields &task);
// Inserts the task at row 1 of the store for `day` with sequence 100, so it comes first on that day;
// the caller re-sorts the store.
void insertIntoStore(TaskTable &store, int day, const TaskFields &task);
// The same for many days at once, in the order given: one insertion, however many days.
void insertIntoStore(TaskTable &store, const QList<int> &days, const TaskFields &task);

// Which list edit and complete act on: the non-date list has the focus, or neither the day list has it
// nor a day-list control raised the command.
TaskList editTarget(bool nondayFocused, bool dayFocused, bool senderIsDayControl);

// Editor title of a day: "ddd ddddd", a space and the relative-date text.
QString editorTitle(const QDate &day);
// The day's origin text in the history: "ddd ddddd".
QString dayOrigin(const QDate &day);
bool isPastDay(const QDate &day);
// "Task: " and the first 50 characters of the notes, then " ...".
QString editCaption(const QString &what);
// The delete confirmation: Really delete "<first 50 characters> ... "?
QString deleteQuestion(const QString &what);
// Why a row cannot be edited (completing false) or completed (true); empty when it can.
QString editRefusal(const TaskTable &table, TaskList list, int row, bool completing);

} // namespace corvane
