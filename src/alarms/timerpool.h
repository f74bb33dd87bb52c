#pragma once

#include <QObject>

#include <vector>

class QTimer;

namespace corvane {

// One source of periodic ticks: triggers with their own interval and enable switch, each known by the
// handle add() returns. Every tick of every trigger arrives on the UI thread through allTriggers().
class TimerPool : public QObject {
    Q_OBJECT
public:
    explicit TimerPool(QObject *parent = nullptr);

    // Adds a trigger firing every `intervalMs` milliseconds, enabled at once. Handles count up from 1.
    int add(int intervalMs);
    void setEnabled(int handle, bool enabled);
    bool isEnabled(int handle) const;
    int interval(int handle) const;
    int count() const { return int(m_timers.size()); }

signals:
    void allTriggers(int handle, int intervalMs);

private:
    QTimer *timer(int handle) const;
    std::vector<QTimer *> m_timers;
};

} // namespace corvane
