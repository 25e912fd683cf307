// Coloured panels, the indicator lights of the windows.
#pragma once

#include <QColor>
#include <QFrame>

namespace zentri::ui {

// A coloured panel behind a control: its colour is the control's indicator light.
class ColorPanel : public QFrame {
    Q_OBJECT
public:
    explicit ColorPanel(QWidget *parent = nullptr);
    void setColor(const QColor &color);
    QColor color() const { return color_; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor color_{192, 192, 192};
};

} // namespace zentri::ui
