#pragma once

#include "store/tasktable.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace corvane {

// Imports holidays of the built-in country sets: the selected ones become rules at the top of
// holiday.grd, the last selected uppermost. Only OK writes the file.
class TfrmImport : public QDialog {
    Q_OBJECT
public:
    explicit TfrmImport(QWidget *parent = nullptr);

    // The rules of holiday.grd with the imported ones (hidden).
    TaskTable &grid() { return m_grid; }

    QLabel *lblHint;
    QListWidget *lbCountries, *lbDays;
    QPushButton *btOK, *btClose;

public slots:
    void FillHolidays();
    void btOKClick();

private:
    TaskTable m_grid;
};

} // namespace corvane
