// Layout and drawing of the findings' pages.
#include "ui/print/CFindingsPrinter.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int TEXT_FLAGS = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

}  // namespace

CFindingsPrinter::CFindingsPrinter(std::vector<Row> rows, const QFont& font) : m_rows(std::move(rows)), m_font(font) {}

void CFindingsPrinter::SetHeading(const QString& document, const QDate& date)
{
    m_document = document;
    m_date = date.toString(Qt::ISODate);
}

double CFindingsPrinter::RowHeight(QPainter& painter, const Row& row) const
{
    QFontMetricsF fm(m_font, painter.device());
    const double pad = fm.averageCharWidth() / 2;
    double height = m_lineHeight;
    for (size_t c = 0; c < row.size(); ++c) {
        const QRectF box(0, 0, m_colWidths[c] - 2 * pad, 1e6);
        height = std::max(height, std::ceil(fm.boundingRect(box, TEXT_FLAGS, row[c]).height() + fm.height() * 0.5));
    }
    return height;
}

int CFindingsPrinter::Paginate(QPainter& painter, const QRect& rectDraw)
{
    m_rectDraw = rectDraw;
    QFontMetricsF fm(m_font, painter.device());
    m_lineHeight = std::ceil(fm.height() * 1.5);
    // Severity and channel as wide as their widest text; what is wrong takes the rest.
    const Row header = {tr("Severity"), tr("Channel"), tr("What")};
    for (size_t c = 0; c < 2; ++c) {
        double widest = fm.horizontalAdvance(header[c]);
        for (const Row& row : m_rows)
            widest = std::max(widest, fm.horizontalAdvance(row[c]));
        m_colWidths[c] = std::ceil(widest + 2 * fm.averageCharWidth());
    }
    m_colWidths[2] = std::max(rectDraw.width() - m_colWidths[0] - m_colWidths[1], rectDraw.width() / 3.0);

    m_rowHeights.clear();
    for (const Row& row : m_rows)
        m_rowHeights.push_back(RowHeight(painter, row));
    // Below the heading and the table's header row, above the footer.
    const double body = rectDraw.height() - 3 * m_lineHeight;
    m_firstRowOfPage.assign(1, 0);
    double used = 0;
    for (size_t r = 0; r < m_rows.size(); ++r) {
        if (used > 0 && used + m_rowHeights[r] > body) {
            m_firstRowOfPage.push_back(static_cast<int>(r));
            used = 0;
        }
        used += m_rowHeights[r];
    }
    return static_cast<int>(m_firstRowOfPage.size());
}

void CFindingsPrinter::DrawRow(QPainter& painter, const Row& row, double y, double height, bool bold) const
{
    QFont font(m_font);
    font.setBold(bold);
    painter.setFont(font);
    QFontMetricsF fm(font, painter.device());
    const double pad = fm.averageCharWidth() / 2;
    double x = 0;
    for (size_t c = 0; c < row.size(); ++c) {
        const QRectF cell(x, y, m_colWidths[c], height);
        if (bold)
            painter.fillRect(cell, QColor(0xE0, 0xE0, 0xE0));
        painter.drawRect(cell);
        painter.drawText(cell.adjusted(pad, fm.height() * 0.25, -pad, 0), TEXT_FLAGS, row[c]);
        x += m_colWidths[c];
    }
    painter.setFont(m_font);
}

void CFindingsPrinter::PrintPage(QPainter& painter, int page, int pageCount, int pagesBefore)
{
    painter.save();
    painter.translate(m_rectDraw.topLeft());
    QPen pen(Qt::black);
    pen.setWidthF(0);
    painter.setPen(pen);
    QFont bold(m_font);
    bold.setBold(true);
    painter.setFont(bold);
    const double third = m_rectDraw.width() / 3.0;
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    const QString parts[] = {m_document, tr("Findings"), m_date};
    for (int i = 0; i < 3; ++i)
        painter.drawText(QRectF(i * third, 0, third, m_lineHeight), alignments[i] | Qt::AlignTop | Qt::TextSingleLine, parts[i]);
    painter.setFont(m_font);
    painter.drawText(QRectF(0, m_rectDraw.height() - m_lineHeight, m_rectDraw.width(), m_lineHeight),
                     Qt::AlignHCenter | Qt::AlignBottom, tr("Page %1 of %2").arg(pagesBefore + page).arg(pageCount));

    double y = m_lineHeight;
    if (m_rows.empty()) {
        painter.drawText(QRectF(0, y, m_rectDraw.width(), m_lineHeight), Qt::AlignLeft | Qt::AlignVCenter, tr("No findings"));
        painter.restore();
        return;
    }
    DrawRow(painter, {tr("Severity"), tr("Channel"), tr("What")}, y, m_lineHeight, true);
    y += m_lineHeight;
    const size_t first = static_cast<size_t>(m_firstRowOfPage.at(static_cast<size_t>(page - 1)));
    const size_t last = static_cast<size_t>(page) < m_firstRowOfPage.size() ? static_cast<size_t>(m_firstRowOfPage[static_cast<size_t>(page)])
                                                                           : m_rows.size();
    for (size_t r = first; r < last; ++r) {
        DrawRow(painter, m_rows[r], y, m_rowHeights[r], false);
        y += m_rowHeights[r];
    }
    painter.restore();
}
