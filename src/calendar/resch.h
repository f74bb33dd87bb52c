#pragma once

#include <QDialog>

class QDateEdit;
class QLabel;
class QPushButton;

namespace corvane {

class ShadowLabel;

// Picks a new date for the task being edited.
class TfrmReschedule : public QDialog {
    Q_OBJECT
public:
    // The title follows `titleStyle` (the main window's day title) when given.
    explicit TfrmReschedule(const ShadowLabel *titleStyle = nullptr, QWidget *parent = nullptr);

    ShadowLabel *lblTitle;
    QDateEdit *date1;
    QLabel *lblDate2;
    QPushButton *btOK, *btCancel;

public slots:
    void date1SetDate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace corvane
