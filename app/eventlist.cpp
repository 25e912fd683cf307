#include "eventlist.h"
#include "device/files.h"
#include "mainwindow.h"
#include "ui/messages.h"

namespace zentri {

EventList::EventList(QWidget *parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("lbEvents"));
    setAccessibleName(tr("Events"));
}

void EventList::add(const QVector<rig::Event> &events, int kept) {
    for (const rig::Event &e : events) {
        auto *item = new QListWidgetItem(
            QStringList{e.time.toString(QStringLiteral("HH:mm:ss")), e.event, e.mac, e.name, e.ip, e.detail}
                .join(QStringLiteral("  ")),
            this);
        item->setToolTip(e.line());
    }
    while (count() > kept)
        delete takeItem(0);
    scrollToBottom();
}

void EventList::save(const QStringList &lines) {
    const QString path =
        chooseFile(this, tr("Save events"), "eventsFileDialog", tr("Text (*.txt);;All files (*)"),
                   QStringLiteral("txt"), QStringLiteral("rig-events.txt"));
    if (path.isEmpty())
        return;
    QString error;
    const QByteArray text = lines.isEmpty() ? QByteArray() : (lines.join('\n') + '\n').toUtf8();
    if (!files::writeAtomically(path, text, false, &error)) {
        error[0] = error[0].toUpper();
        ui::showMessage(this, error);
    }
}

} // namespace zentri
