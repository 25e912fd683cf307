#include "rigfile.h"

#include "device/configfile.h"
#include "device/files.h"
#include "device/strictjson.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <cmath>

namespace zentri::rig {

const char kFormatName[] = "Zentri rig";

namespace {
// The context of this file's texts in the translations.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(zentri::rig::File)
};

const QString kName = QStringLiteral("name");
const QString kAddresses = QStringLiteral("addresses");
const QString kDevices = QStringLiteral("devices");

Parsed refuse(const QString &why) {
    Parsed p;
    p.error = Words::tr("The rig file was refused; nothing was changed or sent: %1.").arg(why);
    return p;
}

bool isMac(const QString &text) {
    static const QRegularExpression form(QStringLiteral("^([0-9A-F]{2}:){5}[0-9A-F]{2}$"));
    return form.match(text).hasMatch();
}

} // namespace

int Rig::indexOf(const QString &mac) const {
    for (int i = 0; i < devices.size(); ++i)
        if (devices[i].MAC == mac)
            return i;
    return -1;
}

QByteArray write(const Rig &rig) {
    QJsonArray devices;
    for (const recUrzadzenia &d : rig.devices)
        devices.append(QJsonDocument::fromJson(configfile::write(d)).object());
    QJsonObject root;
    root.insert(files::kFormatKey, QString::fromLatin1(kFormatName));
    root.insert(files::kFormatVersionKey, kFormatVersion);
    root.insert(kName, rig.name);
    root.insert(kAddresses, QJsonArray::fromStringList(rig.addresses));
    root.insert(kDevices, devices);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Parsed parse(const QByteArray &text) {
    QString why;
    const auto object = strictjson::parseObject(text, &why);
    if (!object)
        return refuse(Words::tr("it is not a Zentri rig: %1").arg(why));
    const QJsonObject root = *object;
    if (root.value(files::kFormatKey).toString() != QLatin1String(kFormatName))
        return refuse(Words::tr("it is not a Zentri rig: its \"%1\" is not \"%2\"")
                          .arg(files::kFormatKey, kFormatName));
    const QJsonValue version = root.value(files::kFormatVersionKey);
    if (!version.isDouble() || version.toDouble() < 1 || version.toDouble() != std::floor(version.toDouble()))
        return refuse(Words::tr("its %1 is missing or not a format version").arg(files::kFormatVersionKey));
    if (version.toDouble() > kFormatVersion)
        return refuse(Words::tr("its %1 is %2, newer than this program reads (%3)")
                          .arg(files::kFormatVersionKey)
                          .arg(version.toDouble())
                          .arg(kFormatVersion));
    const QString twice = strictjson::duplicateKey(text);
    if (!twice.isEmpty())
        return refuse(twice);
    static const QSet<QString> known{files::kFormatKey, files::kFormatVersionKey, kName, kAddresses,
                                     kDevices};
    for (auto it = root.begin(); it != root.end(); ++it)
        if (!known.contains(it.key()))
            return refuse(Words::tr("it holds the key \"%1\", which a rig does not have").arg(it.key()));
    for (const QString &key : {kName, kAddresses, kDevices})
        if (!root.contains(key))
            return refuse(Words::tr("it lacks the field %1").arg(key));

    Rig rig;
    if (!root.value(kName).isString())
        return refuse(Words::tr("its %1 is not a text").arg(kName));
    rig.name = root.value(kName).toString();
    if (!root.value(kAddresses).isArray())
        return refuse(Words::tr("its %1 is not a list").arg(kAddresses));
    for (const QJsonValue &a : root.value(kAddresses).toArray()) {
        if (!a.isString())
            return refuse(Words::tr("an element of %1 is not a text").arg(kAddresses));
        rig.addresses << a.toString();
    }
    if (!addressRanges(rig, &why).size() && !rig.addresses.isEmpty())
        return refuse(Words::tr("%1: %2").arg(kAddresses, why));
    if (!root.value(kDevices).isArray())
        return refuse(Words::tr("its %1 is not a list").arg(kDevices));
    const QJsonArray devices = root.value(kDevices).toArray();
    QSet<QString> macs;
    for (int i = 0; i < devices.size(); ++i) {
        const QString place = Words::tr("devices[%1]").arg(i);
        if (!devices.at(i).isObject())
            return refuse(Words::tr("%1 is not an object").arg(place));
        const configfile::Parsed entry = configfile::parse(devices.at(i).toObject());
        if (!entry.file)
            return refuse(Words::tr("%1 (%2): %3")
                              .arg(place, devices.at(i).toObject().value("MAC").toString(), entry.error));
        const QString mac = entry.file->MAC;
        if (!isMac(mac))
            return refuse(Words::tr("%1: \"%2\" is not a MAC like 02:5A:45:00:00:01").arg(place, mac));
        if (macs.contains(mac))
            return refuse(Words::tr("%1: the MAC %2 stands in an earlier entry too").arg(place, mac));
        macs.insert(mac);
        rig.devices.append(*entry.file);
    }
    Parsed ok;
    ok.rig = rig;
    return ok;
}

Rig capture(const QString &name, const QVector<recUrzadzenia> &devices) {
    Rig rig;
    rig.name = name;
    QSet<QString> macs;
    for (const recUrzadzenia &d : devices) {
        if (macs.contains(d.MAC))
            continue;
        macs.insert(d.MAC);
        rig.devices.append(d);
    }
    std::stable_sort(rig.devices.begin(), rig.devices.end(),
                     [](const recUrzadzenia &a, const recUrzadzenia &b) { return a.MAC < b.MAC; });
    return rig;
}

QVector<AddressRange> addressRanges(const Rig &rig, QString *error) {
    QVector<AddressRange> out;
    for (const QString &text : rig.addresses) {
        const auto range = parseAddressRange(text, error);
        if (!range)
            return {};
        out.append(*range);
    }
    return out;
}

} // namespace zentri::rig
