// The mark of a cell with findings of the set-up checks: a corner in the colour of the worst
// severity, kept at least 3 to 1 against the cell's background so that it reads under any palette.
#pragma once

#include "check/CheckRules.h"

#include <QColor>
#include <QRect>

class QPainter;

namespace q4ui {

// Red, amber or blue, darkened or lightened as far as the background asks.
QColor FindingMarkColour(Severity severity, const QColor& background);
// The corner at the top right of rect, its side a third of the rect's height (at least 6 pixels).
void PaintFindingMark(QPainter& painter, const QRect& rect, Severity severity, const QColor& background);

}  // namespace q4ui
