#pragma once

#include <QColor>
#include <QLabel>

namespace corvane {

// A label whose text stands raised above a shadow: the shadow is the text drawn again, offset down and
// right by the shadow depth, in the shadow colour.
class ShadowLabel : public QLabel {
    Q_OBJECT
public:
    explicit ShadowLabel(const QString &text = QString(), QWidget *parent = nullptr);

    int shadowDepth() const { return m_depth; }
    void setShadowDepth(int depth);
    QColor shadowColor() const { return m_shadowColor; }
    void setShadowColor(const QColor &color);
    QColor textColor() const;
    void setTextColor(const QColor &color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    static constexpr int Room = 1;
    QSize extra() const;

    int m_depth = 1;
    QColor m_shadowColor = QColor(128, 128, 128);
};

} // namespace corvane
