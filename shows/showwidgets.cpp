#include "showwidgets.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace zentri::ui {

// ---- PressButton ------------------------------------------------------------------------------

namespace {

// What a screen reader sees of a PressButton: a push button whose one action, "press", acts as the
// mouse does. (The plain button's press action would click it, which a PressButton ignores.)
class AccessiblePressButton : public QAccessibleWidget {
public:
    explicit AccessiblePressButton(PressButton *button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? button()->text().remove(QLatin1Char('&')) : name;
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = button()->isDown();
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override {
        if (action == pressAction())
            button()->pressAndRelease();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    PressButton *button() const { return static_cast<PressButton *>(widget()); }
};

QAccessibleInterface *pressButtonAccessible(const QString &className, QObject *object) {
    if (className == QLatin1String(PressButton::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new AccessiblePressButton(static_cast<PressButton *>(object));
    return nullptr;
}

} // namespace

PressButton::PressButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(pressButtonAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
}

void PressButton::pressAndRelease() {
    if (!isEnabled())
        return;
    setDown(true);
    emit mouseDown(Qt::LeftButton);
    setDown(false);
    emit mouseUp(Qt::LeftButton);
}

void PressButton::setWordWrap(bool on) {
    wordWrap_ = on;
    update();
}

void PressButton::mousePressEvent(QMouseEvent *event) {
    event->accept();
    setDown(true);
    emit mouseDown(event->button());
    // A handler may have opened a message box that took the release: do not stay pushed in.
    if (!(QGuiApplication::mouseButtons() & event->button()))
        setDown(false);
}

void PressButton::mouseReleaseEvent(QMouseEvent *event) {
    event->accept();
    setDown(false);
    emit mouseUp(event->button());
}

void PressButton::mouseDoubleClickEvent(QMouseEvent *event) {
    // A second press within the double-click interval arrives as this event instead of a press
    // (press, release, double click, release): it is a press like any other.
    mousePressEvent(event);
}

QRect PressButton::captionArea() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(4, 2, -4, -2);
}

QFont PressButton::captionFont() const {
    const QRect area = captionArea();
    const int flags = Qt::AlignCenter | (wordWrap_ ? Qt::TextWordWrap : 0);
    QFont f = font();
    for (qreal size = f.pointSizeF(); size > 5; size -= 0.5) {
        f.setPointSizeF(size);
        const QRect needed = QFontMetrics(f).boundingRect(QRect(0, 0, area.width(), 100000), flags, text());
        if (needed.width() <= area.width() && needed.height() <= area.height())
            break;
    }
    return f;
}

void PressButton::paintEvent(QPaintEvent *event) {
    const QFont captionFont = this->captionFont();
    if (!wordWrap_ && captionFont == font()) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    p.setFont(captionFont);
    style()->drawItemText(&p, captionArea(), Qt::AlignCenter | (wordWrap_ ? Qt::TextWordWrap : 0), palette(),
                          isEnabled(), caption, QPalette::ButtonText);
}

// ---- ActivityIndicator ------------------------------------------------------------------------

ActivityIndicator::ActivityIndicator(QWidget *parent) : QWidget(parent) {
    frames_.setInterval(100);
    connect(&frames_, &QTimer::timeout, this, [this] {
        frame_ = (frame_ + 1) % kSectors;
        update();
    });
}

void ActivityIndicator::start() {
    if (frames_.isActive())
        return;
    frames_.start();
    update();
}

void ActivityIndicator::stop() {
    frames_.stop();
    frame_ = 0;
    update();
}

void ActivityIndicator::paintEvent(QPaintEvent *) {
    if (!isAnimating())
        return; // at rest the indicator is not drawn at all
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int side = qMin(width(), height());
    const qreal thickness = side / 5.0;
    const QRectF ring =
        QRectF((width() - side) / 2.0, (height() - side) / 2.0, side, side)
            .adjusted(thickness / 2 + 1, thickness / 2 + 1, -thickness / 2 - 1, -thickness / 2 - 1);
    const QColor lead = palette().color(QPalette::Highlight);
    constexpr int span = 360 / kSectors;
    for (int i = 0; i < kSectors; ++i) {
        // Sector i lies clockwise from twelve o'clock; the lead sector is the frame's, its trail fades.
        const int age = (frame_ - i + kSectors) % kSectors;
        QColor c = lead;
        c.setAlphaF(age == 0 ? 1.0 : qMax(0.12, 0.8 - 0.12 * age));
        p.setPen(QPen(c, thickness, Qt::SolidLine, Qt::FlatCap));
        const int startAngle = (90 - i * span - 4) * 16; // Qt angles: counter-clockwise from three o'clock
        p.drawArc(ring, startAngle, -(span - 8) * 16);
    }
}

} // namespace zentri::ui
