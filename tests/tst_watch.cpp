// The watch service's parts, on loopback only and without the UDP ports: the settings (command line
// and watch.conf), the quiet hours, the metrics and status texts, the event log (rotation, reading
// back after a restart, a disk that is full), the hooks and webhooks (bounded, never waiting), and
// the HTTP server against hostile clients.
#include "device/portholder.h"
#include "rig/rigfile.h"
#include "watch/config.h"
#include "watch/eventlog.h"
#include "watch/hooks.h"
#include "watch/httpserver.h"
#include "watch/service.h"
#include "watch/status.h"
#include "watch/webhook.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>
#include <csignal>
#include <memory>
#include <sys/resource.h>

using namespace zentri;
using namespace zentri::watchsvc;

namespace {

// The file tests give parseArguments: none, or the text of the case.
QByteArray gFile;
bool gHasFile = false;
std::optional<QByteArray> fakeFile(const QString &, QString *) {
    if (!gHasFile)
        return std::nullopt;
    return gFile;
}

ServiceEvent sample(int i, const QString &kind = QStringLiteral("offline")) {
    return makeEvent(QDateTime(QDate(2026, 12, 11), QTime(10, 0)).addSecs(i), kind, QStringLiteral("Hall"),
                     QString(), QStringLiteral("02:5A:45:00:00:%1").arg(i % 100, 2, 10, QLatin1Char('0')),
                     QStringLiteral("Stage %1").arg(i), QStringLiteral("10.0.0.%1").arg(i % 250 + 1));
}

Snapshot smallSnapshot() {
    Snapshot s;
    s.time = QDateTime(QDate(2026, 12, 11), QTime(10, 0), Qt::UTC);
    s.rigName = QStringLiteral("Hall");
    s.rigPath = QStringLiteral("/etc/zentri/rig.json");
    s.rigFileOk = true;
    s.rigDevices = 2;
    DeviceStatus a;
    a.mac = QStringLiteral("02:5A:45:00:00:01");
    a.name = QStringLiteral("Stage \"left\"");
    a.ip = QStringLiteral("10.0.0.2");
    a.firmware = QStringLiteral("1.12");
    a.module = QStringLiteral("Premium");
    a.state = rig::State::Differs;
    a.inRig = true;
    a.presence = rig::Presence::Online;
    a.lastSeen = QDateTime::fromSecsSinceEpoch(1796983200, Qt::UTC);
    a.sdCard = true;
    a.differences = {configfile::Difference{QStringLiteral("MasterVolume"), QStringLiteral("Master volume"),
                                            QStringLiteral("77"), QStringLiteral("128")}};
    a.detail = QStringLiteral("Master volume: rig 128, device 77");
    DeviceStatus b;
    b.mac = QStringLiteral("02:5A:45:00:00:09");
    b.name = QStringLiteral("<img src=x onerror=alert(1)>");
    b.inRig = true;
    b.state = rig::State::Missing;
    s.devices = {a, b};
    s.eventsTotal[QStringLiteral("offline")] = 3;
    s.polls = 42;
    s.pollSeconds = 3.25;
    s.webhookDropped = 1;
    s.events = std::make_shared<const QVector<ServiceEvent>>(QVector<ServiceEvent>{sample(1), sample(2)});
    return s;
}

// A raw HTTP exchange: the answer's bytes (until the server closes or `ms` pass).
QByteArray exchange(quint16 port, const QByteArray &request, int ms = 3000) {
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, port);
    if (!s.waitForConnected(ms))
        return {};
    s.write(request);
    s.waitForBytesWritten(ms);
    QByteArray answer;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms && s.state() == QAbstractSocket::ConnectedState) {
        if (s.waitForReadyRead(100))
            answer += s.readAll();
        if (answer.contains("\r\n\r\n") && !request.startsWith("GET") && !request.startsWith("HEAD"))
            break;
        const int head = answer.indexOf("\r\n\r\n");
        if (head >= 0) {
            const int cl = answer.indexOf("Content-Length: ");
            if (request.startsWith("HEAD"))
                break;
            if (cl >= 0 && cl < head) {
                const int len = answer.mid(cl + 16, answer.indexOf("\r\n", cl) - cl - 16).toInt();
                if (answer.size() >= head + 4 + len)
                    break;
            }
        }
    }
    answer += s.readAll();
    return answer;
}

QByteArray get(quint16 port, const QByteArray &path) {
    return exchange(port, "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
}

} // namespace

class TestWatch : public QObject {
    Q_OBJECT
private slots:
    void config_data();
    void config();
    void configFileAndCommandLine();
    void quietHours_data();
    void quietHours();
    void metricsText();
    void metricsPassPromtool();
    void statusJson();
    void readiness();
    void eventLogRotatesAndReadsBack();
    void eventLogCutShortThroughout();
    void eventLogSurvivesAFullDisk();
    void webhookQueueIsBounded();
    void keptEventsStayBounded();
    void webhookGivesUp();
    void hooksRunBoundedAndAreKilled();
    void httpAnswersAndRefuses();
    void httpHostileClients();
    void pageEscapes();
    void portHolderNamesTheProgram();
};

void TestWatch::config_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("file"); // "-" for none
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // a part of it, for a refusal

    QTest::newRow("defaults") << QStringList{} << "-" << -1 << "";
    QTest::newRow("all good") << QStringList{"--rig",      "/r.json",  "--interval",    "60",
                                             "--listen",   "[::1]:80", "--webhook",     "http://h:1/x",
                                             "--on-event", "true",     "--quiet-hours", "22:00-07:30"}
                              << "-" << -1 << "";
    QTest::newRow("help") << QStringList{"--help"} << "-" << 0 << "--quiet-hours";
    QTest::newRow("version") << QStringList{"--version"} << "-" << 0 << "zentri-watch 1.0";
    QTest::newRow("unknown option") << QStringList{"--intervall", "3"} << "-" << 2
                                    << "Unknown option 'intervall'";
    QTest::newRow("plain argument") << QStringList{"hall.json"} << "-" << 2 << "takes no plain argument";
    QTest::newRow("interval 0") << QStringList{"--interval", "0"} << "-" << 2
                                << "--interval: \"0\" is not a number of seconds from 1 to 60";
    QTest::newRow("interval 61") << QStringList{"--interval", "61"} << "-" << 2 << "from 1 to 60";
    QTest::newRow("interval sign") << QStringList{"--interval", "+3"} << "-" << 2 << "\"+3\"";
    QTest::newRow("interval twice") << QStringList{"--interval", "3", "--interval", "4"} << "-" << 2
                                    << "--interval is given more than once";
    QTest::newRow("listen no port") << QStringList{"--listen", "127.0.0.1"} << "-" << 2
                                    << "--listen: \"127.0.0.1\"";
    QTest::newRow("listen port 0") << QStringList{"--listen", "127.0.0.1:0"} << "-" << 2 << "port 1 to 65535";
    QTest::newRow("listen port big") << QStringList{"--listen", "127.0.0.1:65536"} << "-" << 2 << "--listen";
    QTest::newRow("listen octal") << QStringList{"--listen", "127.0.0.01:7880"} << "-" << 2 << "--listen";
    QTest::newRow("listen name") << QStringList{"--listen", "localhost:7880"} << "-" << 2 << "--listen";
    QTest::newRow("webhook ftp") << QStringList{"--webhook", "ftp://h/x"} << "-" << 2
                                 << "only http and https URLs";
    QTest::newRow("webhook no host") << QStringList{"--webhook", "http:///x"} << "-" << 2 << "is not a URL";
    QTest::newRow("on-event empty") << QStringList{"--on-event", " "} << "-" << 2
                                    << "--on-event: an empty command";
    QTest::newRow("quiet one digit") << QStringList{"--quiet-hours", "7:00-22:00"} << "-" << 2
                                     << "--quiet-hours: \"7:00-22:00\" is not a window";
    QTest::newRow("quiet 24:00") << QStringList{"--quiet-hours", "22:00-24:00"} << "-" << 2
                                 << "is not a window";
    QTest::newRow("quiet empty") << QStringList{"--quiet-hours", "08:00-08:00"} << "-" << 2
                                 << "starts and ends at one time";
    QTest::newRow("rig empty") << QStringList{"--rig", ""} << "-" << 2 << "--rig: no file named";
    QTest::newRow("to broadcast") << QStringList{"--to", "10.0.0.010"} << "-" << 2 << "--to:";
    QTest::newRow("file good") << QStringList{} << "# venue\ninterval = 5\non-event = logger x=1\n"
                               << -1 << "";
    QTest::newRow("file unknown key") << QStringList{} << "interval = 5\nintreval = 3\n"
                                      << 2 << "watch.conf:2: unknown key \"intreval\"";
    QTest::newRow("file no equals") << QStringList{} << "interval 5\n"
                                    << 2 << ":1: \"interval 5\" is not \"key = value\"";
    QTest::newRow("file twice") << QStringList{} << "rig = a\nrig = b\n" << 2 << ":2: \"rig\" is given twice";
    QTest::newRow("file bad value") << QStringList{} << "interval = 99\n" << 2 << "--interval: \"99\"";
    QTest::newRow("file bad value, command line good") << QStringList{"--interval", "4"} << "interval = 99\n"
                                                       << -1 << "";
    QTest::newRow("config missing") << QStringList{"--config", "/nonexistent/watch.conf"} << "-" << 2
                                    << "/nonexistent/watch.conf: no such file";
}

void TestWatch::config() {
    QFETCH(QStringList, args);
    QFETCH(QString, file);
    QFETCH(int, status);
    QFETCH(QString, message);
    gHasFile = file != QLatin1String("-");
    gFile = file.toUtf8();
    const Parsed p = parseArguments(QStringList{"zentri-watch"} + args, &fakeFile);
    if (status < 0) {
        QVERIFY2(p.config.has_value(), qPrintable(p.message));
        return;
    }
    QVERIFY(!p.config);
    QCOMPARE(p.status, status);
    QVERIFY2(p.message.contains(message), qPrintable(p.message));
    if (status == 2)
        QVERIFY2(p.message.startsWith(QLatin1String("zentri-watch: ")), qPrintable(p.message));
}

void TestWatch::configFileAndCommandLine() {
    gHasFile = true;
    gFile = "rig = /etc/zentri/hall.json\ninterval = 5\nlisten = 0.0.0.0:8080\nwebhook = http://a/1\n"
            "webhook = http://b/2\non-event = echo one\nquiet-hours = 23:00-06:00\nstate-dir = /tmp/x\n";
    Parsed p = parseArguments({"zentri-watch"}, &fakeFile);
    QVERIFY(p.config);
    QCOMPARE(p.config->rigPath, QStringLiteral("/etc/zentri/hall.json"));
    QCOMPARE(p.config->interval, 5);
    QCOMPARE(p.config->listenAddress, QHostAddress(QHostAddress::AnyIPv4));
    QCOMPARE(p.config->listenPort, quint16(8080));
    QCOMPARE(p.config->webhooks.size(), 2);
    QCOMPARE(p.config->onEvent, QStringList{"echo one"});
    QCOMPARE(p.config->quietHours->text(), QStringLiteral("23:00-06:00"));
    QCOMPARE(p.config->stateDir, QStringLiteral("/tmp/x"));
    // The command line wins, a repeated key as a whole.
    p = parseArguments({"zentri-watch", "--interval", "2", "--webhook", "http://c/3"}, &fakeFile);
    QVERIFY(p.config);
    QCOMPARE(p.config->interval, 2);
    QCOMPARE(p.config->webhooks, QVector<QUrl>{QUrl("http://c/3")});
    QCOMPARE(p.config->rigPath, QStringLiteral("/etc/zentri/hall.json"));
    // Without a file, the issue's defaults.
    gHasFile = false;
    p = parseArguments({"zentri-watch"}, &fakeFile);
    QCOMPARE(p.config->rigPath, QStringLiteral("/etc/zentri/rig.json"));
    QCOMPARE(p.config->interval, 3);
    QCOMPARE(p.config->listenAddress, QHostAddress(QHostAddress::LocalHost));
    QCOMPARE(p.config->listenPort, quint16(7880));
    QCOMPARE(p.config->stateDir, QStringLiteral("/var/lib/zentri-watch"));
    QVERIFY(!p.config->quietHours);
}

void TestWatch::quietHours_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("time");
    QTest::addColumn<bool>("inside");
    QTest::newRow("night, before") << "22:00-07:00"
                                   << "21:59" << false;
    QTest::newRow("night, start") << "22:00-07:00"
                                  << "22:00" << true;
    QTest::newRow("night, midnight") << "22:00-07:00"
                                     << "00:00" << true;
    QTest::newRow("night, 06:59") << "22:00-07:00"
                                  << "06:59" << true;
    QTest::newRow("night, end") << "22:00-07:00"
                                << "07:00" << false;
    QTest::newRow("night, noon") << "22:00-07:00"
                                 << "12:00" << false;
    QTest::newRow("day, inside") << "09:00-17:00"
                                 << "12:00" << true;
    QTest::newRow("day, end") << "09:00-17:00"
                              << "17:00" << false;
    QTest::newRow("day, midnight") << "09:00-17:00"
                                   << "00:00" << false;
    QTest::newRow("to midnight, 23:59") << "18:00-00:00"
                                        << "23:59" << true;
    QTest::newRow("to midnight, 00:00") << "18:00-00:00"
                                        << "00:00" << false;
    QTest::newRow("from midnight, 00:00") << "00:00-06:00"
                                          << "00:00" << true;
    QTest::newRow("one minute over midnight") << "23:59-00:01"
                                              << "00:00" << true;
}

void TestWatch::quietHours() {
    QFETCH(QString, window);
    QFETCH(QString, time);
    QFETCH(bool, inside);
    QString error;
    const auto q = parseQuietHours(window, &error);
    QVERIFY2(q, qPrintable(error));
    QCOMPARE(q->contains(QTime::fromString(time, QStringLiteral("HH:mm"))), inside);
    QCOMPARE(q->text(), window);
}

void TestWatch::metricsText() {
    const QByteArray text = watchsvc::metricsText(smallSnapshot(), false);
    const QByteArray expected =
        R"(# HELP zentri_device_up 1 when the device answered one of the last 3 polls, 0 when offline or never seen.
# TYPE zentri_device_up gauge
zentri_device_up{mac="02:5A:45:00:00:01",name="Stage \"left\""} 1
zentri_device_up{mac="02:5A:45:00:00:09",name="<img src=x onerror=alert(1)>"} 0
# HELP zentri_device_watch_state The device's presence: online, missed (silent at the last poll) or offline (silent for 3).
# TYPE zentri_device_watch_state gauge
zentri_device_watch_state{mac="02:5A:45:00:00:01",name="Stage \"left\"",state="online"} 1
zentri_device_watch_state{mac="02:5A:45:00:00:01",name="Stage \"left\"",state="missed"} 0
zentri_device_watch_state{mac="02:5A:45:00:00:01",name="Stage \"left\"",state="offline"} 0
zentri_device_watch_state{mac="02:5A:45:00:00:09",name="<img src=x onerror=alert(1)>",state="online"} 0
zentri_device_watch_state{mac="02:5A:45:00:00:09",name="<img src=x onerror=alert(1)>",state="missed"} 0
zentri_device_watch_state{mac="02:5A:45:00:00:09",name="<img src=x onerror=alert(1)>",state="offline"} 1
# HELP zentri_device_rig_state The device's state against the rig file.
# TYPE zentri_device_rig_state gauge
zentri_device_rig_state{mac="02:5A:45:00:00:01",name="Stage \"left\"",state="in_sync"} 0
zentri_device_rig_state{mac="02:5A:45:00:00:01",name="Stage \"left\"",state="differs"} 1
zentri_device_rig_state{mac="02:5A:45:00:00:01",name="Stage \"left\"",state="missing"} 0
zentri_device_rig_state{mac="02:5A:45:00:00:01",name="Stage \"left\"",state="not_in_rig"} 0
zentri_device_rig_state{mac="02:5A:45:00:00:01",name="Stage \"left\"",state="duplicate"} 0
zentri_device_rig_state{mac="02:5A:45:00:00:09",name="<img src=x onerror=alert(1)>",state="in_sync"} 0
zentri_device_rig_state{mac="02:5A:45:00:00:09",name="<img src=x onerror=alert(1)>",state="differs"} 0
zentri_device_rig_state{mac="02:5A:45:00:00:09",name="<img src=x onerror=alert(1)>",state="missing"} 1
zentri_device_rig_state{mac="02:5A:45:00:00:09",name="<img src=x onerror=alert(1)>",state="not_in_rig"} 0
zentri_device_rig_state{mac="02:5A:45:00:00:09",name="<img src=x onerror=alert(1)>",state="duplicate"} 0
# HELP zentri_device_last_seen_timestamp_seconds When the device last answered, in seconds since the epoch.
# TYPE zentri_device_last_seen_timestamp_seconds gauge
zentri_device_last_seen_timestamp_seconds{mac="02:5A:45:00:00:01",name="Stage \"left\""} 1796983200
# HELP zentri_device_sd_card_present 1 when the device reported an SD card, 0 when it reported none.
# TYPE zentri_device_sd_card_present gauge
zentri_device_sd_card_present{mac="02:5A:45:00:00:01",name="Stage \"left\""} 1
# HELP zentri_device_info The device's address, firmware and module, as it last answered.
# TYPE zentri_device_info gauge
zentri_device_info{mac="02:5A:45:00:00:01",name="Stage \"left\"",ip="10.0.0.2",firmware="1.12",module="Premium"} 1
# HELP zentri_events_total Events since the service started, by kind.
# TYPE zentri_events_total counter
zentri_events_total{event="offline"} 3
zentri_events_total{event="back_online"} 0
zentri_events_total{event="new"} 0
zentri_events_total{event="changed"} 0
zentri_events_total{event="sd_card_removed"} 0
zentri_events_total{event="sd_card_inserted"} 0
zentri_events_total{event="rig_file_loaded"} 0
zentri_events_total{event="rig_file_refused"} 0
zentri_events_total{event="readiness"} 0
# HELP zentri_rig_file_ok 1 when the rig file was read at its last change, 0 when it was refused or is missing.
# TYPE zentri_rig_file_ok gauge
zentri_rig_file_ok 1
# HELP zentri_rig_devices Devices in the rig watched.
# TYPE zentri_rig_devices gauge
zentri_rig_devices 2
# HELP zentri_polls_total Discovery rounds finished.
# TYPE zentri_polls_total counter
zentri_polls_total 42
# HELP zentri_poll_duration_seconds How long the last discovery round took, from its request to its end.
# TYPE zentri_poll_duration_seconds gauge
zentri_poll_duration_seconds 3.25
# HELP zentri_webhook_dropped_total Webhook deliveries dropped: the queue was full, or 10 minutes of retries failed.
# TYPE zentri_webhook_dropped_total counter
zentri_webhook_dropped_total 1
# HELP zentri_hook_dropped_total On-event commands not run because their queue was full.
# TYPE zentri_hook_dropped_total counter
zentri_hook_dropped_total 0
# HELP zentri_hook_failures_total On-event commands that failed or were killed after 30 s.
# TYPE zentri_hook_failures_total counter
zentri_hook_failures_total 0
# HELP zentri_event_log_write_errors_total Failed writes of the event log (the event waits and is written again).
# TYPE zentri_event_log_write_errors_total counter
zentri_event_log_write_errors_total 0
)";
    QCOMPARE(QString::fromUtf8(text), QString::fromUtf8(expected));
}

void TestWatch::metricsPassPromtool() {
    const QString promtool = QStandardPaths::findExecutable(QStringLiteral("promtool"));
    if (promtool.isEmpty())
        QSKIP("promtool is not installed (Debian's prometheus package has it)");
    QProcess p;
    p.start(promtool, {"check", "metrics"});
    QVERIFY(p.waitForStarted());
    p.write(watchsvc::metricsText(smallSnapshot(), true));
    p.closeWriteChannel();
    QVERIFY(p.waitForFinished(20000));
    const QByteArray said = p.readAllStandardOutput() + p.readAllStandardError();
    QVERIFY2(p.exitCode() == 0 && said.trimmed().isEmpty(), said.constData());
}

void TestWatch::statusJson() {
    const QJsonObject o = QJsonDocument::fromJson(watchsvc::statusJson(smallSnapshot())).object();
    QCOMPARE(o.value("rig").toString(), QStringLiteral("Hall"));
    QCOMPARE(o.value("rig_file_ok").toBool(), true);
    QCOMPARE(o.value("online").toString(), QStringLiteral("1 of 2 online"));
    QCOMPARE(o.value("counts").toObject().value("missing").toInt(), 1);
    const QJsonArray devices = o.value("devices").toArray();
    QCOMPARE(devices.size(), 2);
    const QJsonObject a = devices[0].toObject(), b = devices[1].toObject();
    QCOMPARE(a.value("mac").toString(), QStringLiteral("02:5A:45:00:00:01"));
    QCOMPARE(a.value("name").toString(), QStringLiteral("Stage \"left\""));
    QCOMPARE(a.value("ip").toString(), QStringLiteral("10.0.0.2"));
    QCOMPARE(a.value("state").toString(), QStringLiteral("differs"));
    QCOMPARE(a.value("watch").toString(), QStringLiteral("online"));
    QCOMPARE(a.value("last_seen").toString(), QStringLiteral("2026-12-11T10:00:00.000Z"));
    QCOMPARE(a.value("sd_card").toBool(), true);
    QCOMPARE(a.value("differences").toArray().first().toObject(),
             (QJsonObject{
                 {"field", "MasterVolume"}, {"label", "Master volume"}, {"rig", "128"}, {"device", "77"}}));
    QCOMPARE(b.value("name").toString(), QStringLiteral("<img src=x onerror=alert(1)>"));
    QCOMPARE(b.value("state").toString(), QStringLiteral("missing"));
    QCOMPARE(b.value("watch").toString(), QStringLiteral("offline"));
    QVERIFY(b.value("last_seen").isNull());
    QVERIFY(b.value("sd_card").isNull());
    // The events since a time: later ones only.
    const Snapshot s = smallSnapshot();
    QCOMPARE(QJsonDocument::fromJson(eventsJson(s, {})).array().size(), 2);
    const QJsonArray later = QJsonDocument::fromJson(eventsJson(s, sample(1).time)).array();
    QCOMPARE(later.size(), 1);
    QCOMPARE(later[0].toObject().value("name").toString(), QStringLiteral("Stage 2"));
    // A local time is written with its offset from UTC, and read back as the same instant.
    const ServiceEvent local = sample(3);
    const QString written = local.toJson().value("time").toString();
    QVERIFY2(QRegularExpression(QStringLiteral("^2026-12-11T10:00:03\\.000([+-]\\d\\d:\\d\\d|Z)$"))
                 .match(written)
                 .hasMatch(),
             qPrintable(written));
    QCOMPARE(ServiceEvent::fromJson(local.toJson())->time.toMSecsSinceEpoch(),
             local.time.toMSecsSinceEpoch());
}

void TestWatch::readiness() {
    Snapshot s = smallSnapshot();
    QCOMPARE(readinessSummary(s),
             QStringLiteral("1 of 2 online; missing: <img src=x onerror=alert(1)>; differs: Stage \"left\""));
    s.rigFileOk = false;
    s.rigFileError = QStringLiteral("rig.json: not JSON");
    QVERIFY(readinessSummary(s).endsWith(QLatin1String("; rig file refused: rig.json: not JSON")));
}

void TestWatch::eventLogRotatesAndReadsBack() {
    QTemporaryDir dir;
    const qint64 rotateAt = 4096;
    int written = 0;
    {
        EventLog log(dir.path(), rotateAt);
        for (; written < 200; ++written)
            QVERIFY(log.append(sample(written)));
    }
    // Rotated: the current file and at most five old ones, each under the limit.
    const QStringList files = QDir(dir.path()).entryList({"events.jsonl*"}, QDir::Files, QDir::Name);
    QCOMPARE(files, (QStringList{"events.jsonl", "events.jsonl.1", "events.jsonl.2", "events.jsonl.3",
                                 "events.jsonl.4", "events.jsonl.5"}));
    for (const QString &f : files)
        QVERIFY(QFileInfo(dir.filePath(f)).size() <= rotateAt);
    // A second log on the same directory (a restart) reads back the latest, in order.
    EventLog again(dir.path(), rotateAt);
    const QVector<ServiceEvent> back = again.readLast(20);
    QCOMPARE(back.size(), 20);
    QCOMPARE(back.first().name, QStringLiteral("Stage 180"));
    QCOMPARE(back.last().name, QStringLiteral("Stage 199"));
    QCOMPARE(back.last().toJson(), sample(199).toJson());
    // A line cut short by a crash (a power cut in the middle of a write) is skipped when read back.
    {
        QFile f(again.path());
        QVERIFY(f.open(QIODevice::Append));
        f.write("{\"time\":\"2026-12-11T1");
    }
    QCOMPARE(again.readLast(1).first().name, QStringLiteral("Stage 199"));
    const QVector<ServiceEvent> all = again.readLast(100000);
    QVERIFY(all.size() < 200); // the oldest rotated away
    QCOMPARE(all.last().name, QStringLiteral("Stage 199"));
    // The service started again appends after it: the piece goes, the next event is a line of its own
    // and every line of the file is whole.
    QVERIFY(again.append(sample(200)));
    QCOMPARE(again.readLast(2).first().name, QStringLiteral("Stage 199"));
    QCOMPARE(again.readLast(2).last().name, QStringLiteral("Stage 200"));
    QFile f(again.path());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    QVERIFY(text.endsWith('\n'));
    for (const QByteArray &line : text.chopped(1).split('\n'))
        QVERIFY2(QJsonDocument::fromJson(line).isObject(), line.constData());
}

void TestWatch::eventLogCutShortThroughout() {
    // A file that is nothing but a piece, and one whose piece is longer than a read: cut back to the
    // last whole line, however far that is.
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("events.jsonl"));
    const auto write = [&](const QByteArray &bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), bytes.size());
    };
    write("{\"time\":\"2026-");
    {
        EventLog log(dir.path());
        QVERIFY(log.append(sample(1)));
        QCOMPARE(log.readLast(10).size(), 1);
    }
    QCOMPARE(QFileInfo(path).size(),
             QJsonDocument(sample(1).toJson()).toJson(QJsonDocument::Compact).size() + 1);
    write(QJsonDocument(sample(2).toJson()).toJson(QJsonDocument::Compact) + "\n{\"fields\":\"" +
          QByteArray(200000, 'x'));
    {
        EventLog log(dir.path());
        QVERIFY(log.append(sample(3)));
        const QVector<ServiceEvent> back = log.readLast(10);
        QCOMPARE(back.size(), 2);
        QCOMPARE(back[0].name, QStringLiteral("Stage 2"));
        QCOMPARE(back[1].name, QStringLiteral("Stage 3"));
    }
}

void TestWatch::eventLogSurvivesAFullDisk() {
    // A file size limit stands in for a full disk: write(2) fails (EFBIG) as it fails with ENOSPC.
    QTemporaryDir dir;
    EventLog log(dir.path());
    QVERIFY(log.append(sample(0)));
    const qint64 size = QFileInfo(log.path()).size();
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = static_cast<rlim_t>(size + 10); // a part of the next line fits
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    QVERIFY(!log.append(sample(1)));
    QVERIFY(!log.append(sample(2)));
    QCOMPARE(log.waiting(), 2);
    QVERIFY(log.writeErrors() >= 2);
    QCOMPARE(QFileInfo(log.path()).size(), size); // the piece was cut off again
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &old), 0);
    QVERIFY(log.retry());
    QCOMPARE(log.waiting(), 0);
    const QVector<ServiceEvent> back = log.readLast(10);
    QCOMPARE(back.size(), 3);
    QCOMPARE(back[1].name, QStringLiteral("Stage 1"));
    QCOMPARE(back[2].name, QStringLiteral("Stage 2"));
}

void TestWatch::webhookQueueIsBounded() {
    // A receiver that accepts and never answers: one request stays on its way, the queue fills.
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    QUrl url(QStringLiteral("http://127.0.0.1/hook"));
    url.setPort(silent.serverPort());
    Webhooks hooks({url});
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < Webhooks::kMaxQueued + 25; ++i)
        hooks.post(sample(i));
    QVERIFY(t.elapsed() < 2000); // posting never waits for the receiver
    QCOMPARE(hooks.queued(), Webhooks::kMaxQueued);
    QCOMPARE(hooks.dropped(), quint64(25));
    QTRY_VERIFY(silent.hasPendingConnections() || silent.isListening());
}

void TestWatch::keptEventsStayBounded() {
    // However many events pass (here the rig file's, read again and again), the snapshots share at
    // most the last kKeptEvents of them, and the memory that holds them stays of that size.
    QTemporaryDir dir;
    Config c;
    c.rigPath = dir.filePath(QStringLiteral("rig.json"));
    c.stateDir = dir.filePath(QStringLiteral("state"));
    QVERIFY(QDir().mkpath(c.stateDir));
    Service service(c);
    const int events = 3 * kKeptEvents;
    for (int i = 0; i < events; ++i) {
        QFile f(c.rigPath);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(rig::write(rig::capture(QStringLiteral("Hall %1").arg(i), {})));
        f.close();
        service.reloadRig();
    }
    const auto s = service.snapshot();
    QCOMPARE(s->eventsTotal.value(QStringLiteral("rig_file_loaded")), quint64(events));
    QCOMPARE(s->events->size(), kKeptEvents);
    QCOMPARE(s->events->last().rig, QStringLiteral("Hall %1").arg(events - 1));
    QCOMPARE(s->events->first().rig, QStringLiteral("Hall %1").arg(events - kKeptEvents));
    QVERIFY2(s->events->capacity() <= 2 * kKeptEvents,
             qPrintable(QStringLiteral("room for %1 events").arg(s->events->capacity())));
}

void TestWatch::webhookGivesUp() {
    // A receiver that answers 500: tried again with backoff, dropped (and counted) after the give-up
    // time; a receiver that answers 204 gets the events in order.
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    int requests = 0;
    QByteArray bodies;
    int status = 500;
    connect(&server, &QTcpServer::newConnection, this, [&] {
        while (QTcpSocket *s = server.nextPendingConnection()) {
            connect(s, &QTcpSocket::readyRead, s, [&, s] {
                const QByteArray data = s->readAll();
                if (!data.startsWith("POST"))
                    return;
                ++requests;
                bodies += data.mid(data.indexOf("\r\n\r\n") + 4) + '\n';
                s->write(QByteArray("HTTP/1.1 ") + QByteArray::number(status) +
                         " X\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
                s->disconnectFromHost();
            });
        }
    });
    QUrl url(QStringLiteral("http://127.0.0.1/hook"));
    url.setPort(server.serverPort());
    Webhooks hooks({url});
    hooks.setTimes(2000, 50, 100, 600);
    hooks.post(sample(1));
    QTRY_COMPARE_WITH_TIMEOUT(hooks.dropped(), quint64(1), 5000);
    QVERIFY2(requests >= 3, qPrintable(QString::number(requests)));
    QVERIFY(hooks.failures() >= 3);
    status = 204;
    bodies.clear();
    hooks.post(sample(2));
    hooks.post(sample(3));
    QTRY_COMPARE_WITH_TIMEOUT(hooks.delivered(), quint64(2), 5000);
    const QList<QByteArray> got = bodies.trimmed().split('\n');
    QCOMPARE(got.size(), 2);
    const QJsonObject first = QJsonDocument::fromJson(got[0]).object();
    for (const char *key : {"time", "event", "mac", "name", "ip", "fields", "rig"})
        QVERIFY2(first.contains(QLatin1String(key)), key);
    QCOMPARE(first.value("name").toString(), QStringLiteral("Stage 2"));
    QCOMPARE(QJsonDocument::fromJson(got[1]).object().value("name").toString(), QStringLiteral("Stage 3"));
}

void TestWatch::hooksRunBoundedAndAreKilled() {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out"));
    // A hook that never ends (and one it started in the background), and one that writes what it got.
    Hooks hooks({QStringLiteral("sleep 1000 & sleep 1000"),
                 QStringLiteral("{ printf '%s %s ' \"$ZENTRI_EVENT\" \"$ZENTRI_NAME\"; cat; } > '") + out +
                     QStringLiteral("'.$$")});
    hooks.setTimeoutMs(700);
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < 4; ++i)
        hooks.post(sample(i));
    QVERIFY(t.elapsed() < 1000);                   // nothing waits for a hook
    QCOMPARE(hooks.running(), Hooks::kMaxRunning); // never more than four
    QCOMPARE(hooks.queued(), 8 - Hooks::kMaxRunning);
    QTRY_COMPARE_WITH_TIMEOUT(hooks.finished(), quint64(8), 15000);
    QCOMPARE(hooks.killed(), quint64(4));
    QByteArray text;
    for (const QString &name : QDir(dir.path()).entryList(QDir::Files)) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::ReadOnly));
        text += f.readAll();
    }
    for (const char *part :
         {"offline Stage 0 {", "offline Stage 1 {", "offline Stage 2 {", "offline Stage 3 {"})
        QVERIFY2(text.contains(part), text.constData());
    QVERIFY(text.contains("\"mac\":\"02:5A:45:00:00:03\""));
    // The sleeps of the killed hooks went with them (their process group).
    QProcess pgrep;
    pgrep.start(QStringLiteral("pgrep"), {"-f", "^sleep 1000$"});
    pgrep.waitForFinished();
    QCOMPARE(pgrep.readAllStandardOutput().trimmed(), QByteArray());
}

void TestWatch::httpAnswersAndRefuses() {
    HttpServer http;
    QString error;
    QVERIFY2(http.start(QHostAddress::LocalHost, 0, &error), qPrintable(error));
    http.setSnapshot(std::make_shared<const Snapshot>(smallSnapshot()));
    const quint16 port = http.port();
    QByteArray a = get(port, "/metrics");
    QVERIFY2(a.startsWith("HTTP/1.1 200"), a.left(200).constData());
    QVERIFY(a.contains("Content-Type: text/plain; version=0.0.4"));
    QVERIFY(a.contains("zentri_polls_total 42"));
    a = get(port, "/api/status");
    QVERIFY(a.startsWith("HTTP/1.1 200") && a.contains("application/json") && a.contains("\"rig\":\"Hall\""));
    a = get(port, "/api/events?since=2026-12-11T10:00:01");
    QVERIFY2(a.startsWith("HTTP/1.1 200") && a.contains("Stage 2") && !a.contains("Stage 1\""),
             a.constData());
    a = get(port, "/api/events?since=yesterday");
    QVERIFY(a.startsWith("HTTP/1.1 400"));
    a = get(port, "/");
    QVERIFY(a.startsWith("HTTP/1.1 200") && a.contains("text/html") &&
            a.contains("Content-Security-Policy: "));
    QVERIFY(get(port, "/index.html").startsWith("HTTP/1.1 404"));
    QVERIFY(get(port, "/api/status/../../etc/passwd").startsWith("HTTP/1.1 404"));
    a = exchange(
        port, "POST /api/status HTTP/1.1\r\nHost: x\r\nContent-Length: 5\r\nConnection: close\r\n\r\nhello");
    QVERIFY2(a.startsWith("HTTP/1.1 405") && a.contains("Allow: GET, HEAD"), a.constData());
    QVERIFY(exchange(port, "DELETE / HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n")
                .startsWith("HTTP/1.1 405"));
    QVERIFY(
        exchange(port, "PUT /metrics HTTP/1.1\r\nHost: x\r\nContent-Length: 0\r\nConnection: close\r\n\r\n")
            .startsWith("HTTP/1.1 405"));
    a = exchange(port, "HEAD /metrics HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
    QVERIFY2(a.startsWith("HTTP/1.1 200") && !a.contains("zentri_polls_total"), a.constData());
}

void TestWatch::httpHostileClients() {
    HttpServer http;
    QString error;
    QVERIFY2(http.start(QHostAddress::LocalHost, 0, &error), qPrintable(error));
    http.setSnapshot(std::make_shared<const Snapshot>(smallSnapshot()));
    const quint16 port = http.port();
    // 200 clients that connect and send nothing.
    std::vector<std::unique_ptr<QTcpSocket>> idle;
    for (int i = 0; i < 200; ++i) {
        auto s = std::make_unique<QTcpSocket>();
        s->connectToHost(QHostAddress::LocalHost, port);
        idle.push_back(std::move(s));
    }
    for (auto &s : idle)
        QVERIFY(s->waitForConnected(3000));
    // One that sends 1 MiB of headers: refused, not buffered (the connection's memory is 32 KiB).
    QTcpSocket big;
    big.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(big.waitForConnected(3000));
    QByteArray request = "GET /metrics HTTP/1.1\r\nHost: x\r\n";
    while (request.size() < 1024 * 1024)
        request += "X-Filler-" + QByteArray::number(request.size()) + ": " + QByteArray(100, 'a') + "\r\n";
    big.write(request);
    QByteArray bigAnswer;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 5000 && big.state() == QAbstractSocket::ConnectedState) {
        big.waitForBytesWritten(50);
        if (big.waitForReadyRead(50))
            bigAnswer += big.readAll();
    }
    bigAnswer += big.readAll();
    QVERIFY2(bigAnswer.isEmpty() || bigAnswer.startsWith("HTTP/1.1 431") ||
                 bigAnswer.startsWith("HTTP/1.1 413") || bigAnswer.startsWith("HTTP/1.1 400"),
             bigAnswer.left(100).constData());
    QVERIFY2(big.state() != QAbstractSocket::ConnectedState, "the server keeps reading a 1 MiB header");
    QVERIFY(big.bytesToWrite() > 0 || !bigAnswer.isEmpty()); // it stopped taking the bytes, or refused them
    // And a normal request is answered at once, the idle ones still open.
    t.restart();
    const QByteArray a = get(port, "/api/status");
    QVERIFY2(a.startsWith("HTTP/1.1 200"), a.left(100).constData());
    QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));
    int open = 0;
    for (auto &s : idle)
        open += s->state() == QAbstractSocket::ConnectedState ? 1 : 0;
    QCOMPARE(open, 200);
}

void TestWatch::pageEscapes() {
    // Every text from a device goes in as text: the script never parses markup.
    const QByteArray &page = HttpServer::page();
    QVERIFY(page.contains("textContent"));
    for (const char *sink : {"innerHTML", "outerHTML", "insertAdjacentHTML", "document.write", "eval("})
        QVERIFY2(!page.contains(sink), sink);
    QVERIFY(page.contains("<table") && page.contains("<th scope=\"col\">") && page.contains("aria-live"));
    QVERIFY(HttpServer::pagePolicy().contains("script-src 'sha256-"));
}

void TestWatch::portHolderNamesTheProgram() {
    QUdpSocket s;
    QVERIFY(s.bind(QHostAddress::LocalHost, 0));
    QFile comm(QStringLiteral("/proc/self/comm"));
    QVERIFY(comm.open(QIODevice::ReadOnly));
    QCOMPARE(udpPortHolder(s.localPort()), QString::fromLocal8Bit(comm.readAll()).trimmed());
    QVERIFY(watchServiceHoldsPort(s.localPort()).isEmpty()); // not the service
}

QTEST_GUILESS_MAIN(TestWatch)
#include "tst_watch.moc"
