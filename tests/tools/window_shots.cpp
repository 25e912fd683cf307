// Shows one window of the manager with a realistic device loaded and takes a screenshot of it (run
// under Xvfb by scripts/screenshot-windows.sh). Datagrams go only to the loopback device 127.0.0.2.
#include "app/about.h"
#include "app/application.h"
#include "app/mainwindow.h"
#include "app/patchwindow.h"
#include "app/rigwindow.h"
#include "device/configfile.h"
#include "device/protocol.h"
#include "i18n/language.h"
#include "rig/rigfile.h"
#include "setup/f_dmxsetup.h"
#include "setup/setup_audio.h"
#include "setup/setup_input.h"
#include "setup/setup_output.h"
#include "shows/f_cue.h"
#include "shows/f_livebuttonrecord.h"
#include "shows/f_liverecord.h"
#include "ui/legibility.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPalette>
#include <QPointer>
#include <QProcess>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

using namespace zentri;

namespace {

recUrzadzenia stageDevice() {
    recUrzadzenia r;
    r.Nazwa = QStringLiteral("Stage left");
    r.ZentriVersion = kModulePremium;
    r.MasterVolume = 200;
    r.DestinationIP = {192, 168, 1, 50, 0};
    r.TriggerButtonPlayMode = true;
    r.playAfterPowerOn = 2;
    const int functions[8] = {1, 2, 2, 3, 4, 7, 0, 2};
    for (int i = 0; i < 8; ++i) {
        r.Output[i] = {0, 1, 4 * i + 1, 0, i == 2 || i == 5};
        r.Trigger[i] = {0, 1, 101 + i, functions[i], i + 1, 10 + i, 30 * i + 20};
    }
    r.dap = {0, 1, 1, 2, 3, 4, 5, 6, 1};
    r.dmx = {0, 2};
    r.blackoutAtEndOfTheShow = true;
    return r;
}

// ZENTRI_SHOT_DELAY_MS keeps the window up longer, for an accessibility client to read it first.
void shootLater(QApplication &app, const QString &file, int ms = 700) {
    ms = std::max(ms, qEnvironmentVariableIntValue("ZENTRI_SHOT_DELAY_MS"));
    QTimer::singleShot(ms, &app, [&app, file] {
        QProcess::execute(QStringLiteral("import"),
                          {QStringLiteral("-window"), QStringLiteral("root"), file});
        app.quit();
    });
}

// A dark palette such as a desktop's dark theme gives the program.
QPalette darkPalette() {
    QPalette p;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230), disabled(127, 127, 127);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Link, QColor(42, 130, 218));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::PlaceholderText, disabled);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    return p;
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    setUpApplication();
    if (argc > 1 && QLatin1String(argv[1]) == QLatin1String("--dark")) {
        QApplication::setPalette(darkPalette());
        --argc;
        ++argv;
    }
    if (argc > 2 && QLatin1String(argv[1]) == QLatin1String("--lang")) { // the windows in that language
        if (!i18n::install(&app, QString::fromLatin1(argv[2]))) {
            std::fprintf(stderr, "no translation into %s\n", argv[2]);
            return 2;
        }
        argc -= 2;
        argv += 2;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: window_shots [--dark] [--lang LANG] WINDOW FILE.png\n"
                             "WINDOW: main_window about setup_output setup_input setup_audio f_dmxsetup "
                             "f_livebuttonrecord f_cue f_liverecord load_configuration rig_window "
                             "patch_window readdress_preview report\n");
        return 2;
    }
    const QString which = QString::fromLatin1(argv[1]);
    const QString file = QString::fromLocal8Bit(argv[2]);

    Windows w;
    w.MainForm->UDPsvrUDPRead(wire::infoReply(stageDevice(), 1, 1, 12, QByteArray::fromHex("025A45000001")),
                              QHostAddress(QStringLiteral("127.0.0.2")));
    const QHostAddress device(QStringLiteral("127.0.0.2"));

    QWidget *window = nullptr;
    if (which == QLatin1String("main_window")) {
        for (int k = 2; k <= 3; ++k) {
            recUrzadzenia r = stageDevice();
            r.Nazwa = QStringLiteral("Box %1").arg(k);
            const QHostAddress other(QStringLiteral("127.0.0.%1").arg(k + 1));
            w.MainForm->UDPsvrUDPRead(
                wire::infoReply(r, 1, 1, 12, QByteArray::fromHex("025A450000") + char(k)), other);
        }
        w.MainForm->UDPsvrUDPRead(wire::sdCardReply(true), device);
        window = w.MainForm.get();
    } else if (which == QLatin1String("about"))
        window = w.fAbout.get();
    else if (which == QLatin1String("setup_output"))
        window = w.fSetupOutput.get();
    else if (which == QLatin1String("setup_input"))
        window = w.fSetupInput.get();
    else if (which == QLatin1String("setup_audio"))
        window = w.fSetupAudio.get();
    else if (which == QLatin1String("f_dmxsetup"))
        window = w.fDMXSetup.get();
    if (window) {
        window->show();
        window->move(10, 10);
        shootLater(app, file);
        return app.exec();
    }
    if (which == QLatin1String("f_livebuttonrecord")) {
        TfLiveButtonRecord *live = w.fLiveButtonRecord.get();
        live->show();
        live->move(10, 10);
        auto reply = [&](const QByteArray &d) { live->IdUDPServer1UDPRead(d, device); };
        const int seconds[8] = {95, 3671, 412, 0, 30, 0, 0, 0};
        for (int n = 1; n <= 8; ++n)
            reply(wire::showInfoReply(n, seconds[n - 1] > 0, 20480 * seconds[n - 1]));
        live->SelectShow(3);
        live->Button11MouseDown(); // PLAY
        reply(wire::showPositionReply(20480 * 412, 20480 * 157));
        live->tmShowTimeTimer();
        shootLater(app, file);
        return app.exec();
    }
    if (which == QLatin1String("f_cue")) {
        TfCue *cue = w.fCue.get();
        cue->show();
        cue->move(10, 10);
        const char *names[] = {"Opening look", "Blue wash", "Strobe chase",
                               "Warm front",   "Blackout",  "Finale"};
        for (int k = 1; k <= 6; ++k) {
            QByteArray values(512, '\0');
            for (int i = 0; i < 512; ++i)
                values[i] = static_cast<char>((i * (k + 3) * 7) % 256);
            cue->IdUDPServer1UDPRead(wire::cueReply(k, names[k - 1], values), device);
        }
        cue->StringGrid1->setCurrentCell(1, 0);
        cue->StringGrid1Click();
        shootLater(app, file);
        return app.exec();
    }
    if (which == QLatin1String("f_liverecord")) {
        TfLiveRecord *timeline = w.fLiveRecord.get();
        timeline->InsertObject(QStringLiteral("Output 1"), QStringLiteral("01:15"), QStringLiteral("03:25"),
                               QStringLiteral("Intro\rFog and haze"), Qt::blue, Qt::white);
        timeline->InsertObject(QStringLiteral("Output 3"), QStringLiteral("02:10"), QStringLiteral("02:40"),
                               QStringLiteral("Pyro cue"), Qt::red, Qt::black);
        timeline->show();
        timeline->setGeometry(0, 0, 1280, 800); // no window manager here to maximise it
        QTimer::singleShot(300, timeline, [timeline] {
            timeline->def_panel_nameClick(timeline->tab_rec_name(2));
            timeline->MouseTimer.stop();
            timeline->trackPointer(QPoint(timeline->timeAreaLeft() + 400, 300));
        });
        shootLater(app, file, 900);
        return app.exec();
    }
    if (which == QLatin1String("load_configuration")) {
        // The question of "Load configuration..." for a file saved from the same device and edited.
        recUrzadzenia edited = stageDevice();
        edited.IP = device.toString();
        edited.MAC = QStringLiteral("02:5A:45:00:00:01");
        edited.FWVer = QStringLiteral("1.12");
        edited.Output[2].Channel = 300;
        edited.Output[5].PWM = false;
        edited.Trigger[0].Volume = 255;
        edited.MasterVolume = 160;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("stage-left.json"));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(configfile::write(edited)) < 0)
            return 1;
        f.close();
        w.MainForm->show();
        w.MainForm->move(150, 40);
        w.MainForm->setDeviceButtonsEnabled(true); // as after a click on the device's row
        QTimer poll;
        poll.setInterval(50);
        bool shot = false;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *d = qobject_cast<QFileDialog *>(modal); d && d->isVisible()) {
                d->selectFile(path);
                QMetaObject::invokeMethod(d, "accept", Qt::QueuedConnection);
            } else if (auto *box = qobject_cast<QMessageBox *>(modal); box && box->isVisible() && !shot) {
                shot = true;
                QTimer::singleShot(500, &app, [&app, file, box = QPointer<QMessageBox>(box)] {
                    QProcess::execute(QStringLiteral("import"),
                                      {QStringLiteral("-window"), QStringLiteral("root"), file});
                    if (box)
                        box->done(QMessageBox::No); // nothing is sent
                    app.quit();
                });
            }
        });
        poll.start();
        QTimer::singleShot(300, &app, [&w] {
            w.MainForm->findChild<QAction *>(QStringLiteral("LoadConfiguration1"))->trigger();
        });
        return app.exec();
    }
    if (which == QLatin1String("rig_window")) {
        // A rig of four boxes against five answers: one box in sync, one changed on the device, one
        // silent, one MAC answering from two addresses, and a box that is not in the rig.
        auto box = [](int k, const char *name) {
            recUrzadzenia r = stageDevice();
            r.Nazwa = QString::fromLatin1(name);
            r.MAC = QStringLiteral("02:5A:45:00:00:0%1").arg(k);
            r.FWVer = QStringLiteral("1.12");
            for (int i = 0; i < 8; ++i)
                r.Output[i].Channel = 40 * k + 4 * i + 1;
            return r;
        };
        rig::Rig r;
        r.name = QStringLiteral("Escape room 2");
        r.devices = {box(1, "Entrance"), box(2, "Stage left"), box(3, "Vault"), box(4, "Corridor")};
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("escape-room-2.json"));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(rig::write(r)) < 0)
            return 1;
        f.close();
        QString error;
        if (!w.fRig->open(path, &error))
            return 1;
        w.MainForm->setDiscoveryAddress(QHostAddress(QStringLiteral("127.0.0.1")));
        w.fRig->findChild<QSpinBox *>(QStringLiteral("seInterval"))->setValue(1);
        w.fRig->show();
        w.fRig->resize(QSize(1240, 560) *
                       ui::fontScale(w.fRig.get())); // grown with the font as the window grows
        w.fRig->move(10, 10);
        auto reply = [&w](const recUrzadzenia &rec, const char *ip) {
            QByteArray mac = QByteArray::fromHex(rec.MAC.toLatin1().replace(':', ""));
            w.MainForm->UDPsvrUDPRead(wire::infoReply(rec, 1, 1, 12, mac), QHostAddress(QLatin1String(ip)));
            w.MainForm->UDPsvrUDPRead(wire::sdCardReply(ip[8] != '4'), QHostAddress(QLatin1String(ip)));
        };
        recUrzadzenia changed = box(2, "Stage left");
        changed.Output[3].Channel = 301;
        changed.MasterVolume = 90;
        QTimer::singleShot(200, &app, [=] {
            reply(box(1, "Entrance"), "127.0.0.2");
            reply(changed, "127.0.0.3");
            reply(box(4, "Corridor"), "127.0.0.4");
            reply(box(4, "Corridor"), "127.0.0.5");
            reply(box(7, "Spare box"), "127.0.0.6");
        });
        shootLater(app, file, 1800);
        return app.exec();
    }
    if (which == QLatin1String("patch_window") || which == QLatin1String("report") ||
        which == QLatin1String("readdress_preview")) {
        // Six boxes of a venue, patched one after another on NET 0, universe 1, with the mistakes a
        // patch shows: two boxes whose triggers send to one channel, and a box whose audio player's
        // volume follows the same channel as one of its outputs.
        PatchSource rig{QStringLiteral("Rig \"Escape room 2\""), {}, {}, {}};
        const char *names[] = {"Entrance", "Stage left", "Vault", "Corridor", "Library", "Exit"};
        for (int k = 0; k < 6; ++k) {
            recUrzadzenia r = stageDevice();
            r.Nazwa = QString::fromLatin1(names[k]);
            r.MAC = QStringLiteral("02:5A:45:00:00:0%1").arg(k + 1);
            r.IP = QStringLiteral("10.77.0.%1").arg(k + 2);
            r.FWVer = QStringLiteral("1.12");
            for (int i = 0; i < 8; ++i) {
                r.Output[i].Channel = 16 * k + i + 1;
                r.Trigger[i].Function = i == 0 ? 1 : 0;
                r.Trigger[i].Channel = k == 1 || k == 4 ? 300 : 300 + k;
            }
            r.DestinationIP = {10, 77, 0, 99, 0};
            r.dap = {
                0,           1, 200 + 8 * k, 201 + 8 * k, k == 2 ? 35 : 202 + 8 * k, 203 + 8 * k, 204 + 8 * k,
                205 + 8 * k, 1};
            rig.devices << r;
            rig.states << zentri::rig::State::InSync;
            rig.sdCards << zentri::rig::SdCard::Present;
        }
        InterfaceInfo lan;
        lan.addresses << InterfaceAddress{QHostAddress(QStringLiteral("10.77.0.1")), 24};
        PatchWindow patch;
        patch.setSources({rig}, {lan});
        if (which == QLatin1String("report")) { // the report of the same rig: `file` is its base name
            QStringList written;
            QString error;
            if (!patch.exportReportTo(file, &written, &error)) {
                std::fprintf(stderr, "%s\n", qPrintable(error));
                return 1;
            }
            return 0;
        }
        if (which == QLatin1String("readdress_preview"))
            patch.setPreview(
                {QStringLiteral("Entrance (02:5A:45:00:00:01, 10.77.0.2): Output 1 channel 1 -> 101, "
                                "Output 2 channel 2 -> 102"),
                 QStringLiteral("Stage left (02:5A:45:00:00:02, 10.77.0.3): Output 1 channel 17 -> "
                                "109, Output 2 channel 18 -> 110")});
        patch.show();
        patch.move(10, 10);
        patch.resize(1240, 860);
        shootLater(app, file);
        return app.exec();
    }
    std::fprintf(stderr, "unknown window %s\n", argv[1]);
    return 2;
}
