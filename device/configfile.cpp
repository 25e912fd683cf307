#include "configfile.h"
#include "address.h"
#include "fields.h"
#include "files.h"
#include "strictjson.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace zentri::configfile {

namespace {
// The context of this file's texts in the translations.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(zentri::configfile)
};
} // namespace

const char kFormatName[] = "Zentri device configuration";

namespace {

// Top-level keys of the file.
const QString kConfiguration = QStringLiteral("configuration");
const QString kName = QStringLiteral("Nazwa");
const QString kMac = QStringLiteral("MAC");
const QString kFirmware = QStringLiteral("FWVer");
const QString kModule = QStringLiteral("ZentriVersion");
const QString kIp = QStringLiteral("IP");

using fields::Field;
QJsonValue jsonOf(const Field &f, const recUrzadzenia &rec) {
    if (f.flag)
        return f.value(rec) != 0;
    return static_cast<qint64>(f.value(rec));
}

// The file's value for a field; undefined when it (or the object or array it belongs in) is missing.
QJsonValue lookup(const QJsonObject &conf, const Field &p) {
    if (p.group.isEmpty())
        return conf.value(p.key);
    const QJsonValue group = conf.value(p.group);
    QJsonValue holder = group;
    if (p.index >= 0) {
        if (!group.isArray() || group.toArray().size() <= p.index)
            return QJsonValue(QJsonValue::Undefined);
        holder = group.toArray().at(p.index);
        if (p.key.isEmpty())
            return holder;
    }
    if (!holder.isObject())
        return QJsonValue(QJsonValue::Undefined);
    return holder.toObject().value(p.key);
}

// A whole number from a JSON value, if it is one within 0..max.
std::optional<int32_t> wholeNumber(const QJsonValue &v, int32_t max) {
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    if (!std::isfinite(d) || d != std::floor(d) || d < 0 || d > max)
        return std::nullopt;
    return static_cast<int32_t>(d);
}

QString rangeText(Width w) {
    return w == Width::Flag ? Words::tr("true or false")
                            : Words::tr("a whole number from 0 to %1").arg(fields::maximumOf(w));
}

QString shown(const QJsonValue &v) {
    if (v.isString())
        return '"' + v.toString() + '"';
    if (v.isArray() || v.isObject())
        return v.isArray() ? Words::tr("a list") : Words::tr("an object");
    if (v.isNull())
        return QStringLiteral("null");
    QJsonArray wrap{v};
    const QByteArray text = QJsonDocument(wrap).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(text.mid(1, text.size() - 2));
}

// The keys and list elements of a file that no field stands for ("MasterVolumee", "Output[8]",
// "dap.Foo"), in the file's order; and a sentence for each list shorter than it should be, since the
// fields it then lacks are not the ones that were removed but the last ones.
QStringList unexpectedKeys(const QJsonObject &root, QStringList *shortLists) {
    static const QSet<QString> rootKeys{
        files::kFormatKey, files::kFormatVersionKey, kName, kMac, kFirmware, kModule, kIp, kConfiguration};
    QStringList out;
    for (auto it = root.begin(); it != root.end(); ++it)
        if (!rootKeys.contains(it.key()))
            out << it.key();
    const QJsonObject conf = root.value(kConfiguration).toObject();
    // What the configuration holds, from the fields: its own keys, the groups' keys, the lists' lengths.
    QSet<QString> own;
    std::map<QString, QSet<QString>> groupKeys;
    std::map<QString, int> listLength;
    for (const Field &p : fields::settings()) {
        if (p.group.isEmpty()) {
            own.insert(p.key);
            continue;
        }
        if (!p.key.isEmpty())
            groupKeys[p.group].insert(p.key);
        if (p.index >= 0)
            listLength[p.group] = std::max(listLength[p.group], p.index + 1);
    }
    for (auto it = conf.begin(); it != conf.end(); ++it) {
        const QString &key = it.key();
        if (own.contains(key))
            continue;
        const auto keys = groupKeys.find(key);
        const auto length = listLength.find(key);
        if (keys == groupKeys.end() && length == listLength.end()) {
            out << key;
            continue;
        }
        auto check = [&](const QJsonValue &holder, const QString &path) {
            if (keys == groupKeys.end() || !holder.isObject())
                return;
            const QJsonObject o = holder.toObject();
            for (auto k = o.begin(); k != o.end(); ++k)
                if (!keys->second.contains(k.key()))
                    out << path + QLatin1Char('.') + k.key();
        };
        if (length == listLength.end()) {
            check(it.value(), key);
            continue;
        }
        if (!it.value().isArray())
            continue; // the fields then read as missing
        const QJsonArray list = it.value().toArray();
        for (int i = 0; i < list.size(); ++i) {
            if (i >= length->second)
                out << QStringLiteral("%1[%2]").arg(key).arg(i);
            else
                check(list.at(i), QStringLiteral("%1[%2]").arg(key).arg(i));
        }
        if (list.size() < length->second)
            *shortLists << QStringLiteral("The list %1 holds %2 elements instead of %3, so the fields named "
                                          "missing are those of its last elements, whichever were removed.")
                               .arg(key)
                               .arg(list.size())
                               .arg(length->second);
    }
    // A key unknown both at the top and in the configuration is named once: either refuses the file.
    out.removeDuplicates();
    return out;
}

Parsed refuse(const QString &error, const QStringList &fields = {}) {
    Parsed p;
    p.error = error;
    p.badFields = fields;
    return p;
}

} // namespace

QVector<FieldRef> configurationFields(recUrzadzenia &rec) {
    QVector<FieldRef> out;
    for (const Field &f : fields::settings())
        out.append({f.path, f.width, f.number ? f.number(rec, std::max(f.index, 0)) : nullptr,
                    f.flag ? f.flag(rec, std::max(f.index, 0)) : nullptr});
    return out;
}

QByteArray write(const recUrzadzenia &rec) {
    QJsonObject conf;
    std::map<QString, QJsonObject> objects;
    std::map<QString, QJsonArray> numbers;
    std::map<QString, QVector<QJsonObject>> elements;
    for (const Field &p : fields::settings()) {
        if (p.group.isEmpty())
            conf.insert(p.key, jsonOf(p, rec));
        else if (p.index < 0)
            objects[p.group].insert(p.key, jsonOf(p, rec));
        else if (p.key.isEmpty())
            numbers[p.group].append(jsonOf(p, rec));
        else {
            auto &list = elements[p.group];
            if (list.size() <= p.index)
                list.resize(p.index + 1);
            list[p.index].insert(p.key, jsonOf(p, rec));
        }
    }
    for (const auto &[group, object] : objects)
        conf.insert(group, object);
    for (const auto &[group, array] : numbers)
        conf.insert(group, array);
    for (const auto &[group, list] : elements) {
        QJsonArray array;
        for (const QJsonObject &o : list)
            array.append(o);
        conf.insert(group, array);
    }
    QJsonObject root;
    root.insert(files::kFormatKey, QString::fromLatin1(kFormatName));
    root.insert(files::kFormatVersionKey, kFormatVersion);
    root.insert(kName, rec.Nazwa);
    root.insert(kMac, rec.MAC);
    root.insert(kFirmware, rec.FWVer);
    root.insert(kModule, static_cast<qint64>(rec.ZentriVersion));
    root.insert(kIp, rec.IP);
    root.insert(kConfiguration, conf);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

namespace {
QString notOursText() {
    return Words::tr("This is not a Zentri device configuration file");
}

// The checks after the JSON was read; `text`, when given, is looked through for keys given twice.
Parsed parseRoot(const QJsonObject &root, const QByteArray *text) {
    const QString notOurs = notOursText();
    if (root.value(files::kFormatKey).toString() != QLatin1String(kFormatName))
        return refuse(Words::tr("%1: its \"%2\" is not \"%3\".").arg(notOurs, files::kFormatKey, kFormatName),
                      {files::kFormatKey});
    const QJsonValue versionValue = root.value(files::kFormatVersionKey);
    if (versionValue.isUndefined())
        return refuse(Words::tr("The file lacks the field %1.").arg(files::kFormatVersionKey),
                      {files::kFormatVersionKey});
    const auto version = wholeNumber(versionValue, std::numeric_limits<int32_t>::max());
    if (!version || *version < 1)
        return refuse(Words::tr("The file's %1 %2 is not a format version.")
                          .arg(files::kFormatVersionKey, shown(versionValue)),
                      {files::kFormatVersionKey});
    if (*version > kFormatVersion)
        return refuse(Words::tr("The file's %1 is %2, newer than this program reads (%3); nothing was "
                                "loaded.")
                          .arg(files::kFormatVersionKey)
                          .arg(*version)
                          .arg(kFormatVersion),
                      {files::kFormatVersionKey});
    const QString refused = Words::tr("The configuration file was refused; nothing was changed or sent. ");
    const QString twice = text ? strictjson::duplicateKey(*text) : QString();
    if (!twice.isEmpty())
        return refuse(refused + Words::tr("In it %1: it is not clear which one is meant.").arg(twice));
    QStringList shortLists;
    const QStringList unknown = unexpectedKeys(root, &shortLists);
    if (!unknown.isEmpty())
        return refuse(refused + Words::tr("It holds keys or elements that a configuration does not have: %1.")
                                    .arg(unknown.join(QStringLiteral(", "))),
                      unknown);

    recUrzadzenia rec;
    QStringList missing, bad, badFields;
    auto text_ = [&](const QString &key, QString *to) {
        const QJsonValue v = root.value(key);
        if (v.isUndefined())
            missing << key;
        else if (!v.isString())
            bad << Words::tr("%1 (%2 is not a text)").arg(key, shown(v));
        else
            *to = v.toString();
    };
    text_(kName, &rec.Nazwa);
    text_(kMac, &rec.MAC);
    text_(kFirmware, &rec.FWVer);
    const QJsonValue moduleValue = root.value(kModule);
    if (moduleValue.isUndefined())
        missing << kModule;
    else if (auto m = wholeNumber(moduleValue, 0xFF))
        rec.ZentriVersion = *m;
    else
        bad << Words::tr("%1 (%2 is not %3)").arg(kModule, shown(moduleValue), rangeText(Width::Byte));
    const QJsonValue ipValue = root.value(kIp);
    QString ipError;
    if (ipValue.isString() && !ipValue.toString().isEmpty() && !parseIpv4(ipValue.toString(), &ipError))
        bad << QStringLiteral("%1 (%2)").arg(kIp, ipError);
    else if (ipValue.isString())
        rec.IP = ipValue.toString();
    else if (!ipValue.isUndefined())
        bad << Words::tr("%1 (%2 is not a text)").arg(kIp, shown(ipValue));

    const QJsonValue confValue = root.value(kConfiguration);
    if (!confValue.isObject()) {
        if (confValue.isUndefined())
            missing << kConfiguration;
        else
            bad << Words::tr("%1 (%2 is not an object)").arg(kConfiguration, shown(confValue));
    } else {
        const QJsonObject conf = confValue.toObject();
        for (const Field &f : fields::settings()) {
            const QJsonValue v = lookup(conf, f);
            const QString &path = f.path;
            if (v.isUndefined()) {
                missing << path;
                continue;
            }
            if (f.flag) {
                if (v.isBool())
                    f.setValue(rec, v.toBool());
                else
                    bad << Words::tr("%1 (%2 is not %3)").arg(path, shown(v), rangeText(f.width));
                continue;
            }
            if (auto n = wholeNumber(v, fields::maximumOf(f.width)))
                f.setValue(rec, *n);
            else
                bad << Words::tr("%1 (%2 is not %3)").arg(path, shown(v), rangeText(f.width));
        }
    }
    if (missing.isEmpty() && bad.isEmpty()) {
        Parsed ok;
        ok.file = rec;
        return ok;
    }
    QStringList parts;
    if (!missing.isEmpty())
        parts << (missing.size() == 1 ? Words::tr("It lacks the field %1.")
                                      : Words::tr("It lacks the fields %1."))
                     .arg(missing.join(QStringLiteral(", ")));
    if (!bad.isEmpty())
        parts << (bad.size() == 1 ? Words::tr("The device cannot take this value: %1.")
                                  : Words::tr("The device cannot take these values: %1."))
                     .arg(bad.join(QStringLiteral(", ")));
    parts << shortLists;
    badFields = missing;
    for (const QString &b : bad)
        badFields << b.left(b.indexOf(QLatin1String(" (")));
    QStringList labels;
    for (const QString &f : badFields)
        if (const QString label = labelOf(f); !label.isEmpty())
            labels << label;
    if (!labels.isEmpty()) // the settings as the windows name them
        parts << Words::tr("In the windows: %1.").arg(labels.join(QStringLiteral(", ")));
    return refuse(refused + parts.join(' '), badFields);
}

} // namespace

Parsed parse(const QByteArray &text) {
    QString reason;
    const auto object = strictjson::parseObject(text, &reason);
    if (!object)
        return refuse(Words::tr("%1: %2.").arg(notOursText(), reason));
    return parseRoot(*object, &text);
}

Parsed parse(const QJsonObject &object) {
    return parseRoot(object, nullptr);
}

namespace {
QVector<Difference> differencesIn(const recUrzadzenia &device, const recUrzadzenia &file, bool premiumOnly) {
    QVector<Difference> out;
    for (const Field &f : fields::settings())
        if ((!premiumOnly || f.premiumOnly) && f.value(device) != f.value(file))
            out.append({f.path, f.label, f.text(device), f.text(file)});
    return out;
}
} // namespace

QVector<Difference> differences(const recUrzadzenia &device, const recUrzadzenia &file) {
    return differencesIn(device, file, false);
}

QVector<Difference> changesNotOffered(const recUrzadzenia &device, const recUrzadzenia &file) {
    if (device.ZentriVersion != kModuleStandard)
        return {};
    return differencesIn(device, file, true);
}

const char kDestinationIpLabel[] = QT_TRANSLATE_NOOP("zentri::fields", "Trigger destination IP");

namespace {
bool isAddressByte(const Difference &d) {
    return d.field.startsWith(QLatin1String("DestinationIP["));
}
} // namespace

QVector<Difference> forPeople(const QVector<Difference> &diff, const recUrzadzenia &device,
                              const recUrzadzenia &file) {
    QVector<Difference> out;
    bool addressShown = false;
    for (const Difference &d : diff) {
        if (!isAddressByte(d)) {
            out.append(d);
        } else if (!addressShown) {
            addressShown = true;
            out.append({QStringLiteral("DestinationIP"),
                        QCoreApplication::translate("zentri::fields", kDestinationIpLabel),
                        destinationText(device), destinationText(file)});
        }
    }
    return out;
}

QVector<Difference> differencesForPeople(const recUrzadzenia &device, const recUrzadzenia &file) {
    return forPeople(differences(device, file), device, file);
}

QString labelledList(const QVector<Difference> &diff, const QString &pattern) {
    QStringList items;
    for (const Difference &d : diff)
        items << pattern.arg(d.label, d.device, d.file);
    return items.join(QStringLiteral(", "));
}

QString labelOf(const QString &path) {
    for (const Field &f : fields::settings())
        if (f.path == path)
            return f.label;
    return {};
}

void applyConfiguration(const recUrzadzenia &file, recUrzadzenia &rec) {
    for (const Field &f : fields::settings())
        f.setValue(rec, f.value(file));
}

bool sameConfiguration(const recUrzadzenia &a, const recUrzadzenia &b) {
    return differences(a, b).isEmpty();
}

QString summary(const recUrzadzenia &device, const recUrzadzenia &file, int maxLines) {
    QStringList lines;
    if (file.MAC != device.MAC || file.Nazwa != device.Nazwa)
        lines << Words::tr("The file was saved from \"%1\" (%2); this device is \"%3\" (%4).")
                     .arg(file.Nazwa, file.MAC, device.Nazwa, device.MAC);
    const QVector<Difference> diff = differencesForPeople(device, file);
    if (diff.isEmpty()) {
        lines << Words::tr("The device already has this configuration.");
        return lines.join('\n');
    }
    // One setting in words of its own: English says the count in the numerus form of "%n" only from 2.
    lines << (diff.size() == 1 ? Words::tr("1 setting differs:")
                               : Words::tr("%n settings differ:", nullptr, static_cast<int>(diff.size())));
    const int shownCount = std::min<int>(static_cast<int>(diff.size()), std::max(1, maxLines));
    for (int i = 0; i < shownCount; ++i)
        lines << QStringLiteral("  %1: %2 \u2192 %3").arg(diff[i].label, diff[i].device, diff[i].file);
    if (diff.size() > shownCount)
        lines << Words::tr("  ... and %n more", nullptr, static_cast<int>(diff.size() - shownCount));
    return lines.join('\n');
}

} // namespace zentri::configfile
