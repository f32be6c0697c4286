// The program's icons, drawn at run time: the application icon and the toolbar buttons.
#pragma once

#include <QIcon>

class CIconFactory {
public:
    static QIcon AppIcon();
    // The toolbar icon of a command, or a null icon.
    static QIcon CommandIcon(int id);
};
