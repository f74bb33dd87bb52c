#pragma once

#include <QDate>
#include <QWidget>

class QLabel;
class QToolButton;

namespace corvane {

// A month and year with buttons that step them a year or a month back and forth. changed() is raised
// whenever the date changes; the program sets the date quietly by blocking signals (QSignalBlocker).
class DateNavigator : public QWidget {
    Q_OBJECT
public:
    explicit DateNavigator(QWidget *parent = nullptr);

    QDate date() const { return m_date; }
    void setDate(const QDate &date);
    // Steps keep the day of the month, clamped to the target month's last day.
    void stepMonths(int months) { setDate(m_date.addMonths(months)); }
    void stepYears(int years) { setDate(m_date.addYears(years)); }
    // The shown text, "December 2026".
    QString text() const;

signals:
    void changed();

private:
    QToolButton *addStepButton(const QString &text, const QString &hint);

    QDate m_date;
    QLabel *m_label;
};

} // namespace corvane
