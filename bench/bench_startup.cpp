// Start-up benchmark.
//
//   zentri-bench-startup [--launches N] [--platform P]
//                                         launches the probe N times as the manager and N times as a bare
//                                         Qt main window, interleaved, offscreen (or on the Qt platform P:
//                                         xcb under Xvfb, through bench/a11y_session.sh), and prints the rows
//   zentri-bench-startup --parts          builds the manager's windows one by one and prints what each took
//   zentri-bench-startup --probe app|bare one start: prints the clock at main(), after QApplication, after
//                                         the main window is built, when its first paint is over and when
//                                         every window and the cue editor's channel editors exist, and the
//                                         resident size then; then exits
//
// The launcher reads the clock just before it starts each process, so a start-up time runs from process
// start (exec, dynamic linking included) to the main window shown.
#include "app/about.h"
#include "app/application.h"
#include "app/mainwindow.h"
#include "benchkit.h"
#include "setup/f_dmxsetup.h"
#include "setup/setup_audio.h"
#include "setup/setup_input.h"
#include "setup/setup_output.h"
#include "shows/f_cue.h"
#include "shows/f_livebuttonrecord.h"
#include "shows/f_liverecord.h"
#include "ui/placement.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <memory>
#include <optional>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

int probe(int argc, char *argv[], bool manager) {
    const qint64 tMain = bench::nowNs();
    std::optional<zentri::StartUpAhead> ahead;
    if (manager) // as app/main.cpp does
        ahead.emplace();
    QApplication app(argc, argv);
    if (ahead)
        ahead->applicationReady();
    const qint64 tApp = bench::nowNs();
    std::unique_ptr<zentri::Windows> windows;
    std::unique_ptr<QMainWindow> bare;
    QWidget *main = nullptr;
    if (manager) {
        // The manager's own start-up, as app/main.cpp does it.
        zentri::setUpApplication();
        windows = std::make_unique<zentri::Windows>(zentri::Windows::Build::MainWindowFirst);
        main = windows->MainForm.get();
    } else {
        bare = std::make_unique<QMainWindow>();
        bare->setWindowTitle(QStringLiteral("bare"));
        bare->resize(721, 653);
        main = bare.get();
    }
    const qint64 tBuilt = bench::nowNs();
    bench::PaintWatch watch(main);
    watch.arm();
    if (manager) {
        windows->showMainWindow();
        ahead->finish();
    } else {
        main->show();
    }
    const qint64 tShown = watch.wait(10000);
    qint64 tAll = tShown;
    if (manager) { // the rest of the start-up: the other windows, then the channel editors
        QElapsedTimer t;
        t.start();
        while (!(windows->complete() && windows->fCue->channelEditorsBuilt()) && t.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
        tAll = windows->complete() && windows->fCue->channelEditorsBuilt() ? bench::nowNs() : 0;
    }
    std::printf("PROBE main=%lld qapp=%lld built=%lld shown=%lld all=%lld rss_kb=%ld anon_kb=%ld\n",
                static_cast<long long>(tMain), static_cast<long long>(tApp), static_cast<long long>(tBuilt),
                static_cast<long long>(tShown), static_cast<long long>(tAll), bench::statusKb(),
                bench::statusKb("RssAnon"));
    std::fflush(stdout);
    return tShown && tAll ? 0 : 1;
}

// Builds the windows one by one, in start-up order, and prints what each took (where start-up time goes).
int parts(int argc, char *argv[]) {
    using namespace zentri;
    QApplication app(argc, argv);
    setUpApplication();
    struct Part {
        const char *name;
        double ms;
        long anonKb;
    };
    std::vector<Part> times;
    long anon = bench::statusKb("RssAnon");
    auto timed = [&](const char *name, auto make) {
        const qint64 t0 = bench::nowNs();
        auto window = make();
        const long now = bench::statusKb("RssAnon");
        times.push_back({name, bench::ms(bench::nowNs() - t0), now - anon});
        anon = now;
        return window;
    };
    auto main = timed("main window", [] { return std::make_unique<TMainForm>(); });
    auto output = timed("output setup", [&] { return std::make_unique<TfSetupOutput>(main.get()); });
    auto input = timed("trigger setup", [&] { return std::make_unique<TfSetupInput>(main.get()); });
    auto audio = timed("audio player setup", [&] { return std::make_unique<TfSetupAudio>(main.get()); });
    auto timeline = timed("show timeline", [] { return std::make_unique<TfLiveRecord>(); });
    auto dmx = timed("DMX output setup", [&] { return std::make_unique<TfDMXSetup>(main.get()); });
    auto live =
        timed("live recording", [&] { return std::make_unique<TfLiveButtonRecord>(main.get(), main.get()); });
    auto about = timed("About", [] { return std::make_unique<TfAbout>(); });
    auto cue = timed("cue editor", [&] { return std::make_unique<TfCue>(main.get()); });
    bench::PaintWatch watch(main.get());
    watch.arm();
    const qint64 t0 = bench::nowNs();
    main->show();
    ui::centerOnScreen(main.get());
    const qint64 t1 = watch.wait(10000);
    times.push_back({"main window shown", bench::ms(t1 - t0), bench::statusKb("RssAnon") - anon});
    anon = bench::statusKb("RssAnon");
    timed("cue channel editors", [&] { // built once the main window is up
        cue->buildChannelEditors();
        return 0;
    });
    for (const Part &t : times)
        std::fprintf(stderr, "%-20s %7.2f ms %+6ld kB anonymous memory\n", t.name, t.ms, t.anonKb);
    return 0;
}

struct Launch {
    bool ok = false;
    double total = 0, toMain = 0, toApp = 0, toBuilt = 0, toShown = 0, toAll = 0; // ms from process start
    double rssMb = 0, anonMb = 0;
    double cpu = 0; // processor time of the whole probe (all its threads, to its exit), ms
};

Launch launch(const char *self, const char *what) {
    Launch r;
    int out[2];
    if (pipe(out) != 0)
        return r;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    // The probes' own chatter (Qt's notes about the platform) is not wanted here.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char *args[] = {const_cast<char *>(self), const_cast<char *>("--probe"), const_cast<char *>(what),
                    nullptr};
    pid_t pid = 0;
    const qint64 t0 = bench::nowNs();
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    QByteArray text;
    char buf[512];
    for (ssize_t n; (n = read(out[0], buf, sizeof buf)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        text.append(buf, n);
    }
    close(out[0]);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", self, std::strerror(spawned));
        return r;
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    std::map<QByteArray, qint64> v;
    for (const QByteArray &field : text.trimmed().split(' ')) {
        const int eq = field.indexOf('=');
        if (eq > 0)
            v[field.left(eq)] = field.mid(eq + 1).toLongLong();
    }
    if (!text.startsWith("PROBE") || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || v["shown"] == 0) {
        std::fprintf(stderr, "probe %s failed: %s\n", what, text.constData());
        return r;
    }
    r.ok = true;
    r.toMain = bench::ms(v["main"] - t0);
    r.toApp = bench::ms(v["qapp"] - t0);
    r.toBuilt = bench::ms(v["built"] - t0);
    r.toShown = r.total = bench::ms(v["shown"] - t0);
    r.toAll = bench::ms(v["all"] - t0);
    r.cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
            (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    r.rssMb = double(v["rss_kb"]) / 1024.0;
    r.anonMb = double(v["anon_kb"]) / 1024.0;
    return r;
}

struct Series {
    std::vector<double> total, toMain, toApp, toBuilt, toAll, rss, anon, cpu;
    void add(const Launch &l) {
        total.push_back(l.total);
        toAll.push_back(l.toAll);
        toMain.push_back(l.toMain);
        toApp.push_back(l.toApp);
        toBuilt.push_back(l.toBuilt);
        rss.push_back(l.rssMb);
        anon.push_back(l.anonMb);
        cpu.push_back(l.cpu);
    }
    QString breakdown() const {
        return QStringLiteral(
                   "median ms from process start: main() %1, QApplication %2, main window built %3, "
                   "shown %4, all built %5; shown min %6, max %7; resident %8 MB of which %9 MB anonymous; "
                   "processor time %10 ms")
            .arg(bench::fmt(bench::median(toMain)), bench::fmt(bench::median(toApp)),
                 bench::fmt(bench::median(toBuilt)), bench::fmt(bench::median(total)),
                 bench::fmt(bench::median(toAll)), bench::fmt(*std::min_element(total.begin(), total.end())),
                 bench::fmt(bench::maximum(total)), bench::fmt(bench::median(rss)),
                 bench::fmt(bench::median(anon)), bench::fmt(bench::median(cpu)));
    }
};

int drive(int launches, const char *platform) {
    setenv("QT_QPA_PLATFORM", platform, 1);
    const bool offscreen = std::strcmp(platform, "offscreen") == 0;
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return 1;
    self[n] = '\0';
    // One start of each first, not counted: it brings the libraries into the page cache.
    if (!launch(self, "bare").ok || !launch(self, "app").ok)
        return 1;
    Series app, bare;
    for (int i = 0; i < launches; ++i) {
        const Launch b = launch(self, "bare");
        const Launch a = launch(self, "app");
        if (!a.ok || !b.ok)
            return 1;
        bare.add(b);
        app.add(a);
    }
    std::fprintf(stderr, "start-up, %d launches each, platform %s:\n", launches, platform);
    bench::note(QStringLiteral("manager: ") + app.breakdown());
    bench::note(QStringLiteral("bare Qt main window: ") + bare.breakdown());
    const double a = bench::median(app.total), b = bench::median(bare.total);
    const double rssA = bench::median(app.rss), rssB = bench::median(bare.rss);
    if (!offscreen) { // a visible window on an X server: the figure is the ratio to a bare window
        bench::row(QStringLiteral("Start-up to main window visible under Xvfb (median of %1)").arg(launches),
                   QStringLiteral("<= 1.5 x bare"),
                   QStringLiteral("%1 ms, bare Qt main window %2 ms (%3x)")
                       .arg(bench::fmt(a), bench::fmt(b), bench::fmt(a / b, 2)),
                   bench::metText(a <= 1.5 * b));
        return 0;
    }
    bench::row(QStringLiteral("Start-up to main window shown (median of %1)").arg(launches),
               QStringLiteral("<= 50 ms"), bench::fmt(a) + QStringLiteral(" ms"), bench::metText(a <= 50));
    bench::row(QStringLiteral("Start-up of a bare Qt main window (same run)"), QStringLiteral("-"),
               QStringLiteral("%1 ms (manager/bare %2x)").arg(bench::fmt(b), bench::fmt(a / b, 2)),
               QStringLiteral("-"));
    bench::row(QStringLiteral("Start-up: main window built, from QApplication"), QStringLiteral("-"),
               bench::fmt(bench::median(app.toBuilt) - bench::median(app.toApp)) + QStringLiteral(" ms"),
               QStringLiteral("-"));
    bench::row(QStringLiteral("Start-up: all nine windows and the cue editor's channel editors built"),
               QStringLiteral("-"), bench::fmt(bench::median(app.toAll)) + QStringLiteral(" ms"),
               QStringLiteral("-"));
    bench::row(QStringLiteral("Start-up: processor time of a launch (median)"), QStringLiteral("-"),
               QStringLiteral("%1 ms (bare %2 ms)")
                   .arg(bench::fmt(bench::median(app.cpu)), bench::fmt(bench::median(bare.cpu))),
               QStringLiteral("-"));
    bench::row(QStringLiteral("Resident memory after start-up"), QStringLiteral("<= 60 MB"),
               QStringLiteral("%1 MB (bare %2 MB)").arg(bench::fmt(rssA), bench::fmt(rssB)),
               bench::metText(rssA <= 60));
    return 0;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc >= 2 && std::strcmp(argv[1], "--parts") == 0)
        return parts(argc, argv);
    if (argc >= 3 && std::strcmp(argv[1], "--probe") == 0)
        return probe(argc, argv, std::strcmp(argv[2], "app") == 0);
    int launches = 20;
    const char *platform = "offscreen";
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--launches") == 0)
            launches = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--platform") == 0)
            platform = argv[i + 1];
    }
    return drive(launches, platform);
}
