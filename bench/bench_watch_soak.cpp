// The watch service over a long run: the whole service (rig file, engine, event log, webhook, HTTP)
// polling a played venue every second, where a fifth of the boxes go dark for 5 s in every 10 (each
// of them "offline" and "back online" every 10 s), while a client asks for /api/status and the new
// events every second (as the open page does) and for /metrics every 15 s (as Prometheus does). The
// webhook points at a loopback port where nobody listens, so its queue stays full all along.
//
// Memory is measured in real time, after a warm-up that fills every bounded list (the service's
// events, the engine's events and the watch's history, the webhook's queue) and lets them turn over
// for a while; the reference is the memory the process holds at that point.
//
//   zentri-bench-watch-soak [--quick] [--minutes M] [--devices N] [--dark D] [--sample-s S]
//
// --quick: one minute, a sample every 10 s, a warm-up of 20 s (the longest lists are not full then).
// Prints a SOAK line per sample (stdout), the service's own event lines go to stderr.
#include "benchkit.h"
#include "rig/rigfile.h"
#include "tests/watchvenue.h"
#include "watch/service.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <malloc.h>

using namespace zentri;

namespace {

// Ctrl-C or a kill: the run ends at the next second, so that the state directory is removed.
volatile std::sig_atomic_t stopRequested = 0;
void requestStop(int) {
    stopRequested = 1;
}

// One GET over loopback, the whole answer read; the HTTP status, 0 when there was no answer.
int fetch(quint16 port, const QByteArray &path, qint64 *bytes) {
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, port);
    if (!s.waitForConnected(5000))
        return 0;
    s.write("GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
    QByteArray all;
    while (s.state() == QAbstractSocket::ConnectedState && s.waitForReadyRead(5000))
        all += s.readAll();
    all += s.readAll();
    *bytes = all.size();
    return all.startsWith("HTTP/1.1 ") ? all.mid(9, 3).toInt() : 0;
}

struct Sample {
    double minutes;
    long rssKb, anonKb, heapKb; // heapKb: the heap in use (mallinfo2)
};

long heapInUseKb() {
    const struct mallinfo2 heap = mallinfo2();
    return long((heap.uordblks + heap.hblkhd) / 1024);
}

// Least squares: kB per hour over the samples.
double slopePerHour(const std::vector<Sample> &v) {
    if (v.size() < 2)
        return 0;
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const Sample &s : v) {
        sx += s.minutes;
        sy += double(s.rssKb);
        sxx += s.minutes * s.minutes;
        sxy += s.minutes * double(s.rssKb);
    }
    const double n = double(v.size());
    return (n * sxy - sx * sy) / (n * sxx - sx * sx) * 60.0;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    bool quick = false;
    int minutes = 60, devices = 1000, dark = 200, sampleS = 60;
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        const int value = i + 1 < argc ? QByteArray(argv[i + 1]).toInt() : 0;
        if (a == "--quick") {
            quick = true;
            minutes = 1;
            sampleS = 10;
            continue;
        }
        if (a == "--minutes")
            minutes = value;
        else if (a == "--devices")
            devices = value;
        else if (a == "--dark")
            dark = value;
        else if (a == "--sample-s")
            sampleS = value;
        else {
            std::fprintf(stderr, "zentri-bench-watch-soak: unknown option %s\n", argv[i]);
            return 2;
        }
        ++i;
    }
    if (minutes < 1 || devices < 1 || dark < 0 || dark > devices || sampleS < 1) {
        std::fprintf(stderr, "zentri-bench-watch-soak: bad settings\n");
        return 2;
    }
    // The longest lists fill at 2 events per dark box every 10 s; then they turn over for 2 minutes.
    const qint64 settleMs = quick ? 0 : 120000, quickWarmUpMs = 20000;

    // The state directory (the event log is synced at every event) in memory where there is /dev/shm.
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    QTemporaryDir dir(base + QStringLiteral("/zentri-watch-soak.XXXXXX"));
    auto venue = std::make_unique<testing::PlayedVenue>();
    for (int k = 0; k < devices; ++k)
        venue->add(QStringLiteral("Box %1").arg(k));
    QVector<recUrzadzenia> inRig;
    for (int k = 0; k < devices; ++k)
        inRig << venue->record(k);
    testing::PlayedVenue *played = venue.get();

    // A webhook nobody answers: a loopback port that was free a moment ago.
    quint16 deadPort = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        deadPort = probe.serverPort();
    }
    watchsvc::Config c;
    c.rigPath = dir.filePath(QStringLiteral("rig.json"));
    c.stateDir = dir.filePath(QStringLiteral("state"));
    c.interval = 1;
    c.listenPort = 0;
    c.discoveryTarget = QHostAddress(QStringLiteral("127.0.0.250")); // unused: the venue is played
    c.webhooks << QUrl(QStringLiteral("http://127.0.0.1:%1/hook").arg(deadPort));
    {
        QFile f(c.rigPath);
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(rig::write(rig::capture(QStringLiteral("Soak"), inRig))) < 0)
            return 1;
    }
    watchsvc::Service service(c);
    service.useNetwork(std::move(venue));
    QString error;
    if (!service.start(&error)) {
        std::fprintf(stderr, "zentri-bench-watch-soak: %s\n", qPrintable(error));
        return 1;
    }
    const quint16 port = service.http().port();
    const rig::Engine &engine = service.poller()->engine();

    // Dark for 5 s in every 10.
    bool darkNow = false;
    QTimer darkness;
    darkness.setInterval(5000);
    QObject::connect(&darkness, &QTimer::timeout, &app, [&] {
        darkNow = !darkNow;
        for (int k = 0; k < dark; ++k)
            played->setDark(k, darkNow);
    });
    darkness.start();

    // The page's requests every second, Prometheus's every 15 s.
    int badFetches = 0, fetches = 0, ticks = 0;
    QString lastEvent;
    QTimer client;
    client.setInterval(1000);
    QObject::connect(&client, &QTimer::timeout, &app, [&] {
        qint64 bytes = 0;
        fetches += 2;
        if (fetch(port, "/api/status", &bytes) != 200)
            ++badFetches;
        const QByteArray since =
            lastEvent.isEmpty() ? QByteArray() : "?since=" + QUrl::toPercentEncoding(lastEvent);
        if (fetch(port, "/api/events" + since, &bytes) != 200)
            ++badFetches;
        const auto s = service.snapshot();
        if (s->events && !s->events->isEmpty())
            lastEvent = s->events->last().time.toString(Qt::ISODateWithMs);
        if (++ticks % 15 == 0) {
            ++fetches;
            if (fetch(port, "/metrics", &bytes) != 200)
                ++badFetches;
        }
    });
    client.start();

    auto lists = [&] {
        const auto s = service.snapshot();
        return QStringLiteral("service %1, engine %2, watch %3")
            .arg(s->events ? s->events->size() : 0)
            .arg(engine.events().size())
            .arg(engine.watch().history().size());
    };
    auto full = [&] {
        const auto s = service.snapshot();
        return s->events && s->events->size() == watchsvc::kKeptEvents &&
               engine.events().size() == rig::Engine::kMaxEvents &&
               engine.watch().history().size() == rig::kMaxHistory;
    };
    auto eventCount = [&] {
        quint64 n = 0;
        for (const quint64 v : service.snapshot()->eventsTotal)
            n += v;
        return n;
    };

    // The warm-up, then a sample every sampleS seconds for `minutes`.
    QElapsedTimer clock;
    clock.start();
    qint64 fullAt = -1, t0 = -1, nextSampleMs = 0;
    std::vector<Sample> samples;
    quint64 events0 = 0, polls0 = 0;
    QTimer sampler;
    sampler.setInterval(1000);
    QObject::connect(&sampler, &QTimer::timeout, &app, [&] {
        if (stopRequested) {
            app.quit();
            return;
        }
        if (t0 < 0) {
            if (fullAt < 0 && full())
                fullAt = clock.elapsed();
            const bool warm = quick ? clock.elapsed() >= quickWarmUpMs
                                    : fullAt >= 0 && clock.elapsed() >= fullAt + settleMs;
            if (!warm)
                return;
            t0 = clock.elapsed();
            events0 = eventCount();
            polls0 = service.snapshot()->polls;
            std::printf("SOAK warm-up %.1f min (lists full after %.1f min): %s\n", double(t0) / 60000.0,
                        fullAt < 0 ? -1.0 : double(fullAt) / 60000.0, qPrintable(lists()));
        }
        const qint64 since = clock.elapsed() - t0, end = qint64(minutes) * 60000;
        if (since < std::min(nextSampleMs, end))
            return;
        nextSampleMs += qint64(sampleS) * 1000;
        const Sample s{double(since) / 60000.0, bench::statusKb("VmRSS"), bench::statusKb("RssAnon"),
                       heapInUseKb()};
        samples.push_back(s);
        const auto snap = service.snapshot();
        const struct mallinfo2 heap = mallinfo2(); // the heap as a whole, free parts included
        std::printf(
            "SOAK t_min=%.1f rss_kb=%ld anon_kb=%ld heap_in_use_kb=%ld heap_kb=%zu polls=%llu events=%llu "
            "kept=[%s] webhook_dropped=%llu fetches=%d bad=%d\n",
            s.minutes, s.rssKb, s.anonKb, s.heapKb, (heap.arena + heap.hblkhd) / 1024,
            static_cast<unsigned long long>(snap->polls - polls0),
            static_cast<unsigned long long>(eventCount() - events0), qPrintable(lists()),
            static_cast<unsigned long long>(snap->webhookDropped), fetches, badFetches);
        std::fflush(stdout);
        if (since >= end)
            app.quit();
    });
    sampler.start();
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    app.exec();
    if (samples.size() < 2) {
        std::fprintf(stderr, "zentri-bench-watch-soak: stopped before two samples\n");
        return 1;
    }

    const Sample &first = samples.front(), &last = samples.back();
    const double hours = (last.minutes - first.minutes) / 60.0;
    const double perHour = double(last.rssKb - first.rssKb) / hours, fitted = slopePerHour(samples);
    const auto snap = service.snapshot();
    const quint64 events = eventCount() - events0, polls = snap->polls - polls0;
    const bool bounded = snap->events->size() <= watchsvc::kKeptEvents &&
                         engine.events().size() <= rig::Engine::kMaxEvents &&
                         engine.watch().history().size() <= rig::kMaxHistory;
    // Every dark box goes offline and comes back every 10 s: two events each.
    const double expected = 2.0 * dark * (last.minutes - first.minutes) * 6.0;
    // Still working: every request answered, and polls and events going on (at half their rate at
    // least; a busy machine stretches the rounds).
    const bool working = badFetches == 0 && double(events) >= 0.5 * expected &&
                         double(polls) >= 0.5 * (last.minutes - first.minutes) * 60.0;
    QString series;
    for (const Sample &s : samples)
        series += QStringLiteral("%1%2 min %3")
                      .arg(series.isEmpty() ? "" : ", ")
                      .arg(s.minutes, 0, 'f', sampleS % 60 ? 1 : 0)
                      .arg(s.rssKb);
    bench::note(QStringLiteral("VmRSS series (kB): %1").arg(series));
    const QString figure =
        QStringLiteral("Watch service, %1 devices (%2 dark 5 s in every 10), polls at 1 s for %3 min")
            .arg(devices)
            .arg(dark)
            .arg(last.minutes - first.minutes, 0, 'f', 0); // less than asked when stopped early
    if (quick) // a minute says nothing per hour (the engine's lists are still filling): what it grew
        bench::row(figure + QStringLiteral(": memory"), QStringLiteral("-"),
                   QStringLiteral("VmRSS %1 kB after the warm-up, %2 kB at the end (the lists still filling)")
                       .arg(first.rssKb)
                       .arg(last.rssKb),
                   QStringLiteral("-"));
    else
        bench::row(
            figure + QStringLiteral(": memory growth per hour"), QStringLiteral("<= 1024 kB"),
            QStringLiteral("%1 kB/h end to end, %2 kB/h fitted (VmRSS %3 kB after the warm-up, %4 kB at "
                           "the end; anonymous memory %5 kB/h, the heap in use %6 kB/h)")
                .arg(perHour, 0, 'f', 0)
                .arg(fitted, 0, 'f', 0)
                .arg(first.rssKb)
                .arg(last.rssKb)
                .arg(double(last.anonKb - first.anonKb) / hours, 0, 'f', 0)
                .arg(double(last.heapKb - first.heapKb) / hours, 0, 'f', 0),
            bench::metText(perHour <= 1024 && fitted <= 1024));
    bench::row(QStringLiteral("Watch service soak: in-memory history bounded, still working"),
               QStringLiteral("bounded"),
               QStringLiteral("%1 polls, %2 events (%3 expected), %4 fetches failed of %5; kept: %6")
                   .arg(polls)
                   .arg(events)
                   .arg(expected, 0, 'f', 0)
                   .arg(badFetches)
                   .arg(fetches)
                   .arg(lists()),
               bench::metText(bounded && working));
    return bounded && working ? 0 : 1;
}
