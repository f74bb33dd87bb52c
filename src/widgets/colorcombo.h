#pragma once

#include <QComboBox>

namespace corvane {

// A colour drop-down: the named colours, the current colour when it is none of them (a system colour or
// any other), and "Custom…" which opens the colour dialog. Colours are stored colour values (0x00BBGGRR,
// top bit for system colours).
class ColorCombo : public QComboBox {
    Q_OBJECT
public:
    explicit ColorCombo(QWidget *parent = nullptr);

    int colorValue() const;
    void setColorValue(int value);
    QColor color() const;

protected:
    // Stepping with the wheel or the arrow keys passes over "Custom…": only a choice from the list opens
    // the colour dialog.
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

signals:
    // The current colour was set or picked (from the list or the colour dialog).
    void colorChanged(int value);

private:
    void itemActivated(int index);
    void chooseCustom();
    int addColorItem(int index, const QString &name, int value);
    int customIndex() const { return count() - 1; }

    int m_current = 0;
    int m_extraIndex = -1; // the row that shows an unlisted current colour
    bool m_stepping = false;
};

} // namespace corvane
