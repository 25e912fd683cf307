// Where the windows appear.
#pragma once

class QWidget;

namespace zentri::ui {

// Places a top-level window in the middle of the screen it is on.
void centerOnScreen(QWidget *window);

} // namespace zentri::ui
