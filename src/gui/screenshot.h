// What is on screen as one picture: the main window, and a tool window over it with a
// title bar of its own (the offscreen platform draws no window frames).
#pragma once

#include <QImage>

class QWidget;

namespace gui {

// The main window, with window drawn over its middle when it is not nullptr.
QImage Screenshot(QWidget& main, QWidget* window);

}  // namespace gui
