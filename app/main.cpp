#include "app/application.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    zentri::FontConfigurationAhead fonts;
    QApplication app(argc, argv);
    fonts.finish();
    zentri::setUpApplication();
    zentri::Windows windows(zentri::Windows::Build::MainWindowFirst);
    windows.showMainWindow();
    return app.exec();
}
