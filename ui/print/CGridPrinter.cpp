// Page layout and drawing of a printed grid.
#include "ui/print/CGridPrinter.h"

#include "ui/grid/CZTGridCtrl.h"
#include "ui/grid/CellColours.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

const QColor g_FixedCellColour(0xE0, 0xE0, 0xE0);

}  // namespace

CGridPrinter::CGridPrinter(const CZTGridCtrl& grid, int cols)
    : m_nHeaderRows(grid.GetFixedRowCount()),
      m_nHeaderCols(grid.GetFixedColumnCount()),
      m_font(grid.font()),
      m_nScreenDpi(std::max(1, grid.logicalDpiX()))
{
    // A printout shows every text whole: a column is at least as wide as its widest text.
    QFontMetricsF fm(m_font, &grid);
    if (cols <= 0 || cols > grid.GetColumnCount())
        cols = grid.GetColumnCount();
    for (int c = 0; c < cols; ++c)
        m_arColWidths.push_back(grid.GetColumnWidth(c));
    for (int r = 0; r < grid.GetRowCount(); ++r) {
        std::vector<Cell> row;
        for (int c = 0; c < cols; ++c) {
            // Paper keeps light colours whatever the desktop's.
            CellLook look = grid.GetItemLook(r, c);
            QColor background = look == CellLook::Plain ? QColor() : q4ui::CellBackground(look, q4ui::PaperPalette());
            row.push_back({grid.GetItemText(r, c), background});
            double needed = std::ceil(fm.horizontalAdvance(row.back().text) + 2 * fm.averageCharWidth());
            m_arColWidths[static_cast<size_t>(c)] = std::max(m_arColWidths[static_cast<size_t>(c)], needed);
        }
        m_arCells.push_back(std::move(row));
    }
}

void CGridPrinter::SetHeading(const QString& document, const QString& sheet, const QDate& date)
{
    m_strDocument = document;
    m_strSheet = sheet;
    m_strDate = date.toString(Qt::ISODate);
}

int CGridPrinter::Paginate(QPainter& painter, const QRect& rectDraw)
{
    m_rectDraw = rectDraw;
    QPaintDevice* device = painter.device();
    double deviceDpi = device ? device->logicalDpiX() : m_nScreenDpi;
    double toDevice = deviceDpi / m_nScreenDpi;

    m_arColX.assign(1, 0.0);
    for (double w : m_arColWidths)
        m_arColX.push_back(m_arColX.back() + w * toDevice);
    double tableWidth = m_arColX.back();
    m_dScale = tableWidth > rectDraw.width() && tableWidth > 0 ? rectDraw.width() / tableWidth : 1.0;

    QFontMetricsF fm(m_font, device);
    m_dRowHeight = std::ceil(fm.height() * 1.5);
    // Heading and footer keep the font's size on every sheet; only the table is scaled to the width.
    double tableHeight = (rectDraw.height() - 2 * m_dRowHeight) / m_dScale;
    double bodyHeight = tableHeight - m_dRowHeight * m_nHeaderRows;
    m_nRowsPerPage = std::max(1, static_cast<int>(bodyHeight / m_dRowHeight));

    int dataRows = std::max(0, static_cast<int>(m_arCells.size()) - m_nHeaderRows);
    return std::max(1, (dataRows + m_nRowsPerPage - 1) / m_nRowsPerPage);
}

void CGridPrinter::DrawRow(QPainter& painter, int row, double y)
{
    QFontMetricsF fm(painter.font(), painter.device());
    double pad = fm.averageCharWidth() / 2;
    for (size_t c = 0; c < m_arColWidths.size(); ++c) {
        QRectF cell(m_arColX[c], y, m_arColX[c + 1] - m_arColX[c], m_dRowHeight);
        const Cell& data = m_arCells[static_cast<size_t>(row)][c];
        bool fixed = row < m_nHeaderRows || static_cast<int>(c) < m_nHeaderCols;
        QColor background = data.background.isValid() ? data.background : (fixed ? g_FixedCellColour : QColor());
        if (background.isValid())
            painter.fillRect(cell, background);
        painter.drawRect(cell);
        QRectF textRect = cell.adjusted(pad, 0, -pad, 0);
        QString text = fm.elidedText(data.text, Qt::ElideRight, textRect.width());
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }
}

void CGridPrinter::DrawHeading(QPainter& painter) const
{
    // Document left, sheet centred, date right, each within a third of the width.
    QFont bold(m_font);
    bold.setBold(true);
    painter.setFont(bold);
    QFontMetricsF fm(bold, painter.device());
    double third = m_rectDraw.width() / 3.0;
    const std::pair<QString, Qt::Alignment> parts[] = {
        {m_strDocument, Qt::AlignLeft}, {m_strSheet, Qt::AlignHCenter}, {m_strDate, Qt::AlignRight}};
    double left = 0;
    for (const auto& [text, alignment] : parts) {
        QRectF box(left, 0, third, m_dRowHeight);
        painter.drawText(box, alignment | Qt::AlignTop | Qt::TextSingleLine,
                         fm.elidedText(text, Qt::ElideRight, box.width()));
        left += third;
    }
    painter.setFont(m_font);
}

void CGridPrinter::PrintPage(QPainter& painter, int page, int pageCount, int pagesBefore)
{
    painter.save();
    painter.translate(m_rectDraw.topLeft());
    painter.setFont(m_font);
    QPen pen(Qt::black);
    pen.setWidthF(0);
    painter.setPen(pen);

    DrawHeading(painter);
    QRectF footer(0, m_rectDraw.height() - m_dRowHeight, m_rectDraw.width(), m_dRowHeight);
    painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom,
                     tr("Page %1 of %2").arg(pagesBefore + page).arg(pageCount));

    painter.translate(0, m_dRowHeight);
    painter.scale(m_dScale, m_dScale);
    double y = 0;
    for (int r = 0; r < m_nHeaderRows && r < static_cast<int>(m_arCells.size()); ++r, y += m_dRowHeight)
        DrawRow(painter, r, y);
    int first = m_nHeaderRows + (page - 1) * m_nRowsPerPage;
    int last = std::min(static_cast<int>(m_arCells.size()), first + m_nRowsPerPage);
    for (int r = first; r < last; ++r, y += m_dRowHeight)
        DrawRow(painter, r, y);
    painter.restore();
}
