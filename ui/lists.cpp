#include "lists.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QMap>
#include <QScreen>
#include <QStringListModel>
#include <algorithm>

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
// Its value is the selected item: the number the item shows in a list of numbers, otherwise its
// position. A screen reader that sets the value chooses that item as a click on it in the pop-up does.
class ListAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
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

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override {
        const int position = list()->currentIndex();
        return position < 0 ? QVariant() : QVariant(valueAt(position));
    }
    void setCurrentValue(const QVariant &value) override {
        if (!list()->isEnabled())
            return; // what the window does not offer, a screen reader cannot choose either
        bool ok = false;
        const int wanted = value.toInt(&ok);
        if (!ok)
            return;
        const bool byNumber = numbers();
        for (int position = 0; position < list()->count(); ++position) {
            if (valueAt(position, byNumber) != wanted)
                continue;
            QComboBox *box = list();
            box->setCurrentIndex(position);
            emit box->activated(position);
            emit box->textActivated(box->itemText(position));
            return;
        }
    }
    QVariant minimumValue() const override { return list()->count() ? valueAt(0) : 0; }
    QVariant maximumValue() const override { return list()->count() ? valueAt(list()->count() - 1) : 0; }
    QVariant minimumStepSize() const override { return 1; }

    void doAction(const QString &action) override {
        if (action == showMenuAction() || action == pressAction())
            static_cast<QComboBox *>(widget())->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
    bool numbers() const {
        for (int position = 0; position < list()->count(); ++position) {
            bool number = false;
            list()->itemText(position).toInt(&number);
            if (!number)
                return false;
        }
        return list()->count() > 0;
    }
    int valueAt(int position, bool byNumber) const {
        return byNumber ? list()->itemText(position).toInt() : position;
    }
    int valueAt(int position) const { return valueAt(position, numbers()); }
};

QAccessibleInterface *listAccessible(const QString &className, QObject *object) {
    if (className != QLatin1String("QComboBox") && className != QLatin1String("zentri::ui::SizedList") &&
        className != QLatin1String("zentri::ui::ListBox"))
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
    QComboBox *box = chars > 0 ? new SizedList(chars, parent) : new ListBox(parent);
    box->setObjectName(objectName);
    box->setEditable(false);
    box->setModel(items);
    if (!accessibleName.isEmpty())
        box->setAccessibleName(accessibleName);
    return box;
}

// ---- ListBox ----------------------------------------------------------------------------------

ListBox::ListBox(QWidget *parent) : QComboBox(parent) {
    setMaxVisibleItems(kPopupRows);
}

void ListBox::showPopup() {
    QComboBox::showPopup();
    QAbstractItemView *list = view();
    QWidget *popup = list->parentWidget();
    if (!popup || !popup->isVisible() || count() == 0)
        return;
    const int rows = std::min(count(), maxVisibleItems());
    const int frame = popup->height() - list->viewport()->height();
    const int wanted = rows * std::max(1, list->sizeHintForRow(0)) + frame;
    if (popup->height() <= wanted)
        return;
    // Below the list where it fits on the screen, else above it.
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect();
    QPoint at = mapToGlobal(QPoint(0, height()));
    if (screen.isValid() && at.y() + wanted > screen.bottom())
        at.setY(mapToGlobal(QPoint(0, 0)).y() - wanted);
    popup->setGeometry(QRect(QPoint(popup->x(), at.y()), QSize(popup->width(), wanted)));
    list->scrollTo(list->currentIndex(), QAbstractItemView::PositionAtCenter);
}

// ---- SizedList --------------------------------------------------------------------------------

SizedList::SizedList(int chars, QWidget *parent) : ListBox(parent), chars_(chars) {
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

} // namespace zentri::ui
