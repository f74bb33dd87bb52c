#pragma once

#include <QLabel>

namespace corvane {

// A caption shown in a pair of stored colour values (text on background); a click asks to change them.
class ColorPanel : public QLabel {
    Q_OBJECT
public:
    explicit ColorPanel(const QString &caption, QWidget *parent = nullptr);

    void setColors(int textColor, int backColor);
    int textColor() const { return m_text; }
    int backColor() const { return m_back; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_text = 0;
    int m_back = 0xFFFFFF;
};

} // namespace corvane
