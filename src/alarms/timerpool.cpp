#include "alarms/timerpool.h"

#include <QTimer>

namespace corvane {

TimerPool::TimerPool(QObject *parent) : QObject(parent) {}

int TimerPool::add(int intervalMs) {
    auto *timer = new QTimer(this);
    timer->setInterval(intervalMs);
    m_timers.push_back(timer);
    const int handle = int(m_timers.size());
    connect(timer, &QTimer::timeout, this,
            [this, handle, intervalMs] { emit allTriggers(handle, intervalMs); });
    timer->start();
    return handle;
}

QTimer *TimerPool::timer(int handle) const {
    if (handle < 1 || handle > int(m_timers.size()))
        return nullptr;
    return m_timers[size_t(handle - 1)];
}

void TimerPool::setEnabled(int handle, bool enabled) {
    QTimer *t = timer(handle);
    if (!t || t->isActive() == enabled)
        return;
    if (enabled)
        t->start();
    else
        t->stop();
}

bool TimerPool::isEnabled(int handle) const {
    const QTimer *t = timer(handle);
    return t && t->isActive();
}

int TimerPool::interval(int handle) const {
    const QTimer *t = timer(handle);
    return t ? t->interval() : 0;
}

} // namespace corvane
