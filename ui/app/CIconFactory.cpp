// Simple drawn icons: plain shapes in a 32 x 32 square, scaled by Qt for the toolbar.
#include "ui/app/CIconFactory.h"

#include "ui/common/CommandTable.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int SIZE = 32;

QPixmap Canvas()
{
    QPixmap pixmap(SIZE, SIZE);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A sheet of paper: white, whatever the desktop's colours, outlined by the pen.
void Page(QPainter& p, QRectF r)
{
    p.setBrush(Qt::white);
    p.drawRect(r);
    // The lines of writing are dark on the paper, whatever the desktop's colours.
    const QPen outline = p.pen();
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), outline.widthF()));
    p.drawLine(QPointF(r.left() + 4, r.top() + 7), QPointF(r.right() - 4, r.top() + 7));
    p.drawLine(QPointF(r.left() + 4, r.top() + 12), QPointF(r.right() - 4, r.top() + 12));
    p.setPen(outline);
}

void Arrow(QPainter& p, bool up)
{
    QPainterPath path;
    double tip = up ? 3 : 29, base = up ? 15 : 17, tail = up ? 29 : 3;
    path.moveTo(16, tip);
    path.lineTo(5, base);
    path.lineTo(11, base);
    path.lineTo(11, tail);
    path.lineTo(21, tail);
    path.lineTo(21, base);
    path.lineTo(27, base);
    path.closeSubpath();
    p.setBrush(up ? QColor(0x2E, 0x7D, 0x32) : QColor(0x15, 0x65, 0xC0));
    p.drawPath(path);
}

// A hooked arrow turning back (undo) or forward (redo), in the colour of the lines.
void TurnArrow(QPainter& p, bool back, const QColor& ink)
{
    if (!back) {
        p.translate(SIZE, 0);
        p.scale(-1, 1);
    }
    QPainterPath hook;
    hook.moveTo(9, 12);
    hook.cubicTo(22, 6, 32, 18, 20, 27);
    p.setPen(QPen(ink, 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const QPointF head[3] = {QPointF(2, 12), QPointF(12, 4), QPointF(12, 20)};
    p.drawPolygon(head, 3);
}

}  // namespace

QIcon CIconFactory::AppIcon()
{
    // The annunciator's front: a dark panel with rows of alarm lamps.
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0x37, 0x47, 0x4F));
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 4, 4);
    const QColor lamps[] = {QColor(0xE5, 0x39, 0x35), QColor(0xFD, 0xD8, 0x35), QColor(0x43, 0xA0, 0x47)};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.setBrush(lamps[(row + col) % 3]);
            p.drawRect(QRectF(5.5 + col * 8, 5.5 + row * 8, 5, 5));
        }
    }
    return QIcon(pixmap);
}

QIcon CIconFactory::CommandIcon(int id, const QPalette& palette)
{
    const QColor ink = palette.color(QPalette::Active, QPalette::WindowText);
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 1.5));
    QFont font = p.font();
    font.setPixelSize(24);
    font.setBold(true);
    p.setFont(font);
    switch (id) {
    case ID_FILE_NEW:
        Page(p, QRectF(7, 3, 18, 26));
        break;
    case ID_FILE_OPEN:
        p.setBrush(QColor(0xF9, 0xA8, 0x25));
        p.drawRect(QRectF(3, 9, 26, 18));
        p.drawRect(QRectF(3, 6, 10, 3));
        break;
    case ID_FILE_SAVE:
        p.setBrush(QColor(0x42, 0x42, 0x9E));
        p.drawRect(QRectF(4, 4, 24, 24));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 4, 14, 9));
        break;
    case ID_EDIT_CUTEX:
        // Lines alone: thick enough to stay lines at half the size.
        p.setPen(QPen(ink, 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(4, 20, 8, 8));
        p.drawEllipse(QRectF(20, 20, 8, 8));
        p.drawLine(QPointF(10, 21), QPointF(22, 3));
        p.drawLine(QPointF(22, 21), QPointF(10, 3));
        break;
    case ID_EDIT_COPYEX:
        Page(p, QRectF(3, 3, 16, 20));
        Page(p, QRectF(12, 9, 16, 20));
        break;
    case ID_EDIT_PASTEEX:
        p.setBrush(QColor(0x8D, 0x6E, 0x63));
        p.drawRect(QRectF(4, 5, 20, 24));
        Page(p, QRectF(13, 11, 15, 18));
        break;
    case ID_FILE_PRINT_ALL:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(QColor(0x75, 0x75, 0x75));
        p.drawRect(QRectF(3, 13, 26, 11));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 20, 14, 9));
        break;
    case ID_APP_ABOUT:
        p.drawText(QRectF(0, 0, SIZE, SIZE), Qt::AlignCenter, QStringLiteral("?"));
        break;
    case ID_EDIT_UNDO:
    case ID_EDIT_REDO:
        TurnArrow(p, id == ID_EDIT_UNDO, ink);
        break;
    case ID_UPLOAD:
        Arrow(p, true);
        break;
    case ID_DOWNLOAD:
        Arrow(p, false);
        break;
    default:
        return QIcon();
    }
    p.end();
    return QIcon(pixmap);
}
