// The rig being worked on: the rig itself, the file it came from and whether it has changes not saved
// yet. The windows, the Rig menu, zentrictl and the watch service all keep their rig in one; the
// questions (which file, whether to drop changes) are the front ends'.
#pragma once

#include "confirmation.h"
#include "rigfile.h"
#include "rigstates.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace zentri::rig {

class Document : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    const Rig &rig() const { return rig_; }
    const QString &path() const { return path_; }
    bool isModified() const { return modified_; }

    // Reads `path` as the rig; on a refused file the rig stays as it was and `error` says why.
    bool open(const QString &path, QString *error);
    // Writes the rig to its file (save) or to `path` (save as), atomically; it then has no changes.
    bool save(QString *error) { return saveAs(path_, error); }
    bool saveAs(const QString &path, QString *error);
    // A new rig, in no file yet: one of `devices` (by MAC), asking the addresses given.
    void capture(const QString &name, const QVector<recUrzadzenia> &devices,
                 const QStringList &addresses = {});
    // Replaces the rig (in no file, changed) or, with a path, as read from that file.
    void set(const Rig &rig, const QString &path, bool modified);

    // The devices of `chosen` as they answered become the rig's: an entry takes the device's settings,
    // address and firmware, a device not in the rig is added. One line per device in `taken` (MAC, then
    // what changed) and in `skipped` (missing and duplicate devices).
    struct Taken {
        QString mac, name, ip, detail;
    };
    void take(const QVector<Row> &rows, const QStringList &chosen, QVector<Taken> *taken,
              QStringList *skipped);

    // What confirmed sends change in the rig: a replacement's entry takes the new MAC and address, a
    // readdressed device's entry its new addresses. The texts for the user: one per replacement (made
    // or not), and one for the readdressed entries.
    struct Adopted {
        QStringList replaced;
        QString readdressed;
        QStringList replacedMacs; // the devices whose replacement was made
    };
    Adopted adopt(const QVector<Outcome> &outcomes);

signals:
    // Another rig took this one's place (opened, captured, set); changed() follows.
    void replaced();
    // The rig, its file or its saved state changed.
    void changed();

private:
    Rig rig_;
    QString path_;
    bool modified_ = false;
};

} // namespace zentri::rig
