#include "configwindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentri::setup {

ConfigWindow::ConfigWindow(DeviceLink *link, const QString &objectName, const QString &caption,
                           const QString &closeName)
    : ui::DeviceDialog(link, caption), closeName_(closeName) {
    setObjectName(objectName);
}

void ConfigWindow::layOut(std::initializer_list<QObject *> parts, int topMargin) {
    auto *save = new QPushButton(tr("Save && Close"), this);
    auto *close = new QPushButton(tr("Close"), this);
    save->setObjectName(QStringLiteral("btSaveClose"));
    close->setObjectName(closeName_);
    for (QPushButton *button : {save, close}) {
        button->setAutoDefault(false); // Enter in a list does not save
        button->setMinimumWidth(110);
    }
    connect(save, &QPushButton::clicked, this, &ConfigWindow::btSaveCloseClick);
    connect(close, &QPushButton::clicked, this, &ConfigWindow::Button2Click);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(close);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(16, topMargin, 16, 14);
    root->setSpacing(14);
    root->setSizeConstraint(QLayout::SetFixedSize);
    for (QObject *part : parts) {
        if (auto *layout = qobject_cast<QLayout *>(part))
            root->addLayout(layout);
        else if (auto *widget = qobject_cast<QWidget *>(part))
            root->addWidget(widget);
    }
    root->addLayout(buttons);
}

void ConfigWindow::activated() {
    load(deviceRecord().value_or(recUrzadzenia()));
}

void ConfigWindow::btSaveCloseClick() {
    const WindowResult result = checkSave();
    const bool saved = saveRecord([this](recUrzadzenia &rec) { store(rec); });
    done(saved ? result : ResultCancel);
}

} // namespace zentri::setup
