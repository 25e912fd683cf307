#include "app/application.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    zentri::StartUpAhead ahead;
    QApplication app(argc, argv);
    ahead.applicationReady();
    zentri::setUpApplication();
    zentri::Windows windows(zentri::Windows::Build::MainWindowFirst);
    windows.showMainWindow();
    ahead.finish();
    return app.exec();
}
