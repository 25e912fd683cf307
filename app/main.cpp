#include "app/application.h"
#include "app/mainwindow.h"
#include "app/uikit.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    zentri::prepareHeap();
    QApplication app(argc, argv);
    zentri::setUpApplication();
    zentri::Windows windows;
    windows.MainForm->show();
    zentri::ui::centerOnScreen(windows.MainForm.get());
    return app.exec();
}
