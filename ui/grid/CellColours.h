// The colours of the grid's cells by what a cell is, derived from a palette so that a dark
// desktop keeps every text readable; paper has a light palette of its own.
#pragma once

#include <QColor>
#include <QPalette>

// What a cell is, as far as its colours tell: a copy or heading taken as it is, a cell whose
// channel is off, a cell marked as differing from another set-up.
enum class CellLook { Plain, ReadOnly, Inactive, Marked };

namespace q4ui {

// a moved towards b by share (0 to 1), channel by channel.
QColor Mix(const QColor& a, const QColor& b, double share);
// The relative luminance of a colour, 0 for black to 1 for white.
double Luminance(const QColor& colour);
// The contrast ratio of two colours, from 1 (alike) to 21 (black on white), as the
// accessibility guidelines measure it.
double ContrastRatio(const QColor& a, const QColor& b);

// The background of a cell that looks so; the palette's Base for a plain one.
QColor CellBackground(CellLook look, const QPalette& palette);
// The text on that background, at least 4.5 to 1 against it.
QColor CellForeground(CellLook look, const QPalette& palette);
// Black on white, whatever the desktop's colours: for printing.
QPalette PaperPalette();

}  // namespace q4ui
