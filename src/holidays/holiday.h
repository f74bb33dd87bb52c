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

private:
    void loadRules();
    bool saveRules();
    // A row dragged from this list, not from another one.
    bool isOwnRow(const QMimeData *data) const;

    TaskTable m_rules;
};

} // namespace corvane
