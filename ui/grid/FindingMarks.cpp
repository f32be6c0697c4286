// The finding marks' colours and their corner.
#include "ui/grid/FindingMarks.h"

#include "ui/grid/CellColours.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace {

// What a graphical mark needs to be seen against its surroundings.
constexpr double MARK_CONTRAST = 3.0;

QColor BaseColour(Severity severity)
{
    switch (severity) {
    case Severity::Error: return QColor(0xD0, 0x10, 0x10);
    case Severity::Warning: return QColor(0xE0, 0x90, 0x00);
    case Severity::Note: break;
    }
    return QColor(0x20, 0x60, 0xD0);
}

}  // namespace

namespace q4ui {

QColor FindingMarkColour(Severity severity, const QColor& background)
{
    const QColor base = BaseColour(severity);
    // Towards black on a light cell, towards white on a dark one, until it stands out.
    const QColor towards = Luminance(background) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    for (double share = 0; share <= 1.0; share += 0.05) {
        QColor mixed = Mix(base, towards, share);
        if (ContrastRatio(mixed, background) >= MARK_CONTRAST)
            return mixed;
    }
    return towards;
}

void PaintFindingMark(QPainter& painter, const QRect& rect, Severity severity, const QColor& background)
{
    const double side = std::max(6.0, rect.height() / 3.0);
    const QPointF corner = QPointF(rect.right() + 1, rect.top());
    const QPolygonF triangle({corner, corner - QPointF(side, 0), corner + QPointF(0, side)});
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(FindingMarkColour(severity, background));
    painter.drawPolygon(triangle);
    painter.restore();
}

}  // namespace q4ui
