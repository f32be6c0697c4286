// The size of a window the program opens, within the screen it opens on: at a large scale (a
// laptop at 200 %) a window asks for less than the screen leaves, or its buttons fall off it.
#pragma once

#include <QSize>

class QWidget;

namespace q4ui {

// wanted, or less where the available area of the window's screen (the primary screen before
// it is shown) is smaller, with room left for the window manager's frame; never less than the
// window's layout needs.
QSize SizeWithinScreen(const QWidget& window, QSize wanted);

}  // namespace q4ui
