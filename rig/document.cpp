#include "document.h"

#include "device/configfile.h"
#include "device/files.h"
#include "plans.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace zentri::rig {

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(zentri::rig::Document)
};

QString firstUpper(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}
} // namespace

bool Document::open(const QString &path, QString *error) {
    const auto text = files::readWhole(path, kMaxFileSize, error);
    if (!text) {
        *error = firstUpper(*error);
        return false;
    }
    Parsed parsed = parse(*text);
    if (!parsed.rig) {
        *error = QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), parsed.error);
        return false;
    }
    set(*parsed.rig, path, false);
    return true;
}

bool Document::saveAs(const QString &path, QString *error) {
    if (!files::writeAtomically(path, write(rig_), false, error)) {
        *error = firstUpper(*error);
        return false;
    }
    path_ = path;
    modified_ = false;
    emit changed();
    return true;
}

void Document::capture(const QString &name, const QVector<recUrzadzenia> &devices,
                       const QStringList &addresses) {
    Rig captured = rig::capture(name, devices);
    captured.addresses = addresses;
    set(captured, QString(), true);
}

void Document::set(const Rig &rig, const QString &path, bool modified) {
    rig_ = rig;
    path_ = path;
    modified_ = modified;
    emit replaced();
    emit changed();
}

void Document::take(const QVector<Row> &rows, const QStringList &chosen, QVector<Taken> *taken,
                    QStringList *skipped) {
    bool any = false;
    for (const QString &mac : chosen) {
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const Row &r) { return r.mac == mac; });
        if (row == rows.end())
            continue;
        const QString name = row->name(rig_);
        if (row->state == State::Missing || row->state == State::Duplicate || !row->device) {
            *skipped << Words::tr("%1 (%2): %3").arg(name, mac, stateText(row->state));
            continue;
        }
        const recUrzadzenia &device = *row->device;
        const int entry = rig_.indexOf(mac);
        if (entry < 0) {
            rig_.devices.append(device);
            *taken << Taken{mac, name, device.IP, Words::tr("added to the rig")};
        } else {
            recUrzadzenia &e = rig_.devices[entry];
            const QString detail = changesText(e, device);
            configfile::applyConfiguration(device, e);
            e.IP = device.IP;
            e.FWVer = device.FWVer;
            *taken << Taken{mac, name, device.IP, detail};
        }
        any = true;
    }
    if (any) {
        modified_ = true;
        emit changed();
    }
}

Document::Adopted Document::adopt(const QVector<Outcome> &outcomes) {
    Adopted adopted;
    QStringList readdressed;
    bool changedRig = false;
    for (const Outcome &o : outcomes) {
        const Send &s = o.send;
        if (!o.confirmed()) {
            if (!s.replacedMac.isEmpty() || s.newEntry)
                adopted.replaced << Words::tr("The rig entry of %1 was not changed.").arg(s.name);
            continue;
        }
        const int own = rig_.indexOf(s.mac);
        if (s.newEntry && own >= 0) {
            rig_.devices[own] = *s.newEntry;
            readdressed << s.name;
            changedRig = true;
        }
        const int entry = s.replacedMac.isEmpty() ? -1 : rig_.indexOf(s.replacedMac);
        if (entry >= 0 && own < 0) {
            rig_.devices[entry].MAC = s.mac;
            rig_.devices[entry].IP = s.ip;
            changedRig = true;
            adopted.replacedMacs << s.mac;
            adopted.replaced
                << Words::tr("The rig entry \"%1\" is now the device %2 (was %3); save the rig to keep it.")
                       .arg(s.name, s.mac, s.replacedMac);
        }
    }
    if (!readdressed.isEmpty())
        adopted.readdressed =
            Words::tr("The rig's entries took the new addresses (%1); save the rig to keep them.")
                .arg(readdressed.join(QStringLiteral(", ")));
    if (changedRig) {
        modified_ = true;
        emit changed();
    }
    return adopted;
}

} // namespace zentri::rig
