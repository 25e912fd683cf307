// The manager as a user starts it, for an accessibility client to drive (tests/a11y/by_actions.py):
// the same windows, but its discovery asks 127.0.0.1 instead of broadcasting, and no datagram can
// leave the loopback network. Prints "READY" once the main window is shown.
#include "app/application.h"
#include "app/mainwindow.h"

#include <QApplication>
#include <QHostAddress>
#include <QTimer>
#include <cstdio>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    zentri::setUpApplication();
    zentri::Windows windows;
    windows.MainForm->setDiscoveryAddress(QHostAddress(QStringLiteral("127.0.0.1")));
    windows.showMainWindow();
    QTimer::singleShot(0, &app, [] {
        std::printf("READY\n");
        std::fflush(stdout);
    });
    return app.exec();
}
