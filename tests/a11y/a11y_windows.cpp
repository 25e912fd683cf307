// Shows the manager's windows one after the other, each with a device loaded and in a state that puts
// text in its labels, for an accessibility client to read (tests/a11y/read_windows.py drives it).
//
//   a11y_windows WINDOW...     WINDOW: main live output trigger audio dmx timeline about cue
//
// Each window is shown when the previous one is done: the program prints "SHOWN <window>" once the
// window has been painted, and moves on at each line read on its standard input; at the end of the
// input it exits. Datagrams go only to the loopback device 127.0.0.2.
#include "app/about.h"
#include "app/application.h"
#include "app/mainwindow.h"
#include "device/protocol.h"
#include "setup/f_dmxsetup.h"
#include "setup/setup_audio.h"
#include "setup/setup_input.h"
#include "setup/setup_output.h"
#include "shows/f_cue.h"
#include "shows/f_livebuttonrecord.h"
#include "shows/f_liverecord.h"

#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <QSocketNotifier>
#include <QTableView>
#include <QTableWidget>
#include <cstdio>
#include <unistd.h>

using namespace zentri;

namespace {

const QHostAddress kDevice(QStringLiteral("127.0.0.2"));

recUrzadzenia stageDevice() {
    recUrzadzenia r;
    r.Nazwa = QStringLiteral("Stage left");
    r.ZentriVersion = kModulePremium;
    r.MasterVolume = 200;
    r.DestinationIP = {192, 168, 1, 50, 0};
    r.playAfterPowerOn = 2;
    const int functions[8] = {1, 2, 2, 3, 4, 7, 0, 2};
    for (int i = 0; i < 8; ++i) {
        r.Output[i] = {0, 1, 4 * i + 1, 0, i == 2 || i == 5};
        r.Trigger[i] = {0, 1, 101 + i, functions[i], i + 1, 10 + i, 30 * i + 20};
    }
    r.Trigger[7].Channel = 9999; // a value no list holds: that list has no selection
    r.dap = {0, 1, 1, 2, 3, 4, 5, 6, 1};
    r.dmx = {0, 2};
    return r;
}

// Says "SHOWN <name>" once `window` has been painted after its showing.
class ShownReporter : public QObject {
public:
    ShownReporter(QWidget *window, const QString &name) : window_(window), name_(name) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == window_ && event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    std::printf("SHOWN %s\n", qPrintable(name_));
                    std::fflush(stdout);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget *window_;
    QString name_;
    bool done_ = false;
};

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    setUpApplication();
    QStringList order;
    for (int i = 1; i < argc; ++i)
        order << QString::fromLatin1(argv[i]);
    if (order.isEmpty()) {
        std::fprintf(stderr, "usage: a11y_windows WINDOW...\n"
                             "WINDOW: main live output trigger audio dmx timeline about cue\n");
        return 2;
    }

    Windows w;
    TMainForm *form = w.MainForm.get();
    form->UDPsvrUDPRead(wire::infoReply(stageDevice(), 1, 1, 12, QByteArray::fromHex("025A45000001")),
                        kDevice);

    QWidget *current = nullptr;
    std::unique_ptr<ShownReporter> reporter;
    int next = 0;
    auto showNext = [&]() -> bool {
        if (current) {
            current->hide();
            current = nullptr;
        }
        if (next >= order.size())
            return false;
        const QString which = order[next++];
        QWidget *window = nullptr;
        if (which == QLatin1String("main"))
            window = form;
        else if (which == QLatin1String("output"))
            window = w.fSetupOutput.get();
        else if (which == QLatin1String("trigger"))
            window = w.fSetupInput.get();
        else if (which == QLatin1String("audio"))
            window = w.fSetupAudio.get();
        else if (which == QLatin1String("dmx"))
            window = w.fDMXSetup.get();
        else if (which == QLatin1String("timeline"))
            window = w.fLiveRecord.get();
        else if (which == QLatin1String("about"))
            window = w.fAbout.get();
        else if (which == QLatin1String("cue"))
            window = w.fCue.get();
        else if (which == QLatin1String("live"))
            window = w.fLiveButtonRecord.get();
        if (!window) {
            std::fprintf(stderr, "a11y_windows: unknown window %s\n", qPrintable(which));
            return false;
        }
        reporter = std::make_unique<ShownReporter>(window, which);
        window->show();
        current = window;
        if (window == w.fLiveButtonRecord.get()) {
            TfLiveButtonRecord *live = w.fLiveButtonRecord.get();
            const int seconds[8] = {95, 3671, 412, 0, 30, 0, 0, 0};
            for (int n = 1; n <= 8; ++n)
                live->IdUDPServer1UDPRead(wire::showInfoReply(n, seconds[n - 1] > 0, 20480 * seconds[n - 1]),
                                          kDevice);
            live->SelectShow(3);
            live->Button11MouseDown(); // PLAY: the playback time and position show
            live->IdUDPServer1UDPRead(wire::showPositionReply(20480 * 412, 20480 * 157), kDevice);
            live->tmShowTimeTimer();
            live->IdUDPServer1UDPRead(wire::packetCountReply(256), kDevice);
        } else if (window == w.fCue.get()) {
            TfCue *cue = w.fCue.get();
            QByteArray values(512, '\0');
            for (int i = 0; i < 512; ++i)
                values[i] = static_cast<char>(i % 256);
            cue->IdUDPServer1UDPRead(wire::cueReply(1, "Opening look", values), kDevice);
            cue->StringGrid1->setCurrentCell(0, 0);
            cue->StringGrid1Click();
        } else if (window == w.fLiveRecord.get()) {
            w.fLiveRecord->InsertObject(QStringLiteral("Output 1"), QStringLiteral("01:15"),
                                        QStringLiteral("03:25"), QStringLiteral("Intro"), Qt::blue,
                                        Qt::white);
        }
        return true;
    };

    // One line on the standard input: the next window; the end of the input: the end.
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buf[256];
        const ssize_t n = read(STDIN_FILENO, buf, sizeof buf);
        if (n <= 0 || !showNext()) {
            input.setEnabled(false);
            app.quit();
        }
    });
    if (!showNext())
        return 2;
    return app.exec();
}
