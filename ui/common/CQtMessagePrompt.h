// The message prompt of the desktop program: a message box with OK, or OK and Cancel, always
// with an icon and over a window of the program. Callable from the transfer worker too: the box
// then runs on the GUI thread while the worker waits.
#pragma once

#include "model/IMessagePrompt.h"

#include <QObject>

class QWidget;

class CQtMessagePrompt : public QObject, public IMessagePrompt {
    Q_OBJECT

public:
    // Must be created on the GUI thread.
    explicit CQtMessagePrompt(QObject* parent = nullptr);

    int Show(const std::string& text, Buttons buttons, bool exclamation) override;

    // The caption of every message box of the program.
    static QString Caption();
    // The window a box goes over: the active one, else the visible main window; null only
    // when the program shows no window.
    static QWidget* ParentWindow();

private:
    int ShowBox(const std::string& text, Buttons buttons, bool exclamation);
};
