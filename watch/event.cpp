#include "event.h"

namespace zentri::watchsvc {

const QVector<EventKind> &eventKinds() {
    static const QVector<EventKind> kinds = {
        {"offline", "offline", "ec2973fb54fc46618d00c673d578c58d", 4},
        {"back_online", "back online", "59212c802f9c4f358f2a2b5963827a90", 5},
        {"new", "new", "8c5a9851ef1640d38270ef39a535693b", 5},
        {"changed", "changed", "bbb99760633f43b0bd1e93ca5c49bb4c", 5},
        {"sd_card_removed", "SD card removed", "a860185a5b6042029b724d732ad458f6", 4},
        {"sd_card_inserted", "SD card inserted", "ddb0b4f052d645b48db06e33359f4340", 5},
        {"rig_file_loaded", "rig file loaded", "2bd3388b1a0e4bb8a8af99d09b7f5f00", 6},
        {"rig_file_refused", "rig file refused", "ca9763064a904ca781bf2773283e5605", 3},
        {"readiness", "readiness", "2c8ea898ffaa4889ba776311ab5d99fb", 5},
    };
    return kinds;
}

const EventKind *kindOf(const QString &wordOrKey) {
    for (const EventKind &k : eventKinds())
        if (wordOrKey == QLatin1String(k.key) || wordOrKey == QLatin1String(k.word))
            return &k;
    return nullptr;
}

int ServiceEvent::priority() const {
    const EventKind *k = kindOf(event);
    return k ? k->priority : 6;
}

QString isoTime(const QDateTime &time) {
    const QDateTime fixed =
        time.timeSpec() == Qt::LocalTime ? time.toOffsetFromUtc(time.offsetFromUtc()) : time;
    return fixed.toString(Qt::ISODateWithMs);
}

QJsonObject ServiceEvent::toJson() const {
    return QJsonObject{
        {"time", isoTime(time)}, {"event", event}, {"mac", mac},        {"name", name}, {"ip", ip},
        {"fields", fields},      {"rig", rig},     {"message", message}};
}

std::optional<ServiceEvent> ServiceEvent::fromJson(const QJsonObject &o) {
    ServiceEvent e;
    e.time = QDateTime::fromString(o.value("time").toString(), Qt::ISODateWithMs);
    e.event = o.value("event").toString();
    if (!e.time.isValid() || e.event.isEmpty())
        return std::nullopt;
    e.mac = o.value("mac").toString();
    e.name = o.value("name").toString();
    e.ip = o.value("ip").toString();
    e.fields = o.value("fields").toString();
    e.rig = o.value("rig").toString();
    e.message = o.value("message").toString();
    return e;
}

namespace {
QString who(const ServiceEvent &e) {
    QString text = e.name.isEmpty() ? e.mac : QStringLiteral("%1 (%2)").arg(e.name, e.mac);
    if (!e.ip.isEmpty())
        text += QStringLiteral(" at ") + e.ip;
    return text;
}

QString messageOf(const ServiceEvent &e) {
    const QString rigText = e.rig.isEmpty() ? QStringLiteral("the rig") : QStringLiteral("rig %1").arg(e.rig);
    if (e.event == QLatin1String("offline"))
        return QStringLiteral("%1 went offline (no answer to %2 polls)")
            .arg(who(e))
            .arg(rig::kMissesUntilOffline);
    if (e.event == QLatin1String("back_online"))
        return QStringLiteral("%1 is back online").arg(who(e));
    if (e.event == QLatin1String("new"))
        return QStringLiteral("%1 answered for the first time").arg(who(e));
    if (e.event == QLatin1String("changed"))
        return QStringLiteral("%1 was changed elsewhere: %2").arg(who(e), e.fields);
    if (e.event == QLatin1String("sd_card_removed"))
        return QStringLiteral("%1: SD card removed").arg(who(e));
    if (e.event == QLatin1String("sd_card_inserted"))
        return QStringLiteral("%1: SD card inserted").arg(who(e));
    if (e.event == QLatin1String("rig_file_loaded"))
        return QStringLiteral("%1 loaded: %2").arg(rigText, e.fields);
    if (e.event == QLatin1String("rig_file_refused"))
        return QStringLiteral("rig file refused: %1").arg(e.fields);
    if (e.event == QLatin1String("readiness"))
        return e.fields;
    return e.event;
}
} // namespace

std::optional<ServiceEvent> fromEngine(const rig::Event &e, const QString &rigName) {
    const EventKind *k = kindOf(e.event);
    if (!k)
        return std::nullopt;
    ServiceEvent s;
    s.time = e.time;
    s.event = QString::fromLatin1(k->key);
    s.mac = e.mac;
    s.name = e.name;
    s.ip = e.ip;
    s.fields = e.detail;
    s.rig = rigName;
    s.message = messageOf(s);
    return s;
}

ServiceEvent makeEvent(const QDateTime &time, const QString &key, const QString &rigName,
                       const QString &fields, const QString &mac, const QString &name, const QString &ip) {
    ServiceEvent s;
    s.time = time;
    s.event = key;
    s.mac = mac;
    s.name = name;
    s.ip = ip;
    s.fields = fields;
    s.rig = rigName;
    s.message = messageOf(s);
    return s;
}

} // namespace zentri::watchsvc
