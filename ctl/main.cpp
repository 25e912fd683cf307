// zentrictl: finds Zentri devices, backs up and restores their configuration, restarts them, restores
// their defaults and asks for their SD card, from the command line. Exit status: 0 success, 1 a device
// did not answer or a check failed, 2 bad usage or a bad file, 3 the reply port is held by another
// program.
#include "cli.h"
#include "device/address.h"
#include "device/configfile.h"
#include "device/files.h"
#include "device/protocol.h"
#include "session.h"

#include "device/wirelog.h"
#include "i18n/language.h"
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <cstdio>
#include <map>
#include <unistd.h>

using namespace zentri;

namespace {

using namespace ctl;

// The context of this file's messages in the translations.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(zentri::ctl)
};

// The help texts, translated where they are printed.
constexpr char kHelpContext[] = "zentri::ctl::Help";
QString helpText(const char *text) {
    return QCoreApplication::translate(kHelpContext, text);
}

//: zentrictl's own words stay English: the commands, the options, the arguments' names in capitals (FILE,
//: IP, MS) and the words in quotes that it prints.
const char kUsageText[] =
    QT_TRANSLATE_NOOP("zentri::ctl::Help", R"(Usage: zentrictl COMMAND [ARGUMENTS] [--verbose]

Commands:
  discover [--json] [--wait MS] [--interface NAME] [--to ADDRESS]
                          find the devices on the network and list them
  backup IP FILE [--force]
                          save the device's configuration to FILE ("-" for standard output)
  restore IP FILE [IP FILE]... [--yes]
                          send each file's configuration to its device and check it
  restart IP              restart the device
  defaults IP --yes       restore the device's default settings
  sd IP                   tell whether the device has an SD card
  rig capture FILE        write a rig of every device that answers
  rig check FILE [--json] compare the devices that answer with the rig
  rig apply FILE [--yes] [--mac MAC]...
                          send the rig's configuration to the devices that differ (or those named)
  rig replace FILE OLD_MAC NEW_MAC [--yes]
                          give a missing device's entry, and its configuration, to a new device
  watch [--rig FILE] [--interval S] [--count N] [--json]
                          ask again every S seconds and print what changes
  patch [--rig FILE] [--json | --csv]
                          every channel in use and what uses it, and the conflicts
  status URL [--json]     the states a running zentri-watch service reports (no UDP)

"zentrictl COMMAND --help" tells more about each command; --version tells the version.
An IP is four decimal numbers from 0 to 255 without leading zeros, and names one device: 0.0.0.0,
broadcast addresses (255.255.255.255 and those of this PC's subnets) and multicast addresses are
refused. --verbose prints every datagram sent and received on standard error.
Exit status: 0 success, 1 a device did not answer or a check failed, 2 bad usage or a bad file,
3 the reply port 7800 is held by another program (such as the Zentri manager).
)");

const std::map<QString, const char *> kHelp = {
    {QStringLiteral("discover"),
     QT_TRANSLATE_NOOP("zentri::ctl::Help",
                       R"(Usage: zentrictl discover [--json] [--wait MS] [--interface NAME] [--to ADDRESS]

Broadcasts one discovery request out of every network interface that is up and can broadcast (or only
out of NAME), waits MS milliseconds (default 2000) for the answers and prints one line per device:
name, IP, MAC, firmware, module version and SD card state, separated by tabs.
  --json            print a JSON array of objects with the keys name, ip, mac, firmware, module,
                    moduleVersion and sdCard (true, false or null when the device did not say)
  --wait MS         how long to wait for answers, in milliseconds
  --interface NAME  broadcast out of this network interface only
  --to ADDRESS      send the request to ADDRESS only instead of broadcasting
  --address IP|CIDR also ask this address, or every address of this subnet (at most 4096), one by one
                    (devices behind a router); may be given more than once
Exits 1 when no device answered.)")},
    {QStringLiteral("rig capture"),
     QT_TRANSLATE_NOOP(
         "zentri::ctl::Help",
         R"(Usage: zentrictl rig capture FILE [--name NAME] [--address IP|CIDR]... [--wait MS] [--force]

Finds the devices (broadcast, and the --address ranges one by one) and writes a new rig of every device
that answered to FILE: its name (NAME, default the file's name), the addresses, and one entry per
device with its whole configuration, as "Save configuration..." writes it. FILE is written whole or
not at all, only as a regular file; a read-only one only with --force. One line per device.
Exits 1 when no device answered.)")},
    {QStringLiteral("rig check"),
     QT_TRANSLATE_NOOP("zentri::ctl::Help", R"(Usage: zentrictl rig check FILE [--json] [--wait MS]

Finds the devices (broadcast, and the rig's addresses one by one) and prints one line per device of
the rig and per device that answered, tab-separated: the state ("in sync", "differs", "missing",
"not in rig", "duplicate"), MAC, name, IP and, for a device that differs, every differing setting
with the rig's and the device's value. --json prints a list of objects with mac, name, ip, state and
differences (field, rig, device).
Exits 0 only when every device of the rig is in sync and no other device answered; 1 otherwise.)")},
    {QStringLiteral("rig apply"),
     QT_TRANSLATE_NOOP("zentri::ctl::Help",
                       R"(Usage: zentrictl rig apply FILE [--mac MAC]... [--yes] [--wait MS]

Sends the rig's configuration to every device that differs (or to the devices named by --mac) as
"Save & Close" would, each keeping its own module version, after listing each device and the
settings it changes; then asks each device again and prints "confirmed" or "not confirmed" for it.
Nothing is sent without --yes or a yes typed on the terminal; without a terminal and --yes it exits 2.
Exits 0 when every device sent to confirmed; 1 otherwise.)")},
    {QStringLiteral("rig replace"),
     QT_TRANSLATE_NOOP("zentri::ctl::Help",
                       R"(Usage: zentrictl rig replace FILE OLD_MAC NEW_MAC [--yes] [--wait MS]

For a box swapped after a fault: OLD_MAC must be in the rig and missing, NEW_MAC must answer and not be
in the rig. Sends OLD_MAC's entry to the new device, asks it again, and once it reports the
configuration writes FILE with the entry's MAC changed to NEW_MAC (its name stays).
Nothing is sent without --yes or a yes typed on the terminal.
Exits 0 when the new device confirmed; 1 otherwise.)")},
    {QStringLiteral("patch"),
     QT_TRANSLATE_NOOP("zentri::ctl::Help",
                       R"help(Usage: zentrictl patch [--rig FILE] [--json | --csv] [--wait MS]

The patch of the devices found (or of the rig's entries, with --rig, without any network): one line per
channel in use, tab-separated: NET, universe, channel (0 for the DMX output, which takes the whole
universe), what uses it ("Output 3 (PWM)", "Audio player volume", "DMX output", "Trigger 2 to
ADDRESS"), the device's name, MAC and IP and the input source it follows; then one line per conflict,
starting with "error" or "warning", with its reason and devices. --json prints an object with uses
(net, universe, channel, element, device) and conflicts (level, reason, devices, elements); --csv the
uses as CSV.
Exits 1 when there is an error-level conflict.)help")},
    {QStringLiteral("watch"),
     QT_TRANSLATE_NOOP(
         "zentri::ctl::Help",
         R"(Usage: zentrictl watch [--rig FILE] [--address IP|CIDR]... [--interval S] [--count N] [--json]

Repeats the discovery every S seconds (default 3, 1 to 60), with the SD card query to each device
that answers, and prints one line per event as it happens: "new", "offline" (no answer to the last
3 polls), "back online", "changed" (with the settings changed elsewhere), "SD card removed", "SD card
inserted", then the MAC, name, IP, details and time. After N polls (default: until interrupted) it
prints one line per device: "online", "missed" or "offline", and when it was last seen. --json prints
one object per line (time, event, mac, name, ip, detail; at the end mac, name, ip, state, lastSeen).
With --count, exits 0 when every device of the rig (every device, without --rig) is online at the
end; 1 otherwise.)")},
    {QStringLiteral("backup"),
     QT_TRANSLATE_NOOP("zentri::ctl::Help", R"(Usage: zentrictl backup IP FILE [--wait MS] [--force]

Asks the device at IP for its configuration and writes it, with its name, MAC, firmware and module
version, to FILE (JSON, the format the manager's "Save configuration..." writes), or to standard
output when FILE is "-". FILE is written whole or not at all; only a regular file is replaced, and
a read-only one only with --force.
Exits 1 when the device did not answer within MS milliseconds (default 2000), 2 when FILE cannot be
written.)")},
    {QStringLiteral("restore"),
     QT_TRANSLATE_NOOP("zentri::ctl::Help",
                       R"(Usage: zentrictl restore IP FILE [IP FILE]... [--wait MS] [--yes]

Reads every FILE first (a file larger than 1 MiB, that is not a configuration, lacks a field, holds
a key twice or a key a configuration does not have, or holds a value the device cannot take stops
everything before anything is sent), then for each device: asks for its current configuration,
sends it the file's configuration ("!SETI"; the device keeps its own module version) and checks by a
new discovery request that the device reports what was sent. A file saved from another device is
named on one line. A device whose firmware the manager refuses gets nothing. For a device with a
Standard module, a file that changes settings the windows do not offer for it (Art-Net NET and
Universe, PWM, the DMX output) is sent only with --yes.
Exits 1 when a device did not answer, has too old a firmware or does not report what was sent, 2 for
a bad file or settings not confirmed with --yes.)")},
    {QStringLiteral("restart"), QT_TRANSLATE_NOOP("zentri::ctl::Help", R"(Usage: zentrictl restart IP

Sends the restart command; the device restarts as at power-on. The device does not answer it.)")},
    {QStringLiteral("defaults"), QT_TRANSLATE_NOOP("zentri::ctl::Help", R"(Usage: zentrictl defaults IP --yes

Sends the restore defaults command: the device returns all its settings to their defaults. Nothing
is sent without --yes. The device does not answer it.)")},
    {QStringLiteral("status"),
     QT_TRANSLATE_NOOP("zentri::ctl::Help", R"(Usage: zentrictl status URL [--json] [--wait MS]

Reads a running zentri-watch service's /api/status (URL such as http://127.0.0.1:7880) and prints the
lines "rig check" prints: the state, MAC, name, IP and differences of every device, tab-separated.
It sends nothing to a device and needs no UDP port, so it runs beside the service. --json prints the
service's device objects (mac, name, ip, state, watch, last_seen, sd_card, differences). --wait is
how long to wait for the service (default 2000 ms).
Exits 0 when every device is in sync and the service's rig file was read; 1 otherwise or when the
service does not answer; 2 for a bad URL.)")},
    {QStringLiteral("sd"), QT_TRANSLATE_NOOP("zentri::ctl::Help", R"(Usage: zentrictl sd IP [--wait MS]

Asks the device whether a memory card is in its slot and prints "SD CARD OK" or "NO SD CARD".
Exits 1 when the device did not answer within MS milliseconds (default 2000).)")},
};

// `error` of writing `path`, with the hint when only --force would let the file be replaced.
QString withForceHint(const QString &error, const QString &path, bool force) {
    QString ignored;
    const bool onlyWithForce =
        !force && !files::mayWrite(path, false, &ignored) && files::mayWrite(path, true, &ignored);
    return onlyWithForce ? Words::tr("%1 (--force replaces it)").arg(error) : error;
}

// The SD card's state as the tables print it (the same in every language).
QString sdText(std::optional<bool> sd) {
    if (!sd)
        return QStringLiteral("SD card unknown");
    return *sd ? QStringLiteral("SD CARD OK") : QStringLiteral("NO SD CARD");
}

// ---- Commands -----------------------------------------------------------------------------------

// The devices found, one line or JSON object each, as scripts read them.
void printDevices(const ctl::Session::Found &found, bool json) {
    const i18n::English data;
    const QVector<recUrzadzenia> &devices = found.answers;
    auto sdOf = [&](const recUrzadzenia &r) -> std::optional<bool> {
        const auto it = found.sdCard.find(r.IP);
        return it == found.sdCard.end() ? std::nullopt : std::optional<bool>(it->second);
    };
    if (json) {
        QJsonArray list;
        for (const recUrzadzenia &r : devices) {
            const auto card = sdOf(r);
            list.append(QJsonObject{{"name", r.Nazwa},
                                    {"ip", r.IP},
                                    {"mac", r.MAC},
                                    {"firmware", r.FWVer},
                                    {"module", wire::moduleVersionName(r.ZentriVersion)},
                                    {"moduleVersion", r.ZentriVersion},
                                    {"sdCard", card ? QJsonValue(*card) : QJsonValue(QJsonValue::Null)}});
        }
        out(QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Indented)).trimmed());
    } else {
        for (const recUrzadzenia &r : devices)
            out(QStringList{r.Nazwa, r.IP, r.MAC, r.FWVer, wire::moduleVersionName(r.ZentriVersion),
                            sdText(sdOf(r))}
                    .join('\t'));
    }
}

int discover(const Arguments &a) {
    QString error;
    const auto ms = waitOption(a, &error);
    if (!ms)
        return fail(kUsage, error);
    if (!a.positional.isEmpty())
        return fail(kUsage, Words::tr("discover takes no address; see zentrictl discover --help"));
    QHostAddress target(QHostAddress::Broadcast);
    if (a.values.count(QStringLiteral("--to"))) {
        const auto to = parseDeviceAddress(a.value(QStringLiteral("--to")), &error);
        if (!to)
            return fail(kUsage, QStringLiteral("--to: %1").arg(error));
        target = *to;
    }
    const auto extra = extraAddresses(a.list(QStringLiteral("--address")), &error);
    if (!extra)
        return fail(kUsage, QStringLiteral("--address: %1").arg(error));

    ctl::Session session;
    if (!session.listen(&error))
        return fail(kPortBusy, error);
    const ctl::Session::Found found =
        session.discover(target, a.value(QStringLiteral("--interface")), *extra, *ms);
    if (!found.anySent)
        return kNoAnswer;

    // Devices in order of their first answer; one that answers twice (two ways in) is listed once.
    printDevices(found, a.flags.contains(QStringLiteral("--json")));
    if (found.answers.isEmpty())
        return fail(kNoAnswer, Words::tr("no device answered within %1 ms").arg(*ms));
    return kOk;
}

std::optional<QHostAddress> deviceAddress(const QString &text, QString *error) {
    auto a = parseDeviceAddress(text, error);
    if (!a)
        *error = Words::tr("not a device's IPv4 address: %1").arg(*error);
    return a;
}

// What a command on one device is given: how long to wait for it, and its address (the first of
// `words` plain arguments, described by `what`). None, with the reason printed, on bad usage.
struct Target {
    int waitMs;
    QHostAddress ip;
};
std::optional<Target> target(const Arguments &a, int words, const QString &what) {
    const auto ms = waitAndWords(a, words, what);
    if (!ms)
        return std::nullopt;
    QString error;
    const auto ip = deviceAddress(a.positional[0], &error);
    if (!ip) {
        fail(kUsage, error);
        return std::nullopt;
    }
    return Target{*ms, *ip};
}

int backup(const Arguments &a) {
    const auto t = target(a, 2, Words::tr("IP and FILE"));
    if (!t)
        return kUsage;
    QString error;
    const QString path = a.positional[1];
    const bool force = a.flags.contains(QStringLiteral("--force"));
    if (path != QLatin1String("-") && !files::mayWrite(path, force, &error))
        return fail(kUsage, withForceHint(error, path, force));
    ctl::Session session;
    if (!session.listen(&error))
        return fail(kPortBusy, error);
    const auto rec = session.query(t->ip, t->waitMs, &error);
    if (!rec)
        return fail(kNoAnswer, error);
    if (path == QLatin1String("-")) {
        putBytes(stdout, configfile::write(*rec));
        return kOk;
    }
    if (!files::writeAtomically(path, configfile::write(*rec), force, &error))
        return fail(kUsage, withForceHint(error, path, force));
    out(Words::tr("%1: configuration of \"%2\" (%3) saved to %4")
            .arg(t->ip.toString(), rec->Nazwa, rec->MAC, path));
    return kOk;
}

int restore(const Arguments &a) {
    QString error;
    const auto ms = waitOption(a, &error);
    if (!ms)
        return fail(kUsage, error);
    if (a.positional.isEmpty() || a.positional.size() % 2 != 0)
        return fail(kUsage, Words::tr("restore needs IP FILE pairs; see zentrictl restore --help"));
    struct Job {
        QHostAddress ip;
        QString path;
        recUrzadzenia file;
    };
    QVector<Job> jobs;
    for (int i = 0; i < a.positional.size(); i += 2) {
        const auto ip = deviceAddress(a.positional[i], &error);
        if (!ip)
            return fail(kUsage, error);
        const QString path = a.positional[i + 1];
        const auto text = files::readWhole(path, files::kMaxConfigurationFileSize, &error);
        if (!text)
            return fail(kUsage, error);
        const configfile::Parsed parsed = configfile::parse(*text);
        if (!parsed.file)
            return fail(kUsage, QStringLiteral("%1: %2").arg(path, parsed.error));
        jobs.append({*ip, path, *parsed.file});
    }
    ctl::Session session;
    if (!session.listen(&error))
        return fail(kPortBusy, error);
    int status = kOk;
    for (const Job &job : jobs) {
        const QString ip = job.ip.toString();
        auto rec = session.query(job.ip, *ms, &error);
        if (!rec) {
            status = fail(kNoAnswer, Words::tr("%1; nothing sent to it").arg(error));
            continue;
        }
        if (!wire::firmwareSupported(rec->FWVer)) {
            status = fail(kNoAnswer, Words::tr("%1: firmware %2: %3; nothing sent to it")
                                         .arg(ip, rec->FWVer, QLatin1String(wire::kFirmwareTooOld)));
            continue;
        }
        const QVector<configfile::Difference> notOffered = configfile::changesNotOffered(*rec, job.file);
        if (!notOffered.isEmpty()) {
            const QString what =
                Words::tr("%1: its module is Standard, for which the windows do not offer these settings "
                          "that %2 changes: %3")
                    .arg(ip, job.path, configfile::labelledList(notOffered, QStringLiteral("%1 %2 -> %3")));
            if (!a.flags.contains(QStringLiteral("--yes"))) {
                status = fail(kUsage, Words::tr("%1; nothing sent to it (--yes sends them)").arg(what));
                continue;
            }
            out(what);
        }
        if (job.file.MAC != rec->MAC)
            out(Words::tr("%1: the file %2 was saved from \"%3\" (%4); it goes to \"%5\" (%6)")
                    .arg(ip, job.path, job.file.Nazwa, job.file.MAC, rec->Nazwa, rec->MAC));
        const QVector<configfile::Difference> changes = configfile::differencesForPeople(*rec, job.file);
        configfile::applyConfiguration(job.file, *rec);
        if (!session.send(wire::configurationPacket(*rec), job.ip, &error)) {
            status = fail(kNoAnswer, Words::tr("%1: not sent: %2").arg(ip, error));
            continue;
        }
        const ctl::Session::Check check = session.confirm(job.ip, *rec, *ms);
        if (!check.now) {
            status =
                fail(kNoAnswer,
                     Words::tr("%1: sent %2, but the device did not answer the check").arg(ip, job.path));
            continue;
        }
        if (!check.confirmed) {
            status =
                fail(kNoAnswer,
                     Words::tr("%1: check failed: the device does not report what was sent: %2")
                         .arg(ip, configfile::labelledList(configfile::differencesForPeople(*rec, *check.now),
                                                           Words::tr("%1 sent %2, reported %3"))));
            continue;
        }
        const int differing = static_cast<int>(changes.size());
        out(Words::tr("%1: restored from %2 (%3 changed); the device reports the configuration sent")
                .arg(ip, job.path)
                .arg(differing == 1 ? Words::tr("1 setting") : Words::tr("%n settings", nullptr, differing)));
        // What changed, as the load preview lists it.
        for (const configfile::Difference &d : changes)
            out(QStringLiteral("  %1: %2 -> %3").arg(d.label, d.device, d.file));
    }
    return status;
}

// Sends `datagram` to the device of the one plain argument and prints `done`.
int command(const Arguments &a, const QByteArray &datagram, const QString &done) {
    const auto t = target(a, 1, Words::tr("one IP"));
    if (!t)
        return kUsage;
    QString error;
    ctl::Session session;
    if (!session.send(datagram, t->ip, &error))
        return fail(kNoAnswer, Words::tr("%1: not sent: %2").arg(t->ip.toString(), error));
    out(QStringLiteral("%1: %2").arg(t->ip.toString(), done));
    return kOk;
}

int restart(const Arguments &a) {
    return command(a, wire::restartCommand(), Words::tr("restart sent"));
}

int defaults(const Arguments &a) {
    if (!a.flags.contains(QStringLiteral("--yes")))
        return fail(kUsage, Words::tr("defaults erases the device's settings: add --yes to send it"));
    return command(a, wire::restoreDefaultsCommand(), Words::tr("restore defaults sent"));
}

int sd(const Arguments &a) {
    const auto t = target(a, 1, Words::tr("one IP"));
    if (!t)
        return kUsage;
    QString error;
    ctl::Session session;
    if (!session.listen(&error))
        return fail(kPortBusy, error);
    const auto card = session.sdCard(t->ip, t->waitMs, &error);
    if (!card)
        return fail(kNoAnswer, error);
    out(QStringLiteral("%1: %2").arg(t->ip.toString(), sdText(card)));
    return kOk;
}

// Each command's function and the options it takes; every command also takes --help and --verbose.
enum OptionKind { Flag, Value, Values };
struct OptionSpec {
    const char *name;
    OptionKind kind;
};
struct Command {
    int (*run)(const Arguments &);
    QVector<OptionSpec> options;
};
const std::map<QString, Command> kCommands = {
    {QStringLiteral("discover"),
     {discover, {{"json", Flag}, {"wait", Value}, {"interface", Value}, {"to", Value}, {"address", Values}}}},
    {QStringLiteral("rig capture"),
     {rigCapture,
      {{"wait", Value}, {"interface", Value}, {"address", Values}, {"name", Value}, {"force", Flag}}}},
    {QStringLiteral("rig check"), {rigCheck, {{"json", Flag}, {"wait", Value}, {"interface", Value}}}},
    {QStringLiteral("rig apply"),
     {rigApply, {{"yes", Flag}, {"mac", Values}, {"wait", Value}, {"interface", Value}}}},
    {QStringLiteral("rig replace"),
     {rigReplace, {{"yes", Flag}, {"wait", Value}, {"interface", Value}, {"force", Flag}}}},
    {QStringLiteral("patch"),
     {patch, {{"rig", Value}, {"json", Flag}, {"csv", Flag}, {"wait", Value}, {"interface", Value}}}},
    {QStringLiteral("watch"),
     {watch,
      {{"rig", Value},
       {"interval", Value},
       {"count", Value},
       {"json", Flag},
       {"address", Values},
       {"interface", Value}}}},
    {QStringLiteral("backup"), {backup, {{"wait", Value}, {"force", Flag}}}},
    {QStringLiteral("restore"), {restore, {{"wait", Value}, {"yes", Flag}}}},
    {QStringLiteral("restart"), {restart, {}}},
    {QStringLiteral("defaults"), {defaults, {{"yes", Flag}}}},
    {QStringLiteral("sd"), {sd, {{"wait", Value}}}},
    {QStringLiteral("status"), {status, {{"json", Flag}, {"wait", Value}}}},
};

QString dashed(const QString &name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The arguments after the command word, read as that command's options and plain arguments.
std::optional<Arguments> parseArguments(const QString &word, const QStringList &args, QString *error) {
    QVector<OptionSpec> specs = kCommands.at(word).options;
    specs.append({"verbose", Flag});
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionSpec &o : specs)
        parser.addOption(o.kind != Flag
                             ? QCommandLineOption(QLatin1String(o.name), QString(), QStringLiteral("value"))
                             : QCommandLineOption(QLatin1String(o.name)));
    if (!parser.parse(QStringList{QStringLiteral("zentrictl")} + args)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            *error = Words::tr("unknown option %1").arg(dashed(unknown.first()));
        } else {
            *error = parser.errorText();
            for (const OptionSpec &o : specs)
                if (o.kind != Flag && !args.isEmpty() && args.last() == dashed(QLatin1String(o.name)))
                    *error = Words::tr("%1 needs a value").arg(args.last());
        }
        return std::nullopt;
    }
    Arguments a;
    a.command = word;
    a.positional = parser.positionalArguments();
    for (const OptionSpec &o : specs) {
        const QString name = QLatin1String(o.name);
        if (!parser.isSet(name))
            continue;
        const QStringList values = parser.values(name);
        if (o.kind == Flag)
            a.flags.insert(dashed(name));
        else if (o.kind == Values)
            a.lists[dashed(name)] = values;
        else if (values.size() > 1) {
            *error = Words::tr("%1 is given more than once").arg(dashed(name));
            return std::nullopt;
        } else
            a.values[dashed(name)] = values.first();
    }
    return a;
}

} // namespace

namespace zentri::ctl {

void putBytes(FILE *to, const QByteArray &bytes) {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to);
    std::fflush(to);
}

void out(const QString &text) {
    putBytes(stdout, text.toLocal8Bit() + '\n');
}

int fail(int status, const QString &text) {
    putBytes(stderr, QStringLiteral("zentrictl: %1\n").arg(text).toLocal8Bit());
    return status;
}

std::optional<int> numberOption(const Arguments &a, const QString &option, int min, int max, int byDefault,
                                const QString &what, QString *error) {
    const auto it = a.values.find(option);
    if (it == a.values.end())
        return byDefault;
    const auto n = parseWholeNumber(it->second, min, max);
    if (!n) {
        *error = Words::tr("%1: \"%2\" is not a number of %3").arg(option, it->second, what);
        return std::nullopt;
    }
    return int(*n);
}

std::optional<int> waitOption(const Arguments &a, QString *error) {
    return numberOption(a, QStringLiteral("--wait"), 0, 600000, kDefaultWaitMs,
                        Words::tr("milliseconds from 0 to 600000"), error);
}

std::optional<QVector<QHostAddress>> extraAddresses(const QStringList &texts, QString *error) {
    QVector<QHostAddress> addresses;
    for (const QString &text : texts) {
        const auto range = parseAddressRange(text, error);
        if (!range)
            return std::nullopt;
        addresses << range->addresses;
    }
    return addresses;
}

std::optional<int> waitAndWords(const Arguments &a, int words, const QString &what) {
    QString error;
    const auto ms = waitOption(a, &error);
    if (!ms) {
        fail(kUsage, error);
        return std::nullopt;
    }
    if (a.positional.size() != words) {
        fail(kUsage, Words::tr("%1 needs %2; see zentrictl %1 --help").arg(a.command, what));
        return std::nullopt;
    }
    return ms;
}

bool askOnTerminal(const QString &question) {
    if (!isatty(STDIN_FILENO))
        return false;
    //: The first letters of "yes" and "no"; the capital one, no, is what an empty answer means.
    putBytes(stdout, (question + ' ' + Words::tr("[y/N]") + ' ').toLocal8Bit());
    char line[64] = {};
    if (!std::fgets(line, sizeof line, stdin))
        return false;
    const QString answer = QString::fromLocal8Bit(line).trimmed().toLower();
    // English yes counts in every language.
    //: The short answer "yes" to [y/N], in small letters.
    const QString y = Words::tr("y");
    //: The answer "yes" to [y/N], in small letters.
    const QString yes = Words::tr("yes");
    return QStringList{QStringLiteral("y"), QStringLiteral("yes"), y, yes}.contains(answer);
}

} // namespace zentri::ctl

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zentrictl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZENTRI_VERSION));
    i18n::installFromEnvironment(&app);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return fail(kUsage, Words::tr("no command given") + '\n' + helpText(kUsageText));
    QString word = args.takeFirst();
    if (word == QLatin1String("rig")) {
        if (args.isEmpty() || args.first().startsWith('-'))
            return fail(kUsage,
                        Words::tr("rig needs one of capture, check, apply, replace; see zentrictl --help"));
        word += ' ' + args.takeFirst();
    }
    if (word == QLatin1String("--help") || word == QLatin1String("-h") || word == QLatin1String("help")) {
        out(!args.isEmpty() && kHelp.count(args.first()) ? helpText(kHelp.at(args.first()))
                                                         : helpText(kUsageText).trimmed());
        return kOk;
    }
    if (word == QLatin1String("--version") || word == QLatin1String("-v")) {
        out(QStringLiteral("zentrictl %1").arg(QCoreApplication::applicationVersion()));
        return kOk;
    }
    if (!kHelp.count(word))
        return fail(kUsage, Words::tr("unknown command \"%1\"").arg(word) + '\n' + helpText(kUsageText));
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        out(helpText(kHelp.at(word)));
        return kOk;
    }
    QString error;
    const std::optional<Arguments> a = parseArguments(word, args, &error);
    if (!a)
        return fail(kUsage, Words::tr("%1: %2; see zentrictl %1 --help").arg(word, error));
    if (a->flags.contains(QStringLiteral("--verbose")))
        enableWireLogging();

    return kCommands.at(word).run(*a);
}
