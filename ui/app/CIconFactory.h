// The program's icons, drawn at run time: the application icon and the toolbar buttons.
#pragma once

#include <QIcon>
#include <QPalette>

class CIconFactory {
public:
    static QIcon AppIcon();
    // The toolbar icon of a command, or a null icon: its lines in the palette's colour for text
    // on the window, so that a dark desktop shows them as well as a light one.
    static QIcon CommandIcon(int id, const QPalette& palette);
};
