// Every window the program opens, each opened as the program opens it, over a main window with a
// plant of two units: for what must hold of all of them (they fit the screen, no text is cut,
// no accelerator shadows another, every input is labelled, and their pictures in German).
#pragma once

#include "FrameFixture.h"

#include <QTemporaryDir>

#include <functional>
#include <vector>

// The main window of a saved set-up, AN-1 of the plant "works" that the panel shows.
struct PlantFrame : FrameFixture {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("works.q4plant"));
    PlantFrame();
};

struct ProgramWindow {
    const char* name;
    // Opens the window over the frame, hands it to look while it is shown, and closes it.
    std::function<void(PlantFrame& frame, const std::function<void(QWidget& window)>& look)> open;
};

std::vector<ProgramWindow> ProgramWindows();

// The labels and buttons of a window narrower (or, wrapped, lower) than their text needs.
QStringList CutTexts(const QWidget& window);
// The letters of a window's accelerators (Alt and the underlined letter) that more than one
// of its labels, buttons or menus take; with the main window, its menu bar's too.
QStringList ClashingAccelerators(const QWidget& window);
