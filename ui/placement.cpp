#include "placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zentri::ui {

void centerOnScreen(QWidget *window) {
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace zentri::ui
