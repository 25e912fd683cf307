// zentrictl's rig commands (capture, check, apply, replace) and watching, on the rig model the
// windows share.
#include "cli.h"
#include "device/configfile.h"
#include "device/discovery.h"
#include "device/files.h"
#include "device/protocol.h"
#include "i18n/language.h"
#include "rig/document.h"
#include "rig/patch.h"
#include "rig/plans.h"
#include "rig/rigfile.h"
#include "rig/rigstates.h"
#include "rig/watch.h"
#include "session.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QUrl>

namespace zentri::ctl {

namespace {

// The context of this file's messages in the translations.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(zentri::ctl::Rig)
};

std::optional<rig::Rig> loadRig(const QString &path, QString *error) {
    const auto text = files::readWhole(path, rig::kMaxFileSize, error);
    if (!text)
        return std::nullopt;
    rig::Parsed parsed = rig::parse(*text);
    if (!parsed.rig)
        *error = QStringLiteral("%1: %2").arg(path, parsed.error);
    return parsed.rig;
}

std::optional<QString> macArgument(const QString &text, QString *error) {
    static const QRegularExpression form(QStringLiteral("^([0-9A-Fa-f]{2}:){5}[0-9A-Fa-f]{2}$"));
    if (!form.match(text).hasMatch()) {
        *error = Words::tr("\"%1\" is not a MAC like 02:5A:45:00:00:01").arg(text);
        return std::nullopt;
    }
    return text.toUpper();
}

// One discovery, broadcast (out of --interface) and to `extra` one by one; the devices of `rig` that
// stay silent are asked again by themselves.
Session::Found find(Session &session, const Arguments &a, const QVector<QHostAddress> &extra, int ms,
                    const rig::Rig *rig = nullptr) {
    return session.discover(QHostAddress(QHostAddress::Broadcast), a.value(QStringLiteral("--interface")),
                            extra, ms, rig);
}

// Listens for replies, then one discovery that also asks `addresses`; the status to exit with when
// that cannot be done.
std::optional<int> discoverWith(Session &session, const Arguments &a, const QStringList &addresses, int ms,
                                Session::Found *found, const rig::Rig *rig = nullptr) {
    QString error;
    const auto extra = extraAddresses(addresses, &error);
    if (!extra)
        return fail(kUsage, Words::tr("address %1").arg(error));
    if (!session.listen(&error))
        return fail(kPortBusy, error);
    *found = find(session, a, *extra, ms, rig);
    if (!found->anySent)
        return kNoAnswer;
    return std::nullopt;
}

QString line(const QString &word, const QString &mac, const QString &name, const QString &ip,
             const QString &detail = {}) {
    QStringList parts{word, mac, name, ip};
    if (!detail.isEmpty())
        parts << detail;
    return parts.join('\t');
}

QJsonObject rowJson(const rig::Rig &r, const rig::Row &row) {
    QJsonObject o{{"mac", row.mac},
                  {"name", row.name(r)},
                  {"ip", row.device ? row.device->IP : QString()},
                  {"state", rig::stateText(row.state)}};
    if (row.state == rig::State::Differs) {
        QJsonArray list;
        for (const configfile::Difference &d : row.differences)
            list.append(QJsonObject{{"field", d.field}, {"rig", d.file}, {"device", d.device}});
        o.insert("differences", list);
    }
    if (row.state == rig::State::Duplicate)
        o.insert("ips", QJsonArray::fromStringList(row.ips));
    return o;
}

// One line per device sent to: not sent, confirmed or not confirmed. True when all confirmed.
bool printOutcomes(const QVector<rig::Outcome> &outcomes) {
    const i18n::English data;
    for (const rig::Outcome &o : outcomes)
        if (o.result == rig::Outcome::NotSent)
            out(line(QStringLiteral("not sent"), o.send.mac, o.send.name, o.send.ip, o.error));
    bool all = true;
    for (const rig::Outcome &o : outcomes) {
        all = all && o.confirmed();
        if (o.result == rig::Outcome::NotSent)
            continue;
        if (o.confirmed()) {
            out(line(QStringLiteral("confirmed"), o.send.mac, o.send.name, o.send.ip));
            continue;
        }
        const QString why =
            o.reported ? QStringLiteral("the device does not report what was sent: ") + o.reportedText()
                       : QStringLiteral("the device did not answer the check");
        out(line(QStringLiteral("not confirmed"), o.send.mac, o.send.name, o.send.ip, why));
    }
    return all;
}

// A device of the plan that is sent nothing, on standard error; the status to exit with.
int notSent(const rig::LeftOut &l) {
    const i18n::English data;
    return fail(kNoAnswer,
                line(rig::stateText(l.state), l.mac, l.name, l.ip,
                     (l.state == rig::State::Missing ? QString() : l.reason + QStringLiteral("; ")) +
                         QStringLiteral("nothing sent")));
}

// --yes, or a yes typed on the terminal; otherwise the refusal's status.
std::optional<int> confirmedByUser(const Arguments &a, const QString &question) {
    if (a.flags.contains(QStringLiteral("--yes")) || askOnTerminal(question))
        return std::nullopt;
    return fail(kUsage, Words::tr("nothing sent: add --yes, or answer yes on a terminal"));
}

} // namespace

int rigCapture(const Arguments &a) {
    const auto ms = waitAndWords(a, 1, QStringLiteral("FILE"));
    if (!ms)
        return kUsage;
    QString error;
    const QString path = a.positional[0];
    const bool force = a.flags.contains(QStringLiteral("--force"));
    if (!files::mayWrite(path, force, &error))
        return fail(kUsage, error);
    Session session;
    Session::Found found;
    if (const auto status = discoverWith(session, a, a.list(QStringLiteral("--address")), *ms, &found))
        return *status;
    if (found.answers.isEmpty())
        return fail(kNoAnswer, Words::tr("no device answered within %1 ms; no rig written").arg(*ms));
    const QString name = a.values.count(QStringLiteral("--name")) ? a.value(QStringLiteral("--name"))
                                                                  : QFileInfo(path).baseName();
    rig::Rig r = rig::capture(name, found.answers);
    r.addresses = a.list(QStringLiteral("--address"));
    if (!files::writeAtomically(path, rig::write(r), force, &error))
        return fail(kUsage, error);
    const i18n::English data;
    for (const recUrzadzenia &d : r.devices)
        out(line(rig::stateText(rig::State::InSync), d.MAC, d.Nazwa, d.IP));
    return kOk;
}

int rigCheck(const Arguments &a) {
    const auto ms = waitAndWords(a, 1, QStringLiteral("FILE"));
    if (!ms)
        return kUsage;
    QString error;
    const auto r = loadRig(a.positional[0], &error);
    if (!r)
        return fail(kUsage, error);
    Session session;
    Session::Found found;
    if (const auto status = discoverWith(session, a, r->addresses, *ms, &found, &*r))
        return *status;
    const i18n::English data;
    const QVector<rig::Row> rows = rig::compare(*r, found.answers);
    bool allInSync = true;
    QJsonArray list;
    for (const rig::Row &row : rows) {
        allInSync = allInSync && row.state == rig::State::InSync;
        if (a.flags.contains(QStringLiteral("--json")))
            list.append(rowJson(*r, row));
        else
            out(line(rig::stateText(row.state), row.mac, row.name(*r),
                     row.device ? row.ips.join(QStringLiteral(", ")) : QString(), row.detail()));
    }
    if (a.flags.contains(QStringLiteral("--json")))
        out(QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Indented)).trimmed());
    return allInSync ? kOk : kNoAnswer;
}

int rigApply(const Arguments &a) {
    const auto ms = waitAndWords(a, 1, QStringLiteral("FILE"));
    if (!ms)
        return kUsage;
    QString error;
    QStringList chosen;
    for (const QString &text : a.list(QStringLiteral("--mac"))) {
        const auto mac = macArgument(text, &error);
        if (!mac)
            return fail(kUsage, QStringLiteral("--mac: %1").arg(error));
        chosen << *mac;
    }
    const auto r = loadRig(a.positional[0], &error);
    if (!r)
        return fail(kUsage, error);
    for (const QString &mac : chosen)
        if (r->indexOf(mac) < 0)
            return fail(kUsage, Words::tr("--mac: %1 is not in the rig").arg(mac));
    Session session;
    Session::Found found;
    if (const auto status = discoverWith(session, a, r->addresses, *ms, &found, &*r))
        return *status;

    int status = kOk;
    const rig::Plan plan =
        inEnglish([&] { return rig::planSend(*r, rig::compare(*r, found.answers), chosen); });
    for (const rig::LeftOut &l : plan.leftOut)
        status = notSent(l);
    for (const rig::Send &s : plan.sends)
        out(line(QStringLiteral("to send"), s.mac, s.name, s.ip, s.changes));
    if (plan.isEmpty()) {
        if (status == kOk)
            out(Words::tr("nothing to send: every device chosen is in sync"));
        return status;
    }
    if (const auto refused = confirmedByUser(
            a, Words::tr("Send the rig's configuration to %n device(s)?", nullptr, int(plan.sends.size()))))
        return *refused;
    // The errors of the sends go in the lines too.
    return printOutcomes(inEnglish([&] { return session.carryOut(plan.sends); })) && status == kOk
               ? kOk
               : kNoAnswer;
}

int rigReplace(const Arguments &a) {
    const auto ms = waitAndWords(a, 3, QStringLiteral("FILE OLD_MAC NEW_MAC"));
    if (!ms)
        return kUsage;
    QString error;
    const QString path = a.positional[0];
    const auto oldMac = macArgument(a.positional[1], &error);
    if (!oldMac)
        return fail(kUsage, QStringLiteral("OLD_MAC: %1").arg(error));
    const auto newMac = macArgument(a.positional[2], &error);
    if (!newMac)
        return fail(kUsage, QStringLiteral("NEW_MAC: %1").arg(error));
    auto r = loadRig(path, &error);
    if (!r)
        return fail(kUsage, error);
    const int entry = r->indexOf(*oldMac);
    if (entry < 0)
        return fail(kUsage, Words::tr("%1 is not in the rig").arg(*oldMac));
    if (r->indexOf(*newMac) >= 0)
        return fail(kUsage, Words::tr("%1 is in the rig already").arg(*newMac));
    if (!files::mayWrite(path, a.flags.contains(QStringLiteral("--force")), &error))
        return fail(kUsage, error);
    Session session;
    Session::Found found;
    if (const auto status = discoverWith(session, a, r->addresses, *ms, &found, &*r))
        return *status;
    const QVector<rig::Row> rows = rig::compare(*r, found.answers);
    // Why nothing is sent is a message; what is sent goes in the line of the plan.
    const rig::Plan why = rig::planReplace(*r, rows, *oldMac, *newMac);
    if (!why.refused.isEmpty())
        return fail(kNoAnswer, Words::tr("%1; nothing sent").arg(why.refused));
    for (const rig::LeftOut &l : why.leftOut)
        return fail(kNoAnswer, Words::tr("%1: %2; nothing sent").arg(l.mac, l.reason));
    const rig::Plan plan = inEnglish([&] { return rig::planReplace(*r, rows, *oldMac, *newMac); });
    const rig::Send &s = plan.sends.first();
    out(line(QStringLiteral("to send"), s.mac, s.device.Nazwa, s.ip,
             QStringLiteral("takes the place of %1 (%2); ").arg(*oldMac, s.name) + s.changes));
    if (const auto refused =
            confirmedByUser(a, Words::tr("Send %1's configuration to %2?").arg(s.name, *newMac)))
        return *refused;
    const QVector<rig::Outcome> outcomes = inEnglish([&] { return session.carryOut(plan.sends); });
    if (!printOutcomes(outcomes))
        return fail(kNoAnswer, Words::tr("%1 was not changed").arg(path));
    rig::Document document;
    document.set(*r, path, false);
    document.adopt(outcomes);
    if (!files::writeAtomically(path, rig::write(document.rig()), true, &error))
        return fail(kUsage, error);
    out(line(QStringLiteral("replaced"), s.mac, s.name, s.ip,
             QStringLiteral("in %1, for %2").arg(path, *oldMac)));
    return kOk;
}

int watch(const Arguments &a) {
    QString error;
    const auto interval = numberOption(
        a, QStringLiteral("--interval"), rig::kMinInterval, rig::kMaxInterval, rig::kDefaultInterval,
        Words::tr("seconds from %1 to %2").arg(rig::kMinInterval).arg(rig::kMaxInterval), &error);
    if (!interval)
        return fail(kUsage, error);
    const auto count = numberOption(a, QStringLiteral("--count"), 1, 1000000, 0, Words::tr("polls"), &error);
    if (!count)
        return fail(kUsage, error);
    if (!a.positional.isEmpty())
        return fail(kUsage, Words::tr("watch takes no plain argument; see zentrictl watch --help"));
    std::optional<rig::Rig> r;
    QStringList addresses = a.list(QStringLiteral("--address"));
    if (a.values.count(QStringLiteral("--rig"))) {
        r = loadRig(a.value(QStringLiteral("--rig")), &error);
        if (!r)
            return fail(kUsage, error);
        addresses << r->addresses;
    }
    const auto extra = extraAddresses(addresses, &error);
    if (!extra)
        return fail(kUsage, QStringLiteral("--address: %1").arg(error));
    Session session;
    if (!session.listen(&error))
        return fail(kPortBusy, error);
    rig::Watch w;
    if (r)
        w.expect(r->devices);
    const bool json = a.flags.contains(QStringLiteral("--json"));
    auto print = [&](const QVector<rig::Event> &events) {
        for (const rig::Event &e : events)
            out(json ? QString::fromUtf8(
                           QJsonDocument(QJsonObject{{"time", e.time.toString(Qt::ISODateWithMs)},
                                                     {"event", e.event},
                                                     {"mac", e.mac},
                                                     {"name", e.name},
                                                     {"ip", e.ip},
                                                     {"detail", e.detail}})
                               .toJson(QJsonDocument::Compact))
                     : e.line().section('\t', 1) + '\t' + e.time.toString(Qt::ISODateWithMs));
    };
    for (int poll = 0; *count == 0 || poll < *count; ++poll) {
        const Session::Found found = find(session, a, *extra, *interval * 1000, r ? &*r : nullptr);
        if (!found.anySent)
            return kNoAnswer;
        const QDateTime now = QDateTime::currentDateTime();
        const i18n::English data;
        print(w.poll(now, found.answers));
        for (const auto &[ip, present] : found.sdCard)
            print(w.sdCard(now, ip, present));
    }
    const i18n::English data;
    bool allOnline = true;
    for (const rig::Watch::Device &d : w.devices()) {
        if (d.expected || !r)
            allOnline = allOnline && d.presence == rig::Presence::Online;
        const QString name = d.last ? d.last->Nazwa : QString();
        const QString seen =
            d.lastSeen.isValid() ? d.lastSeen.toString(Qt::ISODateWithMs) : QStringLiteral("never");
        if (json)
            out(QString::fromUtf8(QJsonDocument(QJsonObject{{"mac", d.mac},
                                                            {"name", name},
                                                            {"ip", d.last ? d.last->IP : QString()},
                                                            {"state", rig::presenceText(d.presence)},
                                                            {"lastSeen", seen}})
                                      .toJson(QJsonDocument::Compact)));
        else
            out(line(rig::presenceText(d.presence), d.mac, name, d.last ? d.last->IP : QString(),
                     QStringLiteral("last seen %1").arg(seen)));
    }
    return allOnline ? kOk : kNoAnswer;
}

int patch(const Arguments &a) {
    QString error;
    const auto ms = waitOption(a, &error);
    if (!ms)
        return fail(kUsage, error);
    const bool json = a.flags.contains(QStringLiteral("--json")),
               csv = a.flags.contains(QStringLiteral("--csv"));
    if (json && csv)
        return fail(kUsage, Words::tr("--json and --csv cannot go together"));
    if (!a.positional.isEmpty())
        return fail(kUsage, Words::tr("patch takes no plain argument; see zentrictl patch --help"));
    QVector<recUrzadzenia> devices;
    if (a.values.count(QStringLiteral("--rig"))) {
        const auto r = loadRig(a.value(QStringLiteral("--rig")), &error);
        if (!r)
            return fail(kUsage, error);
        devices = r->devices;
    } else {
        Session session;
        Session::Found found;
        if (const auto status = discoverWith(session, a, {}, *ms, &found))
            return *status;
        devices = found.answers;
    }
    const i18n::English data;
    const rig::Patch p = rig::patchOf(devices, systemInterfaces());
    auto deviceJson = [&](int d) {
        return QJsonObject{{"name", devices[d].Nazwa},
                           {"mac", devices[d].MAC},
                           {"ip", devices[d].IP},
                           {"input", rig::inputText(devices[d])}};
    };
    if (json) {
        QJsonArray uses, conflicts;
        for (const rig::Use &u : p.uses)
            uses.append(QJsonObject{{"net", u.net},
                                    {"universe", u.universe},
                                    {"channel", u.channel},
                                    {"element", u.elementText()},
                                    {"device", deviceJson(u.device)}});
        for (const rig::Conflict &c : p.conflicts) {
            QJsonArray ds;
            for (int d : c.devices)
                ds.append(deviceJson(d));
            conflicts.append(QJsonObject{{"level", c.levelText()},
                                         {"reason", c.reason},
                                         {"devices", ds},
                                         {"elements", QJsonArray::fromStringList(c.elements)}});
        }
        out(QString::fromUtf8(QJsonDocument(QJsonObject{{"uses", uses}, {"conflicts", conflicts}}).toJson())
                .trimmed());
    } else if (csv) {
        out(QString::fromUtf8(rig::patchCsv(devices, p)).chopped(1)); // out() ends the last line
    } else {
        for (const rig::Use &u : p.uses)
            out(QStringList{QString::number(u.net), QString::number(u.universe), QString::number(u.channel),
                            u.elementText(), devices[u.device].Nazwa, devices[u.device].MAC,
                            devices[u.device].IP, rig::inputText(devices[u.device])}
                    .join('\t'));
        for (const rig::Conflict &c : p.conflicts) {
            QStringList ds;
            for (int d : c.devices)
                ds << rig::deviceText(devices[d]);
            out(QStringList{c.levelText(), c.reason, ds.join(QStringLiteral(", "))}.join('\t'));
        }
    }
    return p.hasError() ? kNoAnswer : kOk;
}

} // namespace zentri::ctl

namespace zentri::ctl {

int status(const Arguments &a) {
    const auto ms = waitAndWords(a, 1, QStringLiteral("URL"));
    if (!ms)
        return kUsage;
    QUrl url(a.positional[0], QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return fail(kUsage, Words::tr("\"%1\" is not a URL like http://127.0.0.1:7880").arg(a.positional[0]));
    if (url.path().isEmpty() || url.path() == QLatin1String("/"))
        url.setPath(QStringLiteral("/api/status"));
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setTransferTimeout(std::max(1, *ms));
    QNetworkReply *reply = manager.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError)
        return fail(kNoAnswer, QStringLiteral("%1: %2").arg(url.toDisplayString(), reply->errorString()));
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(reply->readAll(), &parseError);
    const QJsonObject o = doc.object();
    if (!doc.isObject() || !o.value(QStringLiteral("devices")).isArray())
        return fail(kNoAnswer,
                    Words::tr("%1: not the status of a zentri-watch service").arg(url.toDisplayString()));
    const QJsonArray devices = o.value(QStringLiteral("devices")).toArray();
    bool allInSync = o.value(QStringLiteral("rig_file_ok")).toBool();
    // The states as the service sends them.
    const QString inSync = inEnglish([] { return rig::stateText(rig::State::InSync); });
    const QString missing = inEnglish([] { return rig::stateText(rig::State::Missing); });
    QJsonArray list;
    for (const QJsonValue &v : devices) {
        const QJsonObject d = v.toObject();
        const QString state = d.value(QStringLiteral("state")).toString();
        allInSync = allInSync && state == inSync;
        if (a.flags.contains(QStringLiteral("--json"))) {
            list.append(d);
            continue;
        }
        // As rig check prints it: a missing device has no address.
        const QString ip = state == missing ? QString() : d.value(QStringLiteral("ip")).toString();
        out(line(state, d.value(QStringLiteral("mac")).toString(), d.value(QStringLiteral("name")).toString(),
                 ip, d.value(QStringLiteral("detail")).toString()));
    }
    if (a.flags.contains(QStringLiteral("--json")))
        out(QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Indented)).trimmed());
    if (!o.value(QStringLiteral("rig_file_ok")).toBool())
        fail(kNoAnswer, Words::tr("the service's rig file was refused: %1 (the last good rig is watched)")
                            .arg(o.value(QStringLiteral("rig_file_error")).toString()));
    return allInSync ? kOk : kNoAnswer;
}

} // namespace zentri::ctl
