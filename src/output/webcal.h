#pragma once

#include "output/webpage.h"

#include <QDateTime>
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace corvane {

class ShadowLabel;

// Publishes the month of the selected day as a web page, optionally with a table of the day's tasks.
class TfrmWebCal : public QDialog {
    Q_OBJECT
public:
    explicit TfrmWebCal(QWidget *parent = nullptr);

    // Set by the caller before showing: the selected day and the two queries into the main window.
    QDateTime monthDate;
    DaySummary daySummary;
    DayDetails dayDetails;

    // Writes the page to the file of edFile; true when written. Failures are reported.
    bool PublishIt(bool details);

    ShadowLabel *lblTitle;
    QLineEdit *edFile;
    QToolButton *btBrowse;
    QCheckBox *cbDetails;
    QTableWidget *grid;
    QPushButton *btPublish, *btLaunch, *btClose;

public slots:
    void btPublishClick();
    void btLaunchClick();
    void btBrowseClick();

protected:
    void showEvent(QShowEvent *event) override;
    // However the dialog closes, the file name and the details choice are kept when a file is named.
    void done(int result) override;

private:
    void InitGrid();
};

} // namespace corvane
