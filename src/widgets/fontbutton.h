#pragma once

#include <QPushButton>

namespace corvane {

// A push button that holds a chosen font as its own font, but shows its caption and takes its size in
// the font of the window around it: choosing a large font changes neither the button nor its window.
class FontButton : public QPushButton {
    Q_OBJECT
public:
    explicit FontButton(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFont captionFont() const;
};

} // namespace corvane
