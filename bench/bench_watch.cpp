// The watch service with 1000 devices: the share of one core the engine's rounds take every 3 s
// (1000 info replies and SD card replies each round, through the rig engine on a network that
// answers at once), and /metrics and /api/status served over loopback HTTP from the snapshot of
// those devices. Each beside a reference from the same run: reading the 1000 info replies (any front
// end does it), writing the rig file of the 1000 devices, and a 404 from the same server.
#include "benchkit.h"
#include "device/protocol.h"
#include "rig/engine.h"
#include "watch/httpserver.h"
#include "watch/service.h"

#include <QCoreApplication>
#include <QTcpSocket>
#include <QTimer>
#include <sys/resource.h>

using namespace zentri;

namespace {

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Answers every discovery request with every device's info reply, and every SD card question.
class FakeNetwork : public rig::Network {
public:
    QVector<QByteArray> replies;
    QStringList ips;
    DiscoveryReport discover() override {
        QTimer::singleShot(0, this, [this] {
            for (int k = 0; k < replies.size(); ++k)
                if (auto rec = wire::parseInfoReply(replies[k], ips[k]))
                    emit infoReply(*rec);
        });
        DiscoveryReport r;
        r.sent << QStringLiteral("fake");
        return r;
    }
    QVector<BroadcastInterface> broadcastWays() const override { return {}; }
    bool ask(const QHostAddress &, QString *) override { return true; }
    bool send(const QHostAddress &to, const QByteArray &, QString *) override {
        const QString ip = to.toString();
        QTimer::singleShot(0, this, [this, ip] { emit sdCardReply(ip, true); });
        return true;
    }
};

double fetchMs(quint16 port, const QByteArray &path, int *bytes) {
    const qint64 t0 = bench::nowNs();
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, port);
    s.waitForConnected(3000);
    s.write("GET " + path + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
    QByteArray all;
    while (s.state() == QAbstractSocket::ConnectedState && s.waitForReadyRead(3000))
        all += s.readAll();
    all += s.readAll();
    *bytes = int(all.size());
    return bench::ms(bench::nowNs() - t0);
}

} // namespace

// A small venue of every state, for the page's screenshot.
std::shared_ptr<watchsvc::Snapshot> showcase() {
    auto s = std::make_shared<watchsvc::Snapshot>();
    s->time = QDateTime::currentDateTime();
    s->rigName = QStringLiteral("Museum hall");
    s->rigFileOk = true;
    s->rigDevices = 5;
    const QDateTime now = QDateTime::currentDateTime();
    auto dev = [&](const char *name, int k, rig::State st, rig::Presence p, std::optional<bool> sd,
                   const char *detail) {
        watchsvc::DeviceStatus d;
        d.name = QString::fromUtf8(name);
        d.mac = QStringLiteral("02:5A:45:00:00:%1").arg(k, 2, 10, QLatin1Char('0'));
        d.ip = QStringLiteral("10.82.2.%1").arg(k + 1);
        d.firmware = QStringLiteral("1.12");
        d.module = QStringLiteral("Premium");
        d.state = st;
        d.inRig = st != rig::State::NotInRig;
        d.presence = p;
        if (st != rig::State::Missing)
            d.lastSeen = now.addSecs(p == rig::Presence::Online ? -1 : -4);
        d.sdCard = sd;
        d.detail = QString::fromUtf8(detail);
        s->devices << d;
    };
    dev("Stage 1", 1, rig::State::InSync, rig::Presence::Online, true, "");
    dev("Bar", 2, rig::State::Differs, rig::Presence::Online, true, "Master volume: rig 128, device 77");
    dev("Stage left", 3, rig::State::InSync, rig::Presence::Missed, false, "");
    dev("Vault", 9, rig::State::Missing, rig::Presence::Offline, std::nullopt, "");
    dev("<img src=x onerror=alert(1)>", 5, rig::State::InSync, rig::Presence::Online, true, "");
    dev("Spare box", 12, rig::State::NotInRig, rig::Presence::Online, true, "");
    QVector<watchsvc::ServiceEvent> events;
    events << watchsvc::makeEvent(now.addSecs(-600), QStringLiteral("rig_file_loaded"), s->rigName,
                                  QStringLiteral("/etc/zentri/rig.json: 5 devices, 1 addresses"));
    events << watchsvc::makeEvent(now.addSecs(-300), QStringLiteral("offline"), s->rigName, {},
                                  QStringLiteral("02:5A:45:00:00:09"), QStringLiteral("Vault"),
                                  QStringLiteral("10.82.2.10"));
    events << watchsvc::makeEvent(
        now.addSecs(-120), QStringLiteral("changed"), s->rigName, QStringLiteral("Master volume 128 -> 77"),
        QStringLiteral("02:5A:45:00:00:02"), QStringLiteral("Bar"), QStringLiteral("10.82.2.3"));
    events << watchsvc::makeEvent(now.addSecs(-60), QStringLiteral("new"), s->rigName, {},
                                  QStringLiteral("02:5A:45:00:00:12"), QStringLiteral("Spare box"),
                                  QStringLiteral("10.82.2.13"));
    s->events = std::make_shared<const QVector<watchsvc::ServiceEvent>>(events);
    return s;
}

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const bool quick = argc > 1 && QByteArray(argv[1]) == "--quick";
    // --serve PORT [--big]: only serve (the showcase, or the 1000 devices after the rounds) until killed.
    const int serveAt = argc > 2 && QByteArray(argv[1]) == "--serve" ? QByteArray(argv[2]).toInt() : 0;
    const bool big = argc > 3 && QByteArray(argv[3]) == "--big";
    if (serveAt && !big) {
        watchsvc::HttpServer http;
        QString error;
        if (!http.start(QHostAddress::LocalHost, quint16(serveAt), &error))
            return 1;
        http.setSnapshot(showcase());
        return app.exec();
    }
    const int devices = 1000, intervalMs = serveAt ? 300 : 3000, rounds = quick || serveAt ? 2 : 10;
    FakeNetwork network;
    rig::Rig r;
    r.name = QStringLiteral("Bench");
    for (int k = 0; k < devices; ++k) {
        recUrzadzenia rec;
        rec.Nazwa = QStringLiteral("Box %1").arg(k);
        rec.Output[k % 8].Channel = k % 512 + 1;
        QByteArray mac = QByteArray::fromHex("025A45000000");
        mac[4] = char(k >> 8);
        mac[5] = char(k & 0xFF);
        network.replies << wire::infoReply(rec, 1, 1, 12, mac);
        network.ips << QStringLiteral("10.1.%1.%2").arg(k / 250).arg(k % 250 + 2);
        recUrzadzenia entry = *wire::parseInfoReply(network.replies.last(), network.ips.last());
        if (k % 10 == 0)
            entry.MasterVolume = 77;
        r.devices << entry;
    }
    rig::Document document;
    document.set(r, QString(), false);
    rig::Engine engine(network, document);
    engine.setRoundMs(intervalMs);

    // Reference: reading the 1000 info replies, as often as the rounds do.
    const double ref0 = cpuSeconds();
    for (int i = 0; i < rounds; ++i)
        for (int k = 0; k < devices; ++k)
            (void)wire::parseInfoReply(network.replies[k], network.ips[k]);
    const double parseCpu = (cpuSeconds() - ref0) / rounds;

    // The rounds, every 3 s, with a snapshot and its metrics and status made after each (as the
    // service does, and as one scrape and one page refresh each round would).
    int closed = 0;
    std::shared_ptr<watchsvc::Snapshot> last;
    QObject::connect(&engine, &rig::Engine::roundClosed, &app, [&] {
        QTimer::singleShot(0, &app, [&] {
            auto s = std::make_shared<watchsvc::Snapshot>();
            s->rigName = r.name;
            s->rigFileOk = true;
            s->rigDevices = devices;
            watchsvc::addDevices(*s, engine, document.rig());
            (void)watchsvc::metricsText(*s);
            (void)watchsvc::statusJson(*s);
            last = s;
            if (++closed == rounds + 1)
                app.quit();
        });
    });
    engine.setWatching(true);
    // The first round (everything new) is left out of the share: it starts the clock.
    double cpu0 = 0;
    qint64 wall0 = 0;
    QObject::connect(&engine, &rig::Engine::roundClosed, &app, [&] {
        if (closed == 0) {
            cpu0 = cpuSeconds();
            wall0 = bench::nowNs();
        }
    });
    app.exec();
    const double cpu = cpuSeconds() - cpu0, wall = double(bench::nowNs() - wall0) / 1e9;
    int online = 0;
    for (const auto &d : last->devices)
        online += d.presence == rig::Presence::Online ? 1 : 0;
    if (online != devices) {
        std::fprintf(stderr, "bench_watch: %d of %d devices online\n", online, devices);
        return 1;
    }
    const double share = 100.0 * cpu / wall;
    const double perRound = cpu / rounds * 1000;
    bench::row(QStringLiteral("Watch: 1000 devices every 3 s, share of one core"), QStringLiteral("<= 2 %"),
               QStringLiteral("%1 % (%2 ms a round; reading the replies alone %3 ms, x%4)")
                   .arg(share, 0, 'f', 2)
                   .arg(perRound, 0, 'f', 1)
                   .arg(parseCpu * 1000, 0, 'f', 1)
                   .arg(perRound / (parseCpu * 1000), 0, 'f', 1),
               share <= 2 ? QStringLiteral("yes") : QStringLiteral("NO"));

    // HTTP from the last snapshot.
    watchsvc::HttpServer http;
    QString error;
    if (serveAt) {
        if (!http.start(QHostAddress::LocalHost, quint16(serveAt), &error))
            return 1;
        http.setSnapshot(last);
        std::printf("serving\n");
        std::fflush(stdout);
        return app.exec();
    }
    if (!http.start(QHostAddress::LocalHost, 0, &error)) {
        std::fprintf(stderr, "bench_watch: %s\n", qPrintable(error));
        return 1;
    }
    http.setSnapshot(last);
    std::vector<double> metrics, status, notFound, rigWrite;
    int metricsBytes = 0, statusBytes = 0, b = 0;
    for (int i = 0; i < (quick ? 5 : 30); ++i) {
        metrics.push_back(fetchMs(http.port(), "/metrics", &metricsBytes));
        status.push_back(fetchMs(http.port(), "/api/status", &statusBytes));
        notFound.push_back(fetchMs(http.port(), "/nothing", &b));
        const qint64 t0 = bench::nowNs();
        (void)rig::write(document.rig());
        rigWrite.push_back(bench::ms(bench::nowNs() - t0));
    }
    const double m = bench::median(metrics), st = bench::median(status), nf = bench::median(notFound),
                 rw = bench::median(rigWrite);
    bench::row(QStringLiteral("/metrics of 1000 devices"), QStringLiteral("<= 20 ms"),
               QStringLiteral("%1 ms (%2 KiB; a 404: %3 ms; the rig file written: %4 ms, x%5)")
                   .arg(m, 0, 'f', 1)
                   .arg(metricsBytes / 1024)
                   .arg(nf, 0, 'f', 2)
                   .arg(rw, 0, 'f', 1)
                   .arg(m / rw, 0, 'f', 2),
               m <= 20 ? QStringLiteral("yes") : QStringLiteral("NO"));
    bench::row(QStringLiteral("/api/status of 1000 devices"), QStringLiteral("<= 20 ms"),
               QStringLiteral("%1 ms (%2 KiB; a 404: %3 ms; the rig file written: %4 ms, x%5)")
                   .arg(st, 0, 'f', 1)
                   .arg(statusBytes / 1024)
                   .arg(nf, 0, 'f', 2)
                   .arg(rw, 0, 'f', 1)
                   .arg(st / rw, 0, 'f', 2),
               st <= 20 ? QStringLiteral("yes") : QStringLiteral("NO"));
    return 0;
}
