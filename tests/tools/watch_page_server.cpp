// The watch service, whole, on a played venue (no network at all): a rig of most of the boxes, a few
// boxes outside it, names a browser must not take for markup, every tenth rig box differing in one
// setting. It serves the status page on a loopback TCP port for Chromium (tests/watch_page_browser.py,
// bench/page_chromium.py).
//
//   watch_page_server [--devices N] [--interval S] [--port P]
//
// Prints "serving http://127.0.0.1:PORT/" once the first round is published, then reads commands
// from standard input, one a line: "dark K" (box K stops answering), "light K" (it answers again).
#include "rig/rigfile.h"
#include "tests/watchvenue.h"
#include "watch/service.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

using namespace zentri;

namespace {

// Names that markup, a script's end or an entity would change if they were not shown as text. The
// first four stand in the rig; the last two are what boxes outside the rig call themselves.
const char *const kRigNames[] = {"<img src=x onerror=alert(1)>", "Quote \" and apostrophe '",
                                 "</script><script>window.zentriPwned=1</script>",
                                 "Tom &amp; Jerry &lt;b&gt;"};
const char *const kStrayNames[] = {"<img src=y onerror=window.zentriPwned=2>",
                                   "<b onmouseover=alert(3)>Bold</b>"};
const char kRigName[] = "Hall <script>window.zentriPwned=3</script> \"A\" & 'B'";
constexpr int kStrays = 10; // boxes outside the rig, the last ones

QString boxName(int k, int devices) {
    if (k < 4)
        return QString::fromUtf8(kRigNames[k]);
    if (k >= devices - 2)
        return QString::fromUtf8(kStrayNames[devices - 1 - k]);
    return QStringLiteral("Box %1").arg(k);
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    int devices = 1000, interval = 1, port = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QByteArray key(argv[i]);
        const int value = QByteArray(argv[i + 1]).toInt();
        if (key == "--devices")
            devices = value;
        else if (key == "--interval")
            interval = value;
        else if (key == "--port")
            port = value;
        else {
            std::fprintf(stderr, "watch_page_server: unknown option %s\n", argv[i]);
            return 2;
        }
    }
    if (devices < kStrays + 4 || interval < 1) {
        std::fprintf(stderr, "watch_page_server: at least %d devices, an interval of 1 s or more\n",
                     kStrays + 4);
        return 2;
    }

    QTemporaryDir dir;
    auto venue = std::make_unique<testing::PlayedVenue>();
    for (int k = 0; k < devices; ++k)
        venue->add(boxName(k, devices));
    QVector<recUrzadzenia> inRig;
    for (int k = 0; k < devices - kStrays; ++k) {
        recUrzadzenia r = venue->record(k);
        if (k % 10 == 0)
            r.MasterVolume = 77; // the rig wants another volume: "differs"
        inRig << r;
    }
    watchsvc::Config c;
    c.rigPath = dir.filePath(QStringLiteral("rig.json"));
    c.stateDir = dir.filePath(QStringLiteral("state"));
    c.interval = interval;
    c.listenPort = quint16(port);
    c.discoveryTarget = QHostAddress(QStringLiteral("127.0.0.250")); // unused: the venue is played
    {
        QFile f(c.rigPath);
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(rig::write(rig::capture(QString::fromUtf8(kRigName), inRig))) < 0)
            return 1;
    }
    testing::PlayedVenue *played = venue.get();
    watchsvc::Service service(c);
    service.useNetwork(std::move(venue));
    QString error;
    if (!service.start(&error)) {
        std::fprintf(stderr, "watch_page_server: %s\n", qPrintable(error));
        return 1;
    }
    if (!service.snapshot()->rigFileOk) {
        std::fprintf(stderr, "watch_page_server: the rig file was refused: %s\n",
                     qPrintable(service.snapshot()->rigFileError));
        return 1;
    }

    // Serving is told once a round's states are published: every box answered.
    QTimer ready;
    ready.setInterval(20);
    QObject::connect(&ready, &QTimer::timeout, &app, [&] {
        const auto s = service.snapshot();
        int online = 0;
        for (const auto &d : s->devices)
            online += d.presence == rig::Presence::Online ? 1 : 0;
        if (s->polls < 1 || online < devices)
            return;
        ready.stop();
        std::printf("serving http://127.0.0.1:%u/\n", unsigned(service.http().port()));
        std::fflush(stdout);
    });
    ready.start();

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[512];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            app.quit(); // the driver went away
            return;
        }
        pending.append(buffer, int(n));
        int end;
        while ((end = int(pending.indexOf('\n'))) >= 0) {
            const QList<QByteArray> words = pending.left(end).trimmed().split(' ');
            pending.remove(0, end + 1);
            const int k = words.value(1).toInt();
            if (words.size() == 2 && k >= 0 && k < played->size() &&
                (words[0] == "dark" || words[0] == "light")) {
                played->setDark(k, words[0] == "dark");
                std::printf("ok\n");
            } else {
                std::printf("unknown command\n");
            }
            std::fflush(stdout);
        }
    });
    return app.exec();
}
