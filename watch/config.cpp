#include "config.h"

#include "device/address.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSslSocket>
#include <map>

#ifndef ZENTRI_VERSION
#define ZENTRI_VERSION "0"
#endif

namespace zentri::watchsvc {

const char kDefaultConfigPath[] = "/etc/zentri/watch.conf";

namespace {

constexpr qint64 kMaxConfigSize = 64 * 1024;

const char kDescription[] =
    R"(Watches one rig of Zentri devices without anybody at a desktop: a discovery round every
interval, the SD card question and the rig states, as the rig window does. Events (offline, back
online, new, changed, SD card removed or inserted, rig file loaded or refused, readiness) go to the
journal, to STATE_DIR/events.jsonl, to --on-event commands and to --webhook URLs; the status is served
over HTTP on --listen (/, /api/status, /api/events?since=ISO-TIME, /metrics).

/etc/zentri/watch.conf (or --config FILE) may give the same keys, one "key = value" a line (rig,
interval, listen, state-dir, on-event, webhook, quiet-hours; '#' starts a comment line); on-event and
webhook may stand more than once. The command line wins: a key given there replaces the file's.
Exit status: 0 stopped by a signal, 1 the service could not run (a port held, the state directory not
writable), 2 a bad value (nothing started).)";

// The keys that may stand in the file, and whether they may repeat.
const std::map<QString, bool> kFileKeys = {
    {QStringLiteral("rig"), false},        {QStringLiteral("interval"), false},
    {QStringLiteral("listen"), false},     {QStringLiteral("state-dir"), false},
    {QStringLiteral("on-event"), true},    {QStringLiteral("webhook"), true},
    {QStringLiteral("quiet-hours"), false}};

Parsed bad(const QString &text) {
    Parsed p;
    p.status = kBadUsage;
    p.message = QStringLiteral("zentri-watch: %1").arg(text);
    return p;
}

std::optional<QTime> parseClock(const QString &text) {
    static const QRegularExpression form(QStringLiteral("^([01][0-9]|2[0-3]):([0-5][0-9])$"));
    const auto m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return QTime(m.captured(1).toInt(), m.captured(2).toInt());
}

bool parseWebhook(const QString &text, QUrl *url, QString *error) {
    const QUrl u(text, QUrl::StrictMode);
    if (!u.isValid() || u.host().isEmpty()) {
        *error = QStringLiteral("\"%1\" is not a URL like http://host:port/path").arg(text);
        return false;
    }
    const QString scheme = u.scheme().toLower();
    if (scheme == QLatin1String("https") && !QSslSocket::supportsSsl()) {
        *error = QStringLiteral("\"%1\": https is not available (Qt has no TLS here); use http").arg(text);
        return false;
    }
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        *error = QStringLiteral("\"%1\": only http and https URLs are posted to").arg(text);
        return false;
    }
    *url = u;
    return true;
}

} // namespace

bool QuietHours::contains(const QTime &t) const {
    if (start < end)
        return t >= start && t < end;
    return t >= start || t < end; // crosses midnight
}

QString QuietHours::text() const {
    return start.toString(QStringLiteral("HH:mm")) + '-' + end.toString(QStringLiteral("HH:mm"));
}

std::optional<QuietHours> parseQuietHours(const QString &text, QString *error) {
    const QStringList parts = text.split('-');
    std::optional<QTime> start, end;
    if (parts.size() == 2) {
        start = parseClock(parts[0]);
        end = parseClock(parts[1]);
    }
    if (!start || !end) {
        *error =
            QStringLiteral("\"%1\" is not a window like 22:00-07:00 (HH:MM-HH:MM, 00:00 to 23:59)").arg(text);
        return std::nullopt;
    }
    if (*start == *end) {
        *error = QStringLiteral("\"%1\" starts and ends at one time").arg(text);
        return std::nullopt;
    }
    return QuietHours{*start, *end};
}

bool parseListen(const QString &text, QHostAddress *address, quint16 *port, QString *error) {
    static const QRegularExpression v6(QStringLiteral("^\\[([0-9A-Fa-f:.]+)\\]:([0-9]+)$"));
    static const QRegularExpression v4(QStringLiteral("^([0-9.]+):([0-9]+)$"));
    QString host, portText;
    QHostAddress a;
    if (const auto m = v6.match(text); m.hasMatch()) {
        portText = m.captured(2);
        a = QHostAddress(m.captured(1));
        if (a.protocol() != QAbstractSocket::IPv6Protocol)
            a = QHostAddress();
    } else if (const auto m4 = v4.match(text); m4.hasMatch()) {
        portText = m4.captured(2);
        QString ignored;
        if (m4.captured(1) == QLatin1String("0.0.0.0"))
            a = QHostAddress(QHostAddress::AnyIPv4);
        else if (auto ip = parseIpv4(m4.captured(1), &ignored))
            a = *ip;
    }
    const auto p = parseWholeNumber(portText, 1, 65535);
    if (a.isNull() || !p) {
        *error = QStringLiteral("\"%1\" is not ADDRESS:PORT like 127.0.0.1:7880 or [::1]:7880 (port 1 to "
                                "65535)")
                     .arg(text);
        return false;
    }
    *address = a;
    *port = static_cast<quint16>(*p);
    return true;
}

std::optional<QByteArray> readConfigFile(const QString &path, QString *error) {
    QFile f(path);
    if (!f.exists())
        return std::nullopt;
    if (!f.open(QIODevice::ReadOnly)) {
        *error = f.errorString();
        return QByteArray(); // an empty text and an error: refused by the caller
    }
    QByteArray text = f.read(kMaxConfigSize + 1);
    if (text.size() > kMaxConfigSize)
        *error = QStringLiteral("larger than %1 KiB").arg(kMaxConfigSize / 1024);
    return text;
}

Parsed parseArguments(const QStringList &arguments, FileReader readFile) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help"}, QStringLiteral("Print this help and exit."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Print the version and exit."));
    const QCommandLineOption rig(QStringLiteral("rig"),
                                 QStringLiteral("The rig file to watch (default /etc/zentri/rig.json)."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption interval(
        QStringLiteral("interval"), QStringLiteral("Seconds between discovery rounds, 1 to 60 (default 3)."),
        QStringLiteral("S"));
    const QCommandLineOption listen(QStringLiteral("listen"),
                                    QStringLiteral("Where HTTP is served (default 127.0.0.1:7880)."),
                                    QStringLiteral("ADDRESS:PORT"));
    const QCommandLineOption stateDir(
        QStringLiteral("state-dir"),
        QStringLiteral("Where events.jsonl is kept (default /var/lib/zentri-watch)."), QStringLiteral("DIR"));
    const QCommandLineOption onEvent(QStringLiteral("on-event"),
                                     QStringLiteral("Run COMMAND with /bin/sh -c for every event (ZENTRI_* "
                                                    "variables, the event as JSON on standard input); "
                                                    "may be repeated."),
                                     QStringLiteral("COMMAND"));
    const QCommandLineOption webhook(QStringLiteral("webhook"),
                                     QStringLiteral("POST every event as JSON to URL; may be repeated."),
                                     QStringLiteral("URL"));
    const QCommandLineOption quiet(QStringLiteral("quiet-hours"),
                                   QStringLiteral("No hooks or webhooks inside HH:MM-HH:MM (may cross "
                                                  "midnight); a readiness event when they end."),
                                   QStringLiteral("HH:MM-HH:MM"));
    const QCommandLineOption config(QStringLiteral("config"),
                                    QStringLiteral("Read FILE instead of /etc/zentri/watch.conf."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption to(QStringLiteral("to"),
                                QStringLiteral("Send the discovery request to ADDRESS only instead of "
                                               "broadcasting (tests)."),
                                QStringLiteral("ADDRESS"));
    parser.addOptions({help, version, rig, interval, listen, stateDir, onEvent, webhook, quiet, config, to});

    if (!parser.parse(arguments))
        return bad(parser.errorText() + QStringLiteral("; see zentri-watch --help"));
    if (parser.isSet(help)) {
        Parsed p;
        p.message = parser.helpText().replace(QStringLiteral("[options]"), QStringLiteral("[OPTIONS]"));
        return p;
    }
    if (parser.isSet(version)) {
        Parsed p;
        p.message = QStringLiteral("zentri-watch " ZENTRI_VERSION);
        return p;
    }
    if (!parser.positionalArguments().isEmpty())
        return bad(QStringLiteral("takes no plain argument (\"%1\"); see zentri-watch --help")
                       .arg(parser.positionalArguments().constFirst()));
    for (const QCommandLineOption *single : {&rig, &interval, &listen, &stateDir, &quiet, &config, &to})
        if (parser.values(*single).size() > 1)
            return bad(QStringLiteral("--%1 is given more than once").arg(single->names().constLast()));

    // key -> values: the file's first, then the command line's in their place.
    std::map<QString, QStringList> values;
    Config c;
    const QString path = parser.isSet(config) ? parser.value(config) : QString::fromUtf8(kDefaultConfigPath);
    QString error;
    const std::optional<QByteArray> text = readFile(path, &error);
    if (!error.isEmpty())
        return bad(QStringLiteral("%1: %2").arg(path, error));
    if (!text && parser.isSet(config))
        return bad(QStringLiteral("%1: no such file").arg(path));
    if (text) {
        c.configPath = path;
        const QList<QByteArray> lines = text->split('\n');
        for (int i = 0; i < lines.size(); ++i) {
            const QString line = QString::fromUtf8(lines[i]).trimmed();
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const int eq = line.indexOf('=');
            const QString key = line.left(eq).trimmed();
            const QString where = QStringLiteral("%1:%2").arg(path).arg(i + 1);
            if (eq < 0)
                return bad(QStringLiteral("%1: \"%2\" is not \"key = value\"").arg(where, line));
            const auto known = kFileKeys.find(key);
            if (known == kFileKeys.end())
                return bad(
                    QStringLiteral("%1: unknown key \"%2\" (rig, interval, listen, state-dir, on-event, "
                                   "webhook, quiet-hours)")
                        .arg(where, key));
            if (!known->second && values.count(key))
                return bad(QStringLiteral("%1: \"%2\" is given twice").arg(where, key));
            values[key] << line.mid(eq + 1).trimmed();
        }
    }
    const std::pair<QString, const QCommandLineOption *> options[] = {
        {QStringLiteral("rig"), &rig},          {QStringLiteral("interval"), &interval},
        {QStringLiteral("listen"), &listen},    {QStringLiteral("state-dir"), &stateDir},
        {QStringLiteral("on-event"), &onEvent}, {QStringLiteral("webhook"), &webhook},
        {QStringLiteral("quiet-hours"), &quiet}};
    for (const auto &[key, option] : options)
        if (parser.isSet(*option))
            values[key] = parser.values(*option);

    auto one = [&](const QString &key) -> std::optional<QString> {
        const auto it = values.find(key);
        if (it == values.end())
            return std::nullopt;
        return it->second.constFirst();
    };
    if (auto v = one(QStringLiteral("rig"))) {
        if (v->isEmpty())
            return bad(QStringLiteral("--rig: no file named"));
        c.rigPath = *v;
    }
    if (auto v = one(QStringLiteral("interval"))) {
        const auto n = parseWholeNumber(*v, 1, 60);
        if (!n)
            return bad(QStringLiteral("--interval: \"%1\" is not a number of seconds from 1 to 60").arg(*v));
        c.interval = static_cast<int>(*n);
    }
    if (auto v = one(QStringLiteral("listen"))) {
        if (!parseListen(*v, &c.listenAddress, &c.listenPort, &error))
            return bad(QStringLiteral("--listen: %1").arg(error));
    }
    if (auto v = one(QStringLiteral("state-dir"))) {
        if (v->isEmpty())
            return bad(QStringLiteral("--state-dir: no directory named"));
        c.stateDir = *v;
    }
    for (const QString &command : values[QStringLiteral("on-event")]) {
        if (command.trimmed().isEmpty())
            return bad(QStringLiteral("--on-event: an empty command"));
        c.onEvent << command;
    }
    for (const QString &u : values[QStringLiteral("webhook")]) {
        QUrl url;
        if (!parseWebhook(u, &url, &error))
            return bad(QStringLiteral("--webhook: %1").arg(error));
        c.webhooks << url;
    }
    if (auto v = one(QStringLiteral("quiet-hours"))) {
        c.quietHours = parseQuietHours(*v, &error);
        if (!c.quietHours)
            return bad(QStringLiteral("--quiet-hours: %1").arg(error));
    }
    if (parser.isSet(to)) {
        const auto ip = parseIpv4(parser.value(to), &error);
        if (!ip)
            return bad(QStringLiteral("--to: %1").arg(error));
        c.discoveryTarget = *ip;
    }
    Parsed p;
    p.config = c;
    return p;
}

} // namespace zentri::watchsvc
