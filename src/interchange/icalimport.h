#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace corvane {

struct ImportPlan;

// The summary shown before an iCalendar import stores anything: how many tasks it adds, how many it skips
// as already there, and what it did not understand. OK adds them; Cancel changes nothing.
class TfrmIcalImport : public QDialog {
    Q_OBJECT
public:
    TfrmIcalImport(const QString &fileName, const ImportPlan &plan, QWidget *parent = nullptr);

    QLabel *lblFile;
    QLabel *lblSummary;
    QListWidget *lbNotUnderstood;
    QPushButton *btOK;
    QPushButton *btCancel;
};

} // namespace corvane
