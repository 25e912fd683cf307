// Messages to the user.
#pragma once

#include <QString>

class QWidget;

namespace zentri::ui {

// Plain message box with the program's title (the main window becomes active again afterwards).
void showMessage(QWidget *parent, const QString &text);
// A yes-or-no question titled `title`, with "No" as the default; the box is named `name` (for tests and
// screen readers). True for "Yes".
bool ask(QWidget *parent, const QString &title, const char *name, const QString &text);

} // namespace zentri::ui
