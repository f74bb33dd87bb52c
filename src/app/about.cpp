#include "app/about.h"

#include "app/updatereminder.h"
#include "store/clock.h"
#include "widgets/analogclock.h"
#include "widgets/prompter.h"
#include "widgets/shadowlabel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace corvane {

namespace {

QLabel *whiteLabel(const QString &text, QWidget *parent, int pointSize = 0, bool bold = false) {
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    QPalette colors = label->palette();
    colors.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(colors);
    QFont font = label->font();
    if (pointSize > 0)
        font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace

TfrmAbout::TfrmAbout(QWidget *parent) : QDialog(parent), m_clockTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("How to contact us"));

    lblTitle = new ShadowLabel(QStringLiteral("Corvane"), this);
    lblTitle->setAlignment(Qt::AlignCenter);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(28);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblTitle->setShadowDepth(4);
    lblTitle->setShadowColor(QColor(0, 0, 64));
    lblTitle->setTextColor(QColor(255, 255, 160));

    lblLink = whiteLabel(homePageAddress(), this, 0, true);
    QFont linkFont = lblLink->font();
    linkFont.setUnderline(true);
    lblLink->setFont(linkFont);
    lblLink->setCursor(Qt::PointingHandCursor);
    lblLink->installEventFilter(this);

    clock1 = new AnalogClock(this);
    clock2 = new AnalogClock(this);
    for (AnalogClock *clock : {clock1, clock2})
        clock->setFixedSize(90, 90);

    btClose = new QPushButton(QStringLiteral("Close"), this);
    btClose->setDefault(true);
    connect(btClose, &QPushButton::clicked, this, &QDialog::accept);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(20, 16, 20, 16);
    column->addWidget(lblTitle);
    column->addWidget(whiteLabel(QStringLiteral("Version 2.1"), this, 11));
    column->addWidget(whiteLabel(QStringLiteral("Halvering Corporation"), this, 11, true));
    auto *clocks = new QHBoxLayout;
    clocks->addStretch();
    clocks->addWidget(clock1);
    clocks->addSpacing(24);
    clocks->addWidget(clock2);
    clocks->addStretch();
    column->addSpacing(8);
    column->addLayout(clocks);
    column->addSpacing(8);
    column->addWidget(
        whiteLabel(QStringLiteral("Do you have the latest version?  Click the link to find out."), this));
    column->addWidget(lblLink);
    column->addSpacing(8);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btClose);
    buttons->addStretch();
    column->addLayout(buttons);
    setFixedWidth(360);

    m_clockTimer->setInterval(60000);
    connect(m_clockTimer, &QTimer::timeout, this, &TfrmAbout::setClocks);
    setClocks();
}

void TfrmAbout::setClocks() {
    const QTime time = now().time();
    clock1->setTime(time);
    clock2->setTime(time);
}

void TfrmAbout::lblLinkClick() {
    if (!prompter().openUrl(QUrl(homePageAddress())))
        prompter().error(QStringLiteral("Couldn't open web browser for home page"));
}

void TfrmAbout::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(0, 0, 255));
    gradient.setColorAt(1, QColor(0, 0, 40));
    painter.fillRect(rect(), gradient);
}

void TfrmAbout::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    setClocks();
    m_clockTimer->start();
}

void TfrmAbout::hideEvent(QHideEvent *event) {
    m_clockTimer->stop();
    QDialog::hideEvent(event);
}

bool TfrmAbout::eventFilter(QObject *watched, QEvent *event) {
    if (watched == lblLink && event->type() == QEvent::MouseButtonRelease) {
        lblLinkClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace corvane
