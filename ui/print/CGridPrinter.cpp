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
    : m_headerRows(grid.GetFixedRowCount()),
      m_headerCols(grid.GetFixedColumnCount()),
      m_font(grid.font()),
      m_screenDpi(std::max(1, grid.logicalDpiX()))
{
    // A printout shows every text whole: a column is at least as wide as its widest text.
    QFontMetricsF fm(m_font, &grid);
    if (cols <= 0 || cols > grid.GetColumnCount())
        cols = grid.GetColumnCount();
    for (int c = 0; c < cols; ++c)
        m_colWidths.push_back(grid.GetColumnWidth(c));
    for (int r = 0; r < grid.GetRowCount(); ++r) {
        std::vector<Cell> row;
        for (int c = 0; c < cols; ++c) {
            // Paper keeps light colours whatever the desktop's.
            CellLook look = grid.GetItemLook(r, c);
            QColor background = look == CellLook::Plain ? QColor() : q4ui::CellBackground(look, q4ui::PaperPalette());
            row.push_back({grid.GetItemText(r, c), background});
            double needed = std::ceil(fm.horizontalAdvance(row.back().text) + 2 * fm.averageCharWidth());
            m_colWidths[static_cast<size_t>(c)] = std::max(m_colWidths[static_cast<size_t>(c)], needed);
        }
        m_cells.push_back(std::move(row));
    }
}

void CGridPrinter::SetHeading(const QString& document, const QString& sheet, const QDate& date)
{
    m_document = document;
    m_sheet = sheet;
    m_date = date.toString(Qt::ISODate);
}

int CGridPrinter::Paginate(QPainter& painter, const QRect& rectDraw)
{
    m_rectDraw = rectDraw;
    QPaintDevice* device = painter.device();
    double deviceDpi = device ? device->logicalDpiX() : m_screenDpi;
    double toDevice = deviceDpi / m_screenDpi;

    m_colX.assign(1, 0.0);
    for (double w : m_colWidths)
        m_colX.push_back(m_colX.back() + w * toDevice);
    double tableWidth = m_colX.back();
    m_scale = tableWidth > rectDraw.width() && tableWidth > 0 ? rectDraw.width() / tableWidth : 1.0;

    QFontMetricsF fm(m_font, device);
    m_rowHeight = std::ceil(fm.height() * 1.5);
    // Heading and footer keep the font's size on every sheet; only the table is scaled to the width.
    double tableHeight = (rectDraw.height() - 2 * m_rowHeight) / m_scale;
    double bodyHeight = tableHeight - m_rowHeight * m_headerRows;
    m_rowsPerPage = std::max(1, static_cast<int>(bodyHeight / m_rowHeight));

    int dataRows = std::max(0, static_cast<int>(m_cells.size()) - m_headerRows);
    return std::max(1, (dataRows + m_rowsPerPage - 1) / m_rowsPerPage);
}

void CGridPrinter::DrawRow(QPainter& painter, int row, double y)
{
    QFontMetricsF fm(painter.font(), painter.device());
    double pad = fm.averageCharWidth() / 2;
    for (size_t c = 0; c < m_colWidths.size(); ++c) {
        QRectF cell(m_colX[c], y, m_colX[c + 1] - m_colX[c], m_rowHeight);
        const Cell& data = m_cells[static_cast<size_t>(row)][c];
        bool fixed = row < m_headerRows || static_cast<int>(c) < m_headerCols;
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
        {m_document, Qt::AlignLeft}, {m_sheet, Qt::AlignHCenter}, {m_date, Qt::AlignRight}};
    double left = 0;
    for (const auto& [text, alignment] : parts) {
        QRectF box(left, 0, third, m_rowHeight);
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
    QRectF footer(0, m_rectDraw.height() - m_rowHeight, m_rectDraw.width(), m_rowHeight);
    painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom,
                     tr("Page %1 of %2").arg(pagesBefore + page).arg(pageCount));

    painter.translate(0, m_rowHeight);
    painter.scale(m_scale, m_scale);
    double y = 0;
    for (int r = 0; r < m_headerRows && r < static_cast<int>(m_cells.size()); ++r, y += m_rowHeight)
        DrawRow(painter, r, y);
    int first = m_headerRows + (page - 1) * m_rowsPerPage;
    int last = std::min(static_cast<int>(m_cells.size()), first + m_rowsPerPage);
    for (int r = first; r < last; ++r, y += m_rowHeight)
        DrawRow(painter, r, y);
    painter.restore();
}
