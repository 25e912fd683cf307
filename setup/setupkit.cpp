#include "setupkit.h"
#include "ui/lists.h"
#include "ui/picture.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace zentri::setup {

QString numbered(const char *prefix, int number) {
    return QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(number, 2, 10, QLatin1Char('0'));
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLabel *addHeader(QWidget *parent, QGridLayout *grid, const char *name, const QString &text, int column,
                  Qt::Alignment alignment) {
    QLabel *label = makeLabel(parent, QLatin1String(name), text);
    grid->addWidget(label, 0, column, alignment | Qt::AlignBottom);
    return label;
}

QComboBox *makeSizedList(QWidget *parent, const QString &name, QAbstractItemModel *items, int chars,
                         const QString &accessibleName) {
    QComboBox *list = ui::makeList(parent, name, items, accessibleName, chars);
    list->setFixedHeight(kRowHeight);
    return list;
}

void PatchRows::addRow(QWidget *parent, QGridLayout *grid, int i, const char *labelName,
                       const QString &caption, const QString &what) {
    const int r = i + 1;
    labels[i] = makeLabel(parent, QLatin1String(labelName), caption);
    net[i] = makeSizedList(parent, numbered("cbxNET", r), ui::byteList(), 3, tr("%1 NET").arg(what));
    universe[i] =
        makeSizedList(parent, numbered("cbxUniverse", r), ui::byteList(), 3, tr("%1 Universe").arg(what));
    channel[i] =
        makeSizedList(parent, numbered("cbxChannel", r), ui::channelList(), 3, tr("%1 channel").arg(what));
    grid->setRowMinimumHeight(r, kRowHeight);
    grid->addWidget(labels[i], r, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(net[i], r, 1);
    grid->addWidget(universe[i], r, 2);
    grid->addWidget(channel[i], r, 3);
}

void PatchRows::showAllRow(bool artNet) const {
    for (int i = 1; i < kRows; ++i) {
        net[i]->hide();
        universe[i]->hide();
        labels[i]->hide();
    }
    labels[0]->setText(tr("All"));
    for (int i = 0; i < kRows; ++i) {
        net[i]->setEnabled(artNet);
        universe[i]->setEnabled(artNet);
    }
}

void PatchRows::addAllRowNote(QWidget *parent, QGridLayout *grid, const QString &text) const {
    auto *note = makeLabel(parent, QStringLiteral("lbAllNote"), text);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignCenter);
    note->setEnabled(false);
    note->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    grid->addWidget(note, 2, 0, kRows, 3);
}

void addTerminalBlock(QGridLayout *grid, const QString &resource, const QString &accessibleName, int column,
                      int rows) {
    auto *picture = new ui::Picture(resource, grid->parentWidget());
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setAccessibleName(accessibleName);
    picture->setFixedSize(picture->sizeHint());
    grid->addWidget(picture, 1, column, rows, 1, Qt::AlignTop | Qt::AlignHCenter);
    grid->setColumnMinimumWidth(column, picture->width() + 6);
}

} // namespace zentri::setup
