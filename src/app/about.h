#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

namespace corvane {

class AnalogClock;
class ShadowLabel;

// "How to contact us": the product, its version and maker, the home page link and two clocks.
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget *parent = nullptr);

    ShadowLabel *lblTitle;
    QLabel *lblLink;
    AnalogClock *clock1;
    AnalogClock *clock2;
    QPushButton *btClose;

    // Asks the desktop to open the home page; says so when it cannot.
    void lblLinkClick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setClocks();

    QTimer *m_clockTimer;
};

} // namespace corvane
