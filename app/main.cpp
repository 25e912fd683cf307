#include "app/application.h"
#include "app/mainwindow.h"
#include "app/rigwindow.h"
#include "i18n/language.h"
#include "ui/messages.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[]) {
    zentri::StartUpAhead ahead;
    QApplication app(argc, argv);
    ahead.applicationReady();
    zentri::i18n::installFromEnvironment(&app);
    zentri::setUpApplication();

    QCommandLineParser options;
    options.setApplicationDescription(
        QApplication::translate("main", "Finds Zentri show controllers on the network and configures them."));
    const QCommandLineOption help = options.addHelpOption();
    const QCommandLineOption rigOption(
        QStringLiteral("rig"), QApplication::translate("main", "Opens the rig FILE and shows it at start."),
        QStringLiteral("FILE"));
    options.addOption(rigOption);
    // Not process(): it ends the program at once, with the start-up thread still running.
    const bool parsed = options.parse(QApplication::arguments());
    if (!parsed || options.isSet(help) || options.isSet(QStringLiteral("help-all"))) {
        ahead.finish();
        if (!parsed) {
            std::fprintf(stderr, "%s\n", qPrintable(options.errorText()));
            return 1;
        }
        std::fputs(qPrintable(options.helpText()), stdout);
        return 0;
    }
    const QString rigPath = options.value(rigOption);

    zentri::Windows windows(zentri::Windows::Build::MainWindowFirst);
    windows.showMainWindow();
    ahead.finish();
    if (!rigPath.isEmpty()) {
        QTimer::singleShot(0, &app, [&windows, rigPath] {
            windows.buildTheOthers();
            QString error;
            if (windows.fRig->open(rigPath, &error))
                windows.fRig->exec();
            else
                zentri::ui::showMessage(windows.MainForm.get(), error);
        });
    }
    return app.exec();
}
