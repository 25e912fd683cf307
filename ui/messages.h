// Messages to the user.
#pragma once

#include <QString>

class QWidget;

namespace zentri::ui {

// Plain message box with the program's title (the main window becomes active again afterwards).
void showMessage(QWidget *parent, const QString &text);

} // namespace zentri::ui
