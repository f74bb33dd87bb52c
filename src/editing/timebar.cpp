#include "editing/timebar.h"

#include "editing/editorwidgets.h"
#include "editing/timeruler.h"
#include "store/clock.h"
#include "store/dateformats.h"
#include "widgets/analogclock.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>

namespace corvane {

namespace {

const QColor dayGround(255, 255, 0);   // yellow
const QColor nightGround(0, 255, 255); // aqua
constexpr int rulerLeft = 8;           // the ruler's place in the dialog
constexpr int rulerTop = 8;
constexpr int pointerWidth = 11;
constexpr int pointerHeight = 6;

QPixmap rulerPicture() {
    QPixmap picture(ruler::width, ruler::height);
    QPainter painter(&picture);
    const int morning = ruler::timeToX(7, 0);
    const int evening = ruler::timeToX(19, 0);
    painter.fillRect(0, 0, ruler::width, ruler::height, nightGround);
    painter.fillRect(morning, 0, evening - morning, ruler::height, dayGround);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int hour = 0; hour <= 24; ++hour) {
        const int x = ruler::timeToX(hour, 0);
        painter.drawLine(x, ruler::height - 16, x, ruler::height - 7);
        if (hour < 24)
            painter.drawLine(x + 10, ruler::height - 12, x + 10, ruler::height - 7);
        QString label;
        if (hour % 24 == 0)
            label = QStringLiteral("M");
        else if (hour == 7)
            label = QStringLiteral("7a");
        else if (hour == 19)
            label = QStringLiteral("7p");
        else
            label = QString::number(hour > 12 ? hour - 12 : hour);
        painter.drawText(QRect(x - 10, 7, 20, 14), Qt::AlignCenter, label);
    }
    painter.drawLine(ruler::origin, ruler::height - 7, ruler::timeToX(24, 0), ruler::height - 7);
    painter.setPen(Qt::gray);
    painter.drawRect(0, 0, ruler::width - 1, ruler::height - 1);
    return picture;
}

QPixmap trianglePicture(bool pointingDown) {
    QPixmap picture(pointerWidth, pointerHeight);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    if (pointingDown) {
        path.moveTo(0, 0);
        path.lineTo(pointerWidth, 0);
        path.lineTo(pointerWidth / 2.0, pointerHeight);
    } else {
        path.moveTo(0, pointerHeight);
        path.lineTo(pointerWidth, pointerHeight);
        path.lineTo(pointerWidth / 2.0, 0);
    }
    path.closeSubpath();
    painter.fillPath(path, QColor(200, 0, 0));
    return picture;
}

QPixmap sunPicture() {
    QPixmap picture(18, 18);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(230, 140, 0), 1.5));
    for (int ray = 0; ray < 8; ++ray) {
        painter.save();
        painter.translate(9, 9);
        painter.rotate(45 * ray);
        painter.drawLine(QPointF(0, 5.5), QPointF(0, 8.5));
        painter.restore();
    }
    painter.setBrush(QColor(255, 200, 0));
    painter.drawEllipse(QPointF(9, 9), 4.5, 4.5);
    return picture;
}

QPixmap moonPicture() {
    QPixmap picture(18, 18);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath disc;
    disc.addEllipse(QPointF(9, 9), 7, 7);
    QPainterPath bite;
    bite.addEllipse(QPointF(12.5, 6.5), 6, 6);
    painter.fillPath(disc.subtracted(bite), QColor(70, 70, 140));
    return picture;
}

QLabel *pictureLabel(const QPixmap &picture, QWidget *parent) {
    auto *label = new QLabel(parent);
    label->setPixmap(picture);
    label->resize(picture.size());
    return label;
}

} // namespace

TfrmTimePopup::TfrmTimePopup(QWidget *parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Time Entry"));
    setFixedSize(512, 133);

    Image1 = pictureLabel(rulerPicture(), this);
    Image1->move(rulerLeft, rulerTop);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setToolTip(QStringLiteral("Click to select time"));
    Image1->installEventFilter(this);
    imTop = pictureLabel(trianglePicture(true), this);
    imBot = pictureLabel(trianglePicture(false), this);
    imLine = new QLabel(this);
    imLine->setStyleSheet(QStringLiteral("background: rgb(200, 0, 0)"));
    imLine->resize(1, 32);
    imLine->setCursor(Qt::PointingHandCursor);
    imLine->installEventFilter(this);
    for (QLabel *part : {imTop, imBot})
        part->setAttribute(Qt::WA_TransparentForMouseEvents);

    Image3 = pictureLabel(sunPicture(), this);
    Image3->move(rulerLeft + ruler::timeToX(7, 0) - 9, rulerTop + ruler::height + 2);
    Image2 = pictureLabel(moonPicture(), this);
    Image2->move(rulerLeft + ruler::timeToX(19, 0) - 9, rulerTop + ruler::height + 2);

    pnlTime = new QLabel(QStringLiteral("00:00a"), this);
    pnlTime->setAlignment(Qt::AlignCenter);
    pnlTime->setFrameShape(QFrame::Box);
    pnlTime->setAutoFillBackground(true);
    pnlTime->resize(50, 17);
    pnlTime->hide();

    Clock1 = new AnalogClock(this);
    Clock1->setGeometry(8, 56, 72, 72);
    Clock1->setHandColors(QColor(0, 0, 128), QColor(0, 0, 255)); // navy, blue
    dtTime = new QTimeEdit(this);
    setUpTimeEdit(*dtTime);
    dtTime->setGeometry(92, 72, 100, 24);
    sbNow = new QPushButton(this);
    sbNow->setFlat(true);
    sbNow->setToolTip(QStringLiteral("Current time - click to set clock to current time"));
    sbNow->setGeometry(200, 72, 130, 24);
    btOK = new QPushButton(QStringLiteral("OK"), this);
    btOK->setDefault(true);
    btOK->setGeometry(344, 100, 76, 26);
    btCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btCancel->setGeometry(428, 100, 76, 26);
    for (QWidget *control : std::initializer_list<QWidget *>{dtTime, sbNow, btOK, btCancel})
        control->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TfrmTimePopup::ItIsNow);
    connect(dtTime, &QTimeEdit::timeChanged, this, &TfrmTimePopup::dtTimeChange);
    connect(sbNow, &QPushButton::clicked, this, &TfrmTimePopup::sbNowClick);
    connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);

    dtTime->setTime(now().time());
    dtTimeChange();
    ItIsNow();
    Timer1->start();
}

void TfrmTimePopup::settime(const QTime &time) {
    dtTime->setTime(time == QTime(0, 0) ? now().time() : time);
}

QTime TfrmTimePopup::time() const {
    return dtTime->time();
}

void TfrmTimePopup::showTime(const QTime &time) {
    Clock1->setTime(time);
}

void TfrmTimePopup::drawPointer(int x, bool setTime) {
    if (!ruler::pointerAccepts(x))
        return;
    const int left = x + 3;
    imTop->move(left, rulerTop);
    imBot->move(left, rulerTop + ruler::height - pointerHeight);
    imLine->setGeometry(left + 5, rulerTop + pointerHeight - 1, 1, ruler::height - 2 * pointerHeight + 2);
    pnlTime->move(left + 5 - pnlTime->width() / 2, rulerTop + ruler::height + 2);
    imTop->raise();
    imBot->raise();
    imLine->raise();
    pnlTime->raise();
    if (!setTime)
        return;
    const QTime time = ruler::xToTime(x);
    {
        const QSignalBlocker blocker(dtTime);
        dtTime->setTime(time);
    }
    showTime(time);
    pnlTime->setText(formatDateTime(QStringLiteral("hh:nna/p"), QDateTime(now().date(), time)));
    QPalette palette = pnlTime->palette();
    palette.setColor(QPalette::Window, ruler::isDayHour(time.hour()) ? dayGround : nightGround);
    pnlTime->setPalette(palette);
}

void TfrmTimePopup::dtTimeChange() {
    const QTime time = dtTime->time();
    drawPointer(ruler::timeToX(time.hour(), time.minute()), false);
    showTime(time);
}

void TfrmTimePopup::sbNowClick() {
    dtTime->setTime(now().time());
    dtTimeChange();
    ItIsNow();
}

void TfrmTimePopup::ItIsNow() {
    sbNow->setText(QStringLiteral("It is ") + formatDateTime(QStringLiteral("t"), now()));
}

void TfrmTimePopup::showEvent(QShowEvent *event) {
    dragging = false;
    Image1->resize(ruler::width, ruler::height);
    dtTimeChange();
    ItIsNow();
    QDialog::showEvent(event);
}

bool TfrmTimePopup::eventFilter(QObject *watched, QEvent *event) {
    if ((watched == Image1 || watched == imLine) && rulerMouse(event))
        return true;
    if (event->type() == QEvent::KeyPress && FormKeyDown(static_cast<QKeyEvent *>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

bool TfrmTimePopup::rulerMouse(QEvent *event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
        return false;
    auto *mouse = static_cast<QMouseEvent *>(event);
    const int x = Image1->mapFromGlobal(mouse->globalPosition().toPoint()).x();
    if (type == QEvent::MouseButtonDblClick) {
        accept();
    } else if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        dragging = true;
        pnlTime->show();
        drawPointer(x, true);
    } else if (type == QEvent::MouseMove && dragging) {
        drawPointer(x, true);
    } else if (type == QEvent::MouseButtonRelease) {
        dragging = false;
        pnlTime->hide();
    }
    return true;
}

bool TfrmTimePopup::FormKeyDown(int key) {
    const QTime time = dtTime->time();
    switch (key) {
    case Qt::Key_Up:
        dtTime->setTime(ruler::stepTime(time, ruler::Step::MinuteUp));
        break;
    case Qt::Key_Down:
        dtTime->setTime(ruler::stepTime(time, ruler::Step::MinuteDown));
        break;
    case Qt::Key_PageUp:
        dtTime->setTime(ruler::stepTime(time, ruler::Step::HourUp));
        break;
    case Qt::Key_PageDown:
        dtTime->setTime(ruler::stepTime(time, ruler::Step::HourDown));
        break;
    case Qt::Key_Home:
        dtTime->setTime(now().time());
        break;
    default:
        return false;
    }
    dtTimeChange();
    return true;
}

} // namespace corvane
