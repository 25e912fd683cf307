#include "uikit.h"
#include "artwork.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QGuiApplication>
#include <QHash>
#include <QMap>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QStringListModel>
#include <QSvgRenderer>

#include <cmath>
#include <cstring>
#include <utility>

// The artwork lives in a static library: its resources must be registered explicitly.
static void registerArtwork() {
    static bool done = false;
    if (!done) {
        Q_INIT_RESOURCE(zentri);
        done = true;
    }
}

namespace zentri::ui {

namespace {

QStringListModel *numbers(int first, int last, int width) {
    QStringList items;
    items.reserve(last - first + 1);
    for (int v = first; v <= last; ++v)
        items << QStringLiteral("%1").arg(v, width, 10, QLatin1Char('0'));
    auto *model = new QStringListModel(items, qApp);
    return model;
}

} // namespace

QAbstractItemModel *byteList() {
    static QStringListModel *m = numbers(0, 255, 1);
    return m;
}

QAbstractItemModel *channelList() {
    static QStringListModel *m = numbers(1, 512, 1);
    return m;
}

QAbstractItemModel *catalogList() {
    static QStringListModel *m = numbers(1, 99, 2);
    return m;
}

QAbstractItemModel *fileList() {
    static QStringListModel *m = numbers(1, 255, 3);
    return m;
}

QAbstractItemModel *textList(const QStringList &items) {
    static QMap<QStringList, QStringListModel *> made;
    auto it = made.find(items);
    if (it == made.end())
        it = made.insert(items, new QStringListModel(items, qApp));
    return it.value();
}

namespace {
// What a screen reader finds of a drop-down list. On the Linux accessibility bus a list's name is its
// selected item, and Qt's own interface falls back to the list's accessible name when nothing is
// selected, so that a list without a selection would read as if it held the words that say what it
// is. This one reads an empty name then; what the list is goes with its description.
class ListAccessible : public QAccessibleWidget {
public:
    explicit ListAccessible(QComboBox *list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        const QComboBox *list = static_cast<const QComboBox *>(widget());
        switch (t) {
        case QAccessible::Name:
        case QAccessible::Value:
            return list->currentText();
        case QAccessible::Description:
            return list->accessibleDescription().isEmpty() ? list->accessibleName()
                                                           : list->accessibleDescription();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override {
        if (action == showMenuAction() || action == pressAction())
            static_cast<QComboBox *>(widget())->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *listAccessible(const QString &className, QObject *object) {
    if (className != QLatin1String("QComboBox") && className != QLatin1String("zentri::ui::SizedList"))
        return nullptr;
    auto *list = qobject_cast<QComboBox *>(object);
    return list && !list->isEditable() ? new ListAccessible(list) : nullptr;
}
} // namespace

QComboBox *makeList(QWidget *parent, const QString &objectName, QAbstractItemModel *items,
                    const QString &accessibleName, int chars) {
    static const bool factory = [] {
        QAccessible::installFactory(listAccessible);
        return true;
    }();
    Q_UNUSED(factory);
    QComboBox *box = chars > 0 ? new SizedList(chars, parent) : new QComboBox(parent);
    box->setObjectName(objectName);
    box->setEditable(false);
    box->setModel(items);
    box->setMaxVisibleItems(16);
    if (!accessibleName.isEmpty())
        box->setAccessibleName(accessibleName);
    return box;
}

// ---- SizedList --------------------------------------------------------------------------------

SizedList::SizedList(int chars, QWidget *parent) : QComboBox(parent), chars_(chars) {
    setMinimumContentsLength(chars);
}

QSize SizedList::sizeHint() const {
    return hint(false);
}

QSize SizedList::minimumSizeHint() const {
    return hint(true);
}

QSize SizedList::hint(bool minimum) const {
    // The sizes depend on the length, the font and the style only, not on the items.
    struct Sizes {
        QSize size, minimum;
    };
    static QHash<QString, Sizes> known;
    const QString key = QStringLiteral("%1/%2/%3").arg(chars_).arg(quintptr(style())).arg(font().key());
    auto it = known.constFind(key);
    if (it == known.cend()) {
        QComboBox reference;
        reference.setFont(font());
        reference.setStyle(style());
        reference.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        reference.setMinimumContentsLength(chars_);
        it = known.insert(key, Sizes{reference.sizeHint(), reference.minimumSizeHint()});
    }
    return minimum ? it->minimum : it->size;
}

void selectPosition(QComboBox *list, int position) {
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

void showMessage(QWidget *parent, const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Zentri manager"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

void centerOnScreen(QWidget *window) {
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

// ---- Picture ----------------------------------------------------------------------------------

QImage prerenderedArtwork(const QString &resource, const QSize &pixels, qreal ratio) {
    const int percent = int(std::lround(ratio * 100));
    for (int i = 0; i < kPrerenderedArtworkCount; ++i) {
        const PrerenderedArtwork &art = kPrerenderedArtwork[i];
        if (art.width != pixels.width() || art.height != pixels.height() || art.ratioPercent != percent ||
            resource != QLatin1String(art.resource))
            continue;
        const QByteArray pixelData = qUncompress(art.pixels, art.size);
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        if (image.isNull() || pixelData.size() != image.sizeInBytes())
            return {};
        std::memcpy(image.bits(), pixelData.constData(), size_t(pixelData.size()));
        image.setDevicePixelRatio(ratio);
        return image;
    }
    return {};
}

namespace {
QSize pixelSize(const QWidget *w) {
    return (QSizeF(w->size()) * w->devicePixelRatioF()).toSize();
}
} // namespace

Picture::Picture(const QString &resource, QWidget *parent) : QWidget(parent), resource_(resource) {
    registerArtwork();
}

Picture::~Picture() {
    if (ahead_.valid())
        ahead_.wait();
}

QSvgRenderer *Picture::renderer() const {
    if (!renderer_) {
        renderer_ = new QSvgRenderer(resource_, const_cast<Picture *>(this));
        renderer_->setAspectRatioMode(Qt::KeepAspectRatio);
    }
    return renderer_;
}

QSize Picture::sizeHint() const {
    return renderer()->defaultSize();
}

void Picture::renderAhead() {
    const QString resource = resource_;
    const QSize pixels = pixelSize(this);
    const qreal ratio = devicePixelRatioF();
    ahead_ = std::async(std::launch::async, [resource, pixels, ratio] {
        QImage image = prerenderedArtwork(resource, pixels, ratio);
        if (!image.isNull())
            return image;
        QSvgRenderer renderer(resource); // a renderer of its own: they are not shared between threads
        renderer.setAspectRatioMode(Qt::KeepAspectRatio);
        return drawArtwork(renderer, pixels, ratio);
    });
}

void Picture::paintEvent(QPaintEvent *) {
    const QSize pixels = pixelSize(this);
    if (drawn_.size() != pixels) {
        if (ahead_.valid())
            drawn_ = ahead_.get();
        if (drawn_.size() != pixels)
            drawn_ = prerenderedArtwork(resource_, pixels, devicePixelRatioF());
        if (drawn_.size() != pixels)
            drawn_ = drawArtwork(*renderer(), pixels, devicePixelRatioF());
    }
    QPainter p(this);
    p.drawImage(QPointF(0, 0), drawn_);
}

// ---- ColorPanel -------------------------------------------------------------------------------

ColorPanel::ColorPanel(QWidget *parent) : QFrame(parent) {}

void ColorPanel::setColor(const QColor &color) {
    if (color == color_)
        return;
    color_ = color;
    update();
}

void ColorPanel::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), color_);
    p.setPen(color_.darker(160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

// ---- DeviceDialog -----------------------------------------------------------------------------

DeviceDialog::DeviceDialog(DeviceLink *link, const QString &caption, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      link_(link) {
    setWindowTitle(caption);
    setModal(true);
}

void DeviceDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return; // restored by the window system, not a new showing
    device_ = link_->selectedDevice();
    centerOnScreen(this);
    activated();
}

bool DeviceDialog::saveRecord(const std::function<void(recUrzadzenia &)> &edit) {
    auto rec = deviceRecord();
    if (!rec)
        return false;
    edit(*rec);
    return link_->storeRecord(device_, *rec);
}

void DeviceDialog::done(int result) {
    if (isVisible())
        closing();
    QDialog::done(result);
}

} // namespace zentri::ui
