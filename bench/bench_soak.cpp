// A long watch: the rig window and its engine watching 40 devices while 8 of them go dark for 5
// polls in every 10, for many hours of polls run back to back (a poll ends as soon as the devices
// answered). What grows is memory that is never let go: it is measured per hour of polls at one poll
// a second, after a warm-up long enough to fill every bounded list, against the memory the process
// holds when the watch begins (the reference of the same run).
#include "app/application.h"
#include "app/mainwindow.h"
#include "app/rigwindow.h"
#include "benchkit.h"
#include "rig/document.h"
#include "rig/engine.h"

#include <QApplication>
#include <QCheckBox>
#include <QTimer>

using namespace zentri;

namespace {

// Devices that answer every discovery at once, but for the dark ones.
class Venue : public rig::Network {
public:
    QVector<recUrzadzenia> devices;
    int polls = 0;

    DiscoveryReport discover() override {
        const bool dark = polls++ % 10 >= 5;
        for (int k = 0; k < devices.size(); ++k)
            if (!(dark && k < 8))
                QTimer::singleShot(0, this, [this, k] { emit infoReply(devices[k]); });
        return {{QStringLiteral("venue")}, {}};
    }
    QVector<BroadcastInterface> broadcastWays() const override { return {}; }
    bool ask(const QHostAddress &, QString *) override { return true; }
    bool send(const QHostAddress &to, const QByteArray &, QString *) override {
        QTimer::singleShot(0, this, [this, ip = to.toString()] { emit sdCardReply(ip, true); });
        return true;
    }
};

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const bool quick = argc > 1 && QByteArray(argv[1]) == "--quick";
    // The warm-up lasts until the events and the history fill their bounded lists (how many polls that
    // takes depends on the machine: some replies come just after these short polls end, so more devices
    // go dark than the eight), and as many polls again as are measured after that: the allocator keeps
    // settling for a while once the lists are full (measured from the moment they are full, an hour
    // "grew" 0.8 to 1.2 MB, while 1800, 7200 and 14,400 polls all ended at the same 18.9 MB).
    const int measured = quick ? 600 : 3600, maxFull = 20000;
    Windows windows;
    Venue venue;
    rig::Document document;
    for (int k = 0; k < 40; ++k) {
        recUrzadzenia r;
        r.Nazwa = QStringLiteral("Box %1").arg(k + 1);
        r.MAC = QStringLiteral("02:5A:45:00:01:%1").arg(k, 2, 16, QLatin1Char('0')).toUpper();
        r.IP = QStringLiteral("10.1.0.%1").arg(k + 2);
        r.FWVer = QStringLiteral("1.12");
        venue.devices << r;
    }
    document.capture(QStringLiteral("Soak"), venue.devices);
    rig::Engine engine(venue, document);
    RigWindow window(windows.MainForm.get(), document, engine);
    window.show();
    window.findChild<QCheckBox *>(QStringLiteral("cbWatch"))->setChecked(true);
    engine.setRoundMs(1); // back to back: each poll ends once the replies are handled

    long startKb = 0, warmKb = 0;
    qint64 t0 = 0;
    int fullAt = 0, warmUp = 0; // the polls when the lists were full, and those of the warm-up
    QObject::connect(&engine, &rig::Engine::roundClosed, &app, [&] {
        const int polls = engine.watch().polls();
        if (polls == 1)
            startKb = bench::statusKb("RssAnon");
        const bool full = engine.events().size() >= rig::Engine::kMaxEvents &&
                          engine.watch().history().size() >= rig::kMaxHistory;
        if (!fullAt && (full || polls >= maxFull))
            fullAt = polls;
        if (fullAt && !warmUp && polls == fullAt + measured) {
            warmUp = polls;
            warmKb = bench::statusKb("RssAnon");
            t0 = bench::nowNs();
        }
        if (warmUp && polls == warmUp + measured)
            app.quit();
    });
    app.exec();
    const long endKb = bench::statusKb("RssAnon");
    const double perHourKb = double(endKb - warmKb) * 3600.0 / measured;
    const int events = static_cast<int>(engine.events().size());
    std::fprintf(stderr,
                 "soak: %d polls warm-up, %d measured in %.1f s; anonymous memory %ld kB at the start, "
                 "%ld kB warm, %ld kB at the end; %d events kept\n",
                 warmUp, measured, bench::ms(bench::nowNs() - t0) / 1000, startKb, warmKb, endKb, events);
    if (events > rig::Engine::kMaxEvents || engine.watch().history().size() > rig::kMaxHistory) {
        std::fprintf(stderr, "the events are not bounded\n");
        return 1;
    }
    bench::row(QStringLiteral("watch of 40 devices, 8 going dark every 10 polls: memory growth per hour of "
                              "polls at 1 s (after %1 polls)")
                   .arg(warmUp),
               QStringLiteral("<= 1024 kB"),
               QStringLiteral("%1 kB (%2 % of the %3 kB held at the start)")
                   .arg(bench::fmt(perHourKb, 0), bench::fmt(100.0 * perHourKb / std::max(1L, startKb), 1))
                   .arg(startKb),
               bench::metText(perHourKb <= 1024));
    return 0;
}
