// Cell colours mixed from the palette's base and text, checked for contrast.
#include "ui/grid/CellColours.h"

#include <algorithm>
#include <cmath>

namespace {

// The share of the text colour in a read-only cell's background: the core's light grey
// (0xD3D3D3) on white.
constexpr double READ_ONLY_TINT = 0.17;
constexpr double INACTIVE_TINT = 0.06;
constexpr double MARK_TINT = 0.45;
const QColor g_Orange(0xFF, 0x8C, 0x00);
constexpr double TEXT_CONTRAST = 4.6;  // a little above the 4.5 asked for: rounding of mixed colours

// from mixed towards to by at most share, as far as the text keeps its contrast on it (or on
// the result itself, when text is the one mixed).
QColor MixReadable(const QColor& from, const QColor& to, double share, const QColor& other)
{
    for (; share > 0; share -= 0.05) {
        QColor mixed = q4ui::Mix(from, to, share);
        if (q4ui::ContrastRatio(mixed, other) >= TEXT_CONTRAST)
            return mixed;
    }
    return from;
}

}  // namespace

namespace q4ui {

QColor Mix(const QColor& a, const QColor& b, double share)
{
    auto channel = [share](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * share)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

double Luminance(const QColor& colour)
{
    auto linear = [](int c) {
        double v = c / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) + 0.0722 * linear(colour.blue());
}

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor CellBackground(CellLook look, const QPalette& palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    switch (look) {
    case CellLook::Plain:
        break;
    case CellLook::ReadOnly:
        return MixReadable(base, text, READ_ONLY_TINT, text);
    case CellLook::Inactive:
        return MixReadable(base, text, INACTIVE_TINT, text);
    case CellLook::Marked:
        return MixReadable(base, g_Orange, MARK_TINT, text);
    }
    return base;
}

QColor CellForeground(CellLook look, const QPalette& palette)
{
    const QColor text = palette.color(QPalette::Text);
    if (look != CellLook::Inactive)
        return text;
    // Fainter than the others, as far as it stays readable.
    QColor background = CellBackground(look, palette);
    return MixReadable(text, background, 0.45, background);
}

QPalette PaperPalette()
{
    QPalette paper(Qt::black, Qt::white);
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    return paper;
}

}  // namespace q4ui
