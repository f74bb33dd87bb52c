#include "settings/color.h"

#include "calendar/monthcalendar.h"
#include "widgets/colorcombo.h"

#include <QEvent>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace corvane {

TfrmColor::TfrmColor(QWidget *parent)
    : QDialog(parent), cbFG(new ColorCombo(this)), cbBG(new ColorCombo(this)), cal2(new MonthCalendar(this)),
      btOK(new QPushButton(QStringLiteral("OK"), this)),
      btCancel(new QPushButton(QStringLiteral("Cancel"), this)) {
    setWindowTitle(QStringLiteral("Set Color"));

    auto *colors = new QFormLayout;
    colors->addRow(QStringLiteral("ForeGround"), cbFG);
    colors->addRow(QStringLiteral("BackGround"), cbBG);

    // A fixed sample month: nothing on it reacts to the mouse.
    cal2->setDate(QDate(1998, 11, 1));
    cal2->setFirstDayOfWeek(Qt::Sunday);
    cal2->setOneLetterWeekdays(true);
    cal2->setAttribute(Qt::WA_TransparentForMouseEvents);
    cal2->setFocusPolicy(Qt::NoFocus);
    cal2->setMinimumSize(230, 170);

    btOK->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btOK);
    buttons->addWidget(btCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(colors);
    layout->addWidget(cal2, 1);
    layout->addLayout(buttons);

    connect(cbFG, &ColorCombo::colorChanged, this, &TfrmColor::cbFG2Click);
    connect(cbBG, &ColorCombo::colorChanged, this, &TfrmColor::cbFG2Click);
    connect(cal2, &MonthCalendar::drawCell, this, &TfrmColor::cal2DrawCell);
    connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmColor::changeEvent(QEvent *event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowTitleChange)
        return;
    // Wide enough for the window manager to show the whole caption (bold, as title bars mostly are, and
    // followed by the program's name) beside the window's icon and buttons.
    QFont title = font();
    title.setBold(true);
    const QFontMetrics metrics(title);
    const QString shown = windowTitle() + QStringLiteral(" — ") + QGuiApplication::applicationDisplayName();
    setMinimumWidth(std::max(300, metrics.horizontalAdvance(shown) + 8 * metrics.height()));
}

void TfrmColor::cbFG2Click() {
    cal2->update();
}

void TfrmColor::cal2DrawCell(QPainter *painter, const CalendarCell &cell, bool *useDefaultDrawing) {
    if (cell.inCurrentMonth) {
        painter->setBrush(cbBG->color());
        painter->setPen(cbFG->color());
    }
    *useDefaultDrawing = true;
}

} // namespace corvane
