#include "calendar/datenavigator.h"

#include "store/clock.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace corvane {

DateNavigator::DateNavigator(QWidget *parent) : QWidget(parent), m_date(now().date()), m_label(new QLabel) {
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setText(text());

    QToolButton *priorYear = addStepButton(QStringLiteral("\u00ab"), tr("Prior year"));
    QToolButton *priorMonth = addStepButton(QStringLiteral("\u2039"), tr("Prior month"));
    QToolButton *nextMonth = addStepButton(QStringLiteral("\u203a"), tr("Next month"));
    QToolButton *nextYear = addStepButton(QStringLiteral("\u00bb"), tr("Next year"));
    layout->addWidget(priorYear);
    layout->addWidget(priorMonth);
    layout->addWidget(m_label, 1);
    layout->addWidget(nextMonth);
    layout->addWidget(nextYear);
    connect(priorYear, &QToolButton::clicked, this, [this] { stepYears(-1); });
    connect(priorMonth, &QToolButton::clicked, this, [this] { stepMonths(-1); });
    connect(nextMonth, &QToolButton::clicked, this, [this] { stepMonths(1); });
    connect(nextYear, &QToolButton::clicked, this, [this] { stepYears(1); });
    setFixedHeight(20);
}

QToolButton *DateNavigator::addStepButton(const QString &text, const QString &hint) {
    auto *button = new QToolButton(this);
    button->setText(text);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedWidth(22);
    return button;
}

void DateNavigator::setDate(const QDate &date) {
    if (!date.isValid() || date == m_date)
        return;
    m_date = date;
    m_label->setText(text());
    emit changed();
}

QString DateNavigator::text() const {
    return locale().monthName(m_date.month()) + QLatin1Char(' ') + QString::number(m_date.year());
}

} // namespace corvane
