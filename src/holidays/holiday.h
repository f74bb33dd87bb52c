#pragma once

#include "store/tasktable.h"

#include <QDialog>

class QMimeData;
class QPushButton;

namespace corvane {

class TaskGrid;

// The holiday list: the rules of holiday.grd, edited in a copy that Close (or Esc) and International
// save; the title-bar close box leaves without saving. The upper of two rules for one day names it, so
// the order of the rows, set by dragging or by a title click, is their precedence.
class TfrmHoliday : public QDialog {
    Q_OBJECT
public:
    explicit TfrmHoliday(QWidget *parent = nullptr);

    TaskTable &rules() { return m_rules; }
    // What a rule dragged in the list carries.
    static QMimeData *ruleDragData();

    TaskGrid *grid;
    QPushButton *btAdd, *btEdit, *btDelete, *btInternational, *btPrint, *btClose;

public slots:
    void btAddClick();
    void btEditClick();
    void btDeleteClick();
    void btPrintClick();
    void btInternationalClick();
    void btCloseClick();
    // A dragged rule over a row: whether it may be dropped there; and the drop, which moves the current
    // rule to that row.
    bool gridDragOver(int row) const;
    void gridDragDrop(int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadRules();
    bool saveRules();
    // Dragging rows of the grid (the events of its viewport).
    bool gridMouseEvent(QEvent *event);
    bool gridDragEvent(QEvent *event);

    TaskTable m_rules;
    bool m_dragPending = false;
    QPoint m_dragStart;
};

} // namespace corvane
