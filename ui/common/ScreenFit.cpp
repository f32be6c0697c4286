// Window sizes bounded by the screen.
#include "ui/common/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace q4ui {

QSize SizeWithinScreen(const QWidget& window, QSize wanted)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return wanted;
    // A title bar and borders take about two lines and a quarter of one.
    const int line = window.fontMetrics().height();
    const QSize frame(line / 2, 2 * line + line / 2);
    const QSize room = screen->availableGeometry().size() - frame;
    return wanted.boundedTo(room).expandedTo(window.minimumSizeHint().boundedTo(room));
}

}  // namespace q4ui
