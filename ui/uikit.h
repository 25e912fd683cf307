// Building blocks shared by the manager's windows.
#pragma once

#include "device/link.h"

#include <QColor>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>
#include <future>

class QAbstractItemModel;

class QSvgRenderer;

namespace zentri::ui {

// Number lists, shared by every drop-down list of the same kind so that start-up stays fast:
// "0".."255" (position = value), "1".."512" (position = channel - 1), "01".."99", "001".."255".
QAbstractItemModel *byteList();
QAbstractItemModel *channelList();
QAbstractItemModel *catalogList();
QAbstractItemModel *fileList();
QAbstractItemModel *textList(const QStringList &items); // a list of fixed items, made once per item set

// A select-only drop-down list over a shared list; with `chars` > 0 one sized for that many characters
// (a SizedList).
QComboBox *makeList(QWidget *parent, const QString &objectName, QAbstractItemModel *items,
                    const QString &accessibleName = QString(), int chars = 0);
// Selects `position`, or nothing when the list has no such position.
void selectPosition(QComboBox *list, int position);

// A drop-down list as wide as `chars` characters and an icon, as the size policy
// AdjustToMinimumContentsLengthWithIcon makes it. That policy builds the list's pop-up at once; this
// list works its size out once for each length and font, and its pop-up waits until it is opened.
class SizedList : public QComboBox {
    Q_OBJECT
public:
    SizedList(int chars, QWidget *parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    QSize hint(bool minimum) const;
    int chars_;
};

// Plain message box with the program's title (the main window becomes active again afterwards).
void showMessage(QWidget *parent, const QString &text);

// Places a top-level window in the middle of the screen it is on.
void centerOnScreen(QWidget *window);

// The drawing of the artwork `resource` (":/art/front-panel.svg") at `pixels` and `ratio` that was
// made when the program was built, so that the start-up needs neither the vector drawing nor its
// fonts; a null image where none was made. Only the main window's front panel is drawn ahead, at the
// size the main window shows it at, for device pixel ratios 1 and 2.
QImage prerenderedArtwork(const QString &resource, const QSize &pixels, qreal ratio);

// A picture drawn from one of the program's SVG resources, sharp at any scale. It is drawn once for
// each size it is shown at and kept (taken from the drawings made at build time where there is one),
// and its resource is read when first needed.
class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(const QString &resource, QWidget *parent = nullptr);
    ~Picture() override;
    QSize sizeHint() const override;

    // Starts drawing the picture at its present size on another thread, so that its first showing
    // finds it ready (the main window's front panel, drawn while the other windows are built).
    void renderAhead();

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QSvgRenderer *renderer() const;

    QString resource_;
    mutable QSvgRenderer *renderer_ = nullptr;
    QImage drawn_; // the picture at the size it was last shown at
    std::future<QImage> ahead_;
};

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

// A modal window of the manager that works on one device: the one selected when it is shown, from
// that showing to its closing, whatever rows are added or selected meanwhile. Centred on the screen,
// with only a close box, activated at each showing and told of each close, whichever way it closes.
class DeviceDialog : public QDialog {
    Q_OBJECT
public:
    DeviceDialog(DeviceLink *link, const QString &caption, QWidget *parent = nullptr);

    // The device the window was last shown for.
    DeviceRef device() const { return device_; }

protected:
    virtual void activated() {} // each time the window is shown
    virtual void closing() {}   // each time it closes: "Save & Close", "Close", Escape or the close box
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

    // A copy of the device's record (none once a discovery has dropped it).
    std::optional<recUrzadzenia> deviceRecord() const { return link_->record(device_); }
    // Applies `edit` to a fresh copy of the device's record and stores it, in one step (nothing may run
    // an event loop in between); false, and nothing stored, once a discovery has dropped the device.
    bool saveRecord(const std::function<void(recUrzadzenia &)> &edit);
    // One command to the device; false when it was refused or the device is gone.
    bool sendToDevice(const QByteArray &datagram) { return link_->sendToDevice(device_, datagram); }

    DeviceLink *link_;

private:
    DeviceRef device_;
};

} // namespace zentri::ui
