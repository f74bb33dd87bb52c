#pragma once

#include <QDialog>
#include <QTime>

class QLabel;
class QPushButton;
class QTimeEdit;
class QTimer;

namespace corvane {

class AnalogClock;

// Picks a time of day on a 24-hour ruler (snapped to five minutes), by typing, or with the keyboard.
class TfrmTimePopup : public QDialog {
    Q_OBJECT
public:
    explicit TfrmTimePopup(QWidget *parent = nullptr);

    // The time to start from; exactly 0:00 starts from the current time.
    void settime(const QTime &time);
    QTime time() const;

    QLabel *Image1, *imTop, *imBot, *imLine, *Image2, *Image3, *pnlTime;
    AnalogClock *Clock1;
    QTimeEdit *dtTime;
    QPushButton *sbNow, *btOK, *btCancel;
    QTimer *Timer1;

    // Moves the pointer to ruler position x; with setTime it also picks the time there.
    void drawPointer(int x, bool setTime);

public slots:
    void dtTimeChange();
    void sbNowClick();
    void ItIsNow();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool rulerMouse(QEvent *event);
    bool FormKeyDown(int key);
    void showTime(const QTime &time);

    bool dragging = false;
};

} // namespace corvane
