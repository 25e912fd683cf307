#include "about.h"
#include "ui/legibility.h"
#include "ui/picture.h"
#include "ui/placement.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>

namespace zentri {

TfAbout::TfAbout(QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("fAbout"));
    setWindowTitle(tr("About..."));

    auto *icon = new ui::Picture(QStringLiteral(":/art/zentri-icon.svg"), this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setAccessibleName(tr("Zentri logo"));
    icon->setGeometry(12, 12, 64, 64);

    auto *version = new QLabel(tr("Zentri manager v.: %1").arg(QStringLiteral("1.0")), this);
    version->setObjectName(QStringLiteral("Label1"));
    version->setGeometry(88, 18, 160, 20);
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);

    auto *web = new QLabel(QStringLiteral("www.orvane.com"), this);
    web->setObjectName(QStringLiteral("Label2"));
    web->setGeometry(88, 44, 160, 20);
    web->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("btClose"));
    close->setGeometry(163, 90, 80, 28);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept); // btCloseClick

    // At a larger font everything grows with it, so that no caption or text is cut.
    const double scale = ui::fontScale(this);
    ui::scaleGeometry(this, scale);
    // A longer translation of the version line widens the window by what it needs beyond its place.
    const int wider = std::max(0, version->sizeHint().width() - version->width());
    for (QLabel *label : {version, web})
        label->resize(label->width() + wider, label->height());
    close->move(close->x() + wider, close->y());
    setFixedSize(int(253 * scale) + wider, int(127 * scale));
}

void TfAbout::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        ui::centerOnScreen(this);
}

} // namespace zentri
