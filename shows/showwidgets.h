// Controls of the live show recording window: buttons that act on the mouse press, and the busy
// indicator that spins while Art-Net packets reach the device.
#pragma once

#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace zentri::ui {

// A button that reports the press and the release of any mouse button; it takes no keyboard focus,
// so neither the keyboard nor a default-button press can trigger it. A screen reader's press action
// on it is a press and release of the left mouse button. Its caption may wrap over several lines.
class PressButton : public QPushButton {
    Q_OBJECT
public:
    explicit PressButton(const QString &caption, QWidget *parent = nullptr);

    // The press action of the accessibility interface: a mouse press and release, if enabled.
    void pressAndRelease();

    void setWordWrap(bool on);
    // The font the caption is drawn in: the button's own, made smaller until the caption fits
    // (wrapped into lines where word wrap is on); a long translation stays whole.
    QFont captionFont() const;
    // Where the caption is drawn.
    QRect captionArea() const;

signals:
    void mouseDown(Qt::MouseButton button);
    void mouseUp(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool wordWrap_ = false;
};

// A ring of sectors of which one, with a fading trail, goes round one step per frame.
class ActivityIndicator : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSectors = 12;

    explicit ActivityIndicator(QWidget *parent = nullptr);

    void start();
    void stop();
    bool isAnimating() const { return frames_.isActive(); }
    int frameDelay() const { return frames_.interval(); }
    int frame() const { return frame_; }
    QSize sizeHint() const override { return {32, 32}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer frames_;
    int frame_ = 0;
};

} // namespace zentri::ui
