#pragma once

#include <QWidget>

#include <array>

namespace corvane {

// The days of a month as a 7 × 5 grid (day r × 7 + c + 1 in row r, column c). Selecting a cell toggles its
// day; the four cells after day 31 are blank and cannot be selected. Selected days are painted white on
// black. The mouse selects a cell; the arrow keys move the focus cell and Space selects it.
class DayGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int columns = 7;
    static constexpr int rows = 5;

    explicit DayGrid(QWidget *parent = nullptr);

    // The selected-days set: flag d - 1 for day d; flags 31 to 35 are never set.
    const std::array<bool, 36> &days() const { return m_days; }
    // Toggles the day of the cell; blank cells and cells outside the grid do nothing.
    void selectCell(int row, int column);
    QRect cellRect(int row, int column) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::array<bool, 36> m_days{};
    int m_focusRow = 0;
    int m_focusColumn = 0;
};

} // namespace corvane
