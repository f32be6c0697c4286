// The width a dialog needs for the window manager to show its whole title.
#pragma once

class QWidget;

namespace q4ui {

// The title beside the frame's icon and buttons, which are about as wide as the title bar is
// high: the least width of the dialog, frame included, that does not cut the title, as far as
// the screen is wide.
int TitleBarWidth(const QWidget& dialog);

}  // namespace q4ui
