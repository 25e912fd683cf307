// The drop-down lists of the windows: number lists shared by every list of the same kind, and
// select-only lists over them.
#pragma once

#include <QComboBox>
#include <QSize>
#include <QString>
#include <QStringList>

class QAbstractItemModel;

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

// A select-only drop-down list whose pop-up shows at most maxVisibleItems() rows (20), below or above
// the list, scrolled to the selected item, in every style: some styles would otherwise open a list of
// 512 channels as high as the screen.
class ListBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr int kPopupRows = 20;
    explicit ListBox(QWidget *parent = nullptr);
    void showPopup() override;
};

// A drop-down list as wide as `chars` characters and an icon, as the size policy
// AdjustToMinimumContentsLengthWithIcon makes it. That policy builds the list's pop-up at once; this
// list works its size out once for each length and font, and its pop-up waits until it is opened.
class SizedList : public ListBox {
    Q_OBJECT
public:
    SizedList(int chars, QWidget *parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    QSize hint(bool minimum) const;
    int chars_;
};

} // namespace zentri::ui
