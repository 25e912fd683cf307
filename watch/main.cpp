// zentri-watch: the unattended watch service (see zentri-watch(1) and packaging/zentri-watch.service).
#include "config.h"
#include "journal.h"
#include "service.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

using namespace zentri::watchsvc;

namespace {
int signalPipe[2] = {-1, -1};

void onSignal(int number) {
    const char c = static_cast<char>(number);
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &c, 1);
}

void print(FILE *to, const QString &text) {
    const QByteArray bytes = (text.endsWith('\n') ? text : text + '\n').toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), to);
}
} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zentri-watch"));
    const Parsed parsed = parseArguments(QCoreApplication::arguments());
    if (!parsed.config) {
        print(parsed.status == 0 ? stdout : stderr, parsed.message);
        return parsed.status;
    }
    // SIGHUP reads the rig file again; SIGTERM and SIGINT stop. The handler only writes a byte: the
    // work is done on the event loop.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
        std::perror("zentri-watch: socketpair");
        return 1;
    }
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : {SIGHUP, SIGTERM, SIGINT})
        ::sigaction(s, &action, nullptr);
    ::signal(SIGPIPE, SIG_IGN);

    Service service(*parsed.config);
    QSocketNotifier notifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, [&] {
        char c = 0;
        if (::read(signalPipe[0], &c, 1) != 1)
            return;
        if (c == SIGHUP) {
            journal::note(6, QStringLiteral("SIGHUP: reading the rig file again"));
            service.reloadRig();
            return;
        }
        service.stopping();
        app.quit();
    });
    QString error;
    if (!service.start(&error)) {
        print(stderr, QStringLiteral("zentri-watch: ") + error);
        return 1;
    }
    journal::note(6, QStringLiteral("watching %1 every %2 s; HTTP on %3")
                         .arg(parsed.config->rigPath)
                         .arg(parsed.config->interval)
                         .arg(QStringLiteral("%1:%2")
                                  .arg(parsed.config->listenAddress.toString())
                                  .arg(service.http().port())));
    return app.exec();
}
