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

QComboBox *makeSizedList(QWidget *parent, const QString &name, QAbstractItemModel *items, int chars,
                         const QString &accessibleName) {
    QComboBox *list = ui::makeList(parent, name, items, accessibleName, chars);
    list->setFixedHeight(kRowHeight);
    return list;
}

QLabel *makeAllRowNote(QWidget *parent, const QString &what) {
    auto *note = makeLabel(
        parent, QStringLiteral("lbAllNote"),
        QStringLiteral("The NET and Universe of the \u201cAll\u201d row apply to all %1.").arg(what));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignCenter);
    note->setEnabled(false);
    note->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    return note;
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
