// Reply storm benchmark: the manager's real windows press "Find devices" once, and N emulated devices on
// N addresses answer at once. Prints how long the listing took (up to the last row in the table), what
// the reply handling cost per reply on the GUI thread (the handler and the table's insertions), how
// late a 10 ms timer on the GUI thread got meanwhile, and checks the table: every device listed once,
// newest first, the first row current. bench/run.sh runs it also under Xvfb with the accessibility
// bridge on and a screen reader's listener on the accessibility bus (bench/a11y_session.sh).
//
// With --rig, a rig of the N devices found is then opened in the rig window and the window shown: its
// discovery at the showing is timed until every device of the rig has its state in the window's table,
// against the main window's listing just before. With --watch-s S the rig window then watches every
// --interval seconds (3 by default) for S seconds: no device may be marked "missed", and the GUI
// timer's lateness and the process's CPU time over the wall time are printed.
//
//   zentri-bench-storm --devices N --first A [--quiet-ms T] [--rig [--watch-s S] [--interval I]]
//
// It sends the discovery broadcast, so it refuses to run in the machine's own network namespace:
// bench/run.sh starts it on a private network of namespaces made for the run.
#include "app/application.h"
#include "app/devicetable.h"
#include "app/mainwindow.h"
#include "app/rigwindow.h"
#include "benchkit.h"
#include "device/udp.h"
#include "rig/rigfile.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QSet>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <cstring>
#include <sys/stat.h>

namespace {

// True when this process runs in a named network namespace (one that `ip netns add` made: those are
// bound under /run/netns), never the machine's own network.
bool inPrivateNetwork() {
    struct stat own {};
    if (stat("/proc/self/ns/net", &own) != 0)
        return false;
    const QDir named(QStringLiteral("/run/netns"));
    for (const QString &name : named.entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot)) {
        struct stat ns {};
        if (stat(QFile::encodeName(named.filePath(name)).constData(), &ns) == 0 && ns.st_ino == own.st_ino &&
            ns.st_dev == own.st_dev)
            return true;
    }
    return false;
}

double cpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

// The rig window's figures (see the head of this file); returns the problems found.
QStringList rigWindowFigures(zentri::Windows &windows, int devices, double mainMs, int watchS, int interval,
                             QTimer &tick, qint64 &worstLateNs, qint64 &lastTick) {
    QStringList problems;
    zentri::TMainForm *form = windows.MainForm.get();
    zentri::RigWindow *w = windows.fRig.get();
    const zentri::DeviceTable *table = form->table();

    // A rig of the devices just listed, in a file, opened in the window.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench-rig.json"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(zentri::rig::write(zentri::rig::capture(QStringLiteral("bench"), form->devices()))) < 0)
            return {QStringLiteral("the rig file could not be written")};
    }
    QString error;
    if (!w->open(path, &error))
        return {QStringLiteral("the rig window refused the rig: %1").arg(error)};
    if (w->rig().devices.size() != devices)
        return {QStringLiteral("a rig of %1 devices, %2 listed").arg(w->rig().devices.size()).arg(devices)};

    // Every state listed: the first refill of the window's table in which no device of the rig is missing.
    auto *grid = w->findChild<QAbstractItemView *>(QStringLiteral("grid"));
    if (!grid || !grid->model())
        return {QStringLiteral("the rig window has no grid")};
    auto found = [&] {
        int n = 0;
        for (const zentri::rig::Row &r : w->rows())
            if (r.state == zentri::rig::State::InSync)
                ++n;
        return n;
    };
    // The window's round starts with the main window's table emptied (the discovery is sent right after):
    // the states count from there, so that the answers of the storm before do not count.
    qint64 shownAt = 0, roundAt = 0, listedAt = 0, lastInfoAt = 0, infoBeforeListed = 0;
    QObject::connect(table, &QAbstractItemModel::modelReset, [&] {
        if (shownAt && !roundAt && table->rowCount() == 0)
            roundAt = bench::nowNs();
    });
    QObject::connect(table, &QAbstractItemModel::rowsInserted, [&] { lastInfoAt = bench::nowNs(); });
    QObject::connect(grid->model(), &QAbstractItemModel::modelReset, [&] {
        if (roundAt && !listedAt && grid->model()->rowCount() == devices && found() == devices) {
            listedAt = bench::nowNs();
            infoBeforeListed = lastInfoAt;
        }
    });

    // Watching's interval is set before the showing: the round that the showing starts lasts as long.
    auto *every = w->findChild<QSpinBox *>(QStringLiteral("seInterval"));
    auto *watching = w->findChild<QCheckBox *>(QStringLiteral("cbWatch"));
    if (!every || !watching)
        return {QStringLiteral("the rig window has no watching controls")};
    every->setValue(interval);

    tick.start(tick.interval());
    QCoreApplication::processEvents();
    lastTick = 0;
    worstLateNs = 0;
    shownAt = bench::nowNs();
    w->show(); // its discovery at the showing
    QElapsedTimer waited;
    waited.start();
    while (!listedAt && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    const qint64 settleUntil = bench::nowNs() + 200 * 1000000LL;
    while (bench::nowNs() < settleUntil)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    tick.stop();
    if (!listedAt)
        return {QStringLiteral("the rig window listed %1 of %2 devices in sync").arg(found()).arg(devices)};
    const double rigMs = bench::ms(listedAt - roundAt);
    std::printf(
        "RIG devices=%d states_ms=%.2f after_last_reply_ms=%.2f main_ms=%.2f ratio=%.2f late_ms=%.2f\n",
        devices, rigMs, bench::ms(listedAt - infoBeforeListed), mainMs, mainMs > 0 ? rigMs / mainMs : 0.0,
        bench::ms(worstLateNs));
    std::fflush(stdout);
    if (watchS <= 0)
        return problems;

    // Watching: a round every `interval` seconds; a device not online once its first poll is over is wrong.
    int rounds = 0, wrong = 0;
    QObject::connect(table, &QAbstractItemModel::modelReset, [&] { ++rounds; });
    QTimer check; // the presences, every 100 ms
    QObject::connect(&check, &QTimer::timeout, [&] {
        for (const zentri::rig::Watch::Device &d : w->watch().devices())
            if (d.presence != zentri::rig::Presence::Online && !d.lastSeen.isNull()) {
                if (wrong++ == 0)
                    std::fprintf(stderr, "%s is %s\n", qPrintable(d.mac),
                                 qPrintable(zentri::rig::presenceText(d.presence)));
            }
    });
    check.start(100);
    tick.start(tick.interval());
    lastTick = 0;
    worstLateNs = 0;
    const double cpu0 = cpuSeconds();
    const qint64 wall0 = bench::nowNs();
    watching->setChecked(true);
    QEventLoop loop; // idle between events, as the application's own loop
    QTimer::singleShot(watchS * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double cpu = cpuSeconds() - cpu0;
    const double wall = double(bench::nowNs() - wall0) / 1e9;
    watching->setChecked(false);
    check.stop();
    tick.stop();
    int online = 0, events = 0;
    for (const zentri::rig::Watch::Device &d : w->watch().devices())
        online += d.presence == zentri::rig::Presence::Online ? 1 : 0;
    for (const QString &line : w->eventLines())
        if (line.contains(QLatin1String("offline")) || line.contains(QLatin1String("missed")))
            ++events;
    std::printf("WATCH devices=%d seconds=%.1f interval_s=%d rounds=%d online=%d wrong=%d offline_events=%d "
                "late_ms=%.2f cpu_pct=%.2f\n",
                devices, wall, interval, rounds, online, wrong, events, bench::ms(worstLateNs),
                100.0 * cpu / wall);
    std::fflush(stdout);
    if (wrong || events)
        problems << QStringLiteral("%1 times a device was not online while watching, %2 offline events")
                        .arg(wrong)
                        .arg(events);
    if (online != devices)
        problems << QStringLiteral("%1 of %2 devices online after watching").arg(online).arg(devices);
    w->hide();
    return problems;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    int devices = 0;
    QHostAddress first;
    int quietMs = 3000; // give up when no reply came for this long
    bool rigMode = false;
    int watchS = 0, interval = zentri::rig::kDefaultInterval;
    const QStringList args = QCoreApplication::arguments();
    rigMode = args.contains(QLatin1String("--rig"));
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--devices"))
            devices = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--first"))
            first = QHostAddress(args[i + 1]);
        else if (args[i] == QLatin1String("--quiet-ms"))
            quietMs = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--watch-s"))
            watchS = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--interval"))
            interval = args[i + 1].toInt();
    }
    if (devices <= 0 || first.isNull()) {
        std::fprintf(stderr,
                     "usage: zentri-bench-storm --devices N --first A [--quiet-ms T] [--rig [--watch-s S] "
                     "[--interval I]]\n");
        return 2;
    }
    if (!inPrivateNetwork()) {
        std::fprintf(stderr, "zentri-bench-storm: refusing to broadcast outside a private network namespace "
                             "(run it through bench/run.sh)\n");
        return 2;
    }

    zentri::setUpApplication();
    zentri::Windows windows;
    zentri::TMainForm *form = windows.MainForm.get();
    bench::PaintWatch shown(form);
    shown.arm();
    form->show();
    if (!shown.wait()) {
        std::fprintf(stderr, "the main window was never painted\n");
        return 1;
    }

    // The reply handler, timed: it is the one the main window installs, called the same way.
    int handled = 0;
    qint64 handlerNs = 0, handlerFirstNs = 0, lastHandledAt = 0;
    form->listener()->setHandler([&](const QByteArray &data, const QHostAddress &sender) {
        const qint64 t0 = bench::nowNs();
        form->UDPsvrUDPRead(data, sender);
        const qint64 t1 = bench::nowNs();
        if (handled == 0)
            handlerFirstNs = t1 - t0;
        else
            handlerNs += t1 - t0;
        lastHandledAt = t1;
        ++handled;
    });

    // Rows listed: the table's insertions, timed (the grid's own reaction included) and counted.
    const zentri::DeviceTable *table = form->table();
    qint64 firstAt = 0, lastAt = 0, insertNs = 0, insertStart = 0;
    int insertions = 0;
    QObject::connect(table, &QAbstractItemModel::rowsAboutToBeInserted,
                     [&] { insertStart = bench::nowNs(); });
    QObject::connect(table, &QAbstractItemModel::rowsInserted, [&] {
        const qint64 now = bench::nowNs();
        insertNs += now - insertStart;
        ++insertions;
        if (!firstAt)
            firstAt = now;
        lastAt = now;
    });

    // GUI responsiveness: a 10 ms timer on the GUI thread, and how late it fires.
    constexpr int kTickMs = 10;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    qint64 lastTick = 0, worstLateNs = 0;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = bench::nowNs();
        if (lastTick)
            worstLateNs = std::max(worstLateNs, now - lastTick - qint64(kTickMs) * 1000000);
        lastTick = now;
    });

    tick.start(kTickMs);
    QCoreApplication::processEvents();
    lastTick = 0;
    worstLateNs = 0;
    const qint64 broadcastAt = bench::nowNs();
    form->findDevices();

    QElapsedTimer quiet;
    quiet.start();
    int seen = 0;
    while ((handled < devices || table->rowCount() < devices) && quiet.elapsed() < quietMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
        if (handled + table->rowCount() != seen) {
            seen = handled + table->rowCount();
            quiet.restart();
        }
    }
    // The last rows on screen, and a little more time for stragglers that should not exist.
    const qint64 settleUntil = bench::nowNs() + 200 * 1000000LL;
    while (bench::nowNs() < settleUntil)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    tick.stop();

    // The table: newest first, each row pointing at its own record, every device exactly once.
    const int rows = table->rowCount();
    QStringList problems;
    if (rows != devices)
        problems << QStringLiteral("%1 rows listed, %2 devices answered").arg(rows).arg(devices);
    if (form->devices().size() != rows)
        problems << QStringLiteral("%1 records for %2 rows").arg(form->devices().size()).arg(rows);
    QSet<QString> expected;
    for (int k = 0; k < devices; ++k)
        expected.insert(QHostAddress(first.toIPv4Address() + quint32(k)).toString());
    QSet<QString> listed;
    for (int p = 0; p < rows; ++p) {
        const zentri::DeviceRow &r = table->row(p);
        if (r.fldrecID != rows - 1 - p) {
            problems
                << QStringLiteral("row %1 holds record %2, not %3").arg(p).arg(r.fldrecID).arg(rows - 1 - p);
            break;
        }
        if (r.fldIP != form->devices()[r.fldrecID].IP) {
            problems << QStringLiteral("row %1 shows %2, its record %3")
                            .arg(p)
                            .arg(r.fldIP, form->devices()[r.fldrecID].IP);
            break;
        }
        listed.insert(r.fldIP);
    }
    if (listed != expected)
        problems << QStringLiteral("%1 distinct device addresses listed, %2 expected")
                        .arg(listed.size())
                        .arg(devices);
    auto *grid = form->findChild<QTableView *>(QStringLiteral("DBGrid1"));
    if (rows > 0 && (!grid || !grid->isVisible() || grid->currentIndex().row() != 0))
        problems << QStringLiteral("the first row is not current in a shown grid");

    // Per reply: the handler (the first, which also shows the grid, apart) and the table's insertions.
    const double perReplyUs = handled > 1 ? double(handlerNs + insertNs) / (handled - 1) / 1000.0 : 0;
    std::printf("STORM devices=%d listed=%d first_ms=%.2f last_ms=%.2f handled_ms=%.2f handler_us=%.2f "
                "first_handler_us=%.1f insertions=%d late_ms=%.2f ok=%d\n",
                devices, rows, firstAt ? bench::ms(firstAt - broadcastAt) : -1.0,
                lastAt ? bench::ms(lastAt - broadcastAt) : -1.0,
                handled ? bench::ms(lastHandledAt - broadcastAt) : -1.0, perReplyUs,
                double(handlerFirstNs) / 1000.0, insertions, bench::ms(worstLateNs),
                problems.isEmpty() ? 1 : 0);
    if (rigMode && problems.isEmpty())
        problems << rigWindowFigures(windows, devices, lastAt ? bench::ms(lastAt - broadcastAt) : -1.0,
                                     watchS, interval, tick, worstLateNs, lastTick);
    for (const QString &p : problems)
        std::printf("PROBLEM %s\n", qPrintable(p));
    std::fflush(stdout);
    return problems.isEmpty() ? 0 : 1;
}
