#include "devicedialog.h"
#include "placement.h"

#include <QShowEvent>

namespace zentri::ui {

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
