// Reply storm benchmark: the manager's real windows press "Find devices" once, and N emulated devices on
// N addresses answer at once. Prints how long the listing took (up to the last row in the table), what
// the reply handling cost per reply on the GUI thread (the handler and the table's insertions), how
// late a 10 ms timer on the GUI thread got meanwhile, and checks the table: every device listed once,
// newest first, the first row current. bench/run.sh runs it also under Xvfb with the accessibility
// bridge on and a screen reader's listener on the accessibility bus (bench/a11y_session.sh).
//
//   zentri-bench-storm --devices N --first A [--quiet-ms T]
//
// It sends the discovery broadcast, so it refuses to run in the machine's own network namespace:
// bench/run.sh starts it on a private network of namespaces made for the run.
#include "app/application.h"
#include "app/devicetable.h"
#include "app/mainwindow.h"
#include "benchkit.h"
#include "device/udp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QSet>
#include <QTableView>
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

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    int devices = 0;
    QHostAddress first;
    int quietMs = 3000; // give up when no reply came for this long
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--devices"))
            devices = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--first"))
            first = QHostAddress(args[i + 1]);
        else if (args[i] == QLatin1String("--quiet-ms"))
            quietMs = args[i + 1].toInt();
    }
    if (devices <= 0 || first.isNull()) {
        std::fprintf(stderr, "usage: zentri-bench-storm --devices N --first A [--quiet-ms T]\n");
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
    for (const QString &p : problems)
        std::printf("PROBLEM %s\n", qPrintable(p));
    std::fflush(stdout);
    return problems.isEmpty() ? 0 : 1;
}
