// The printout's page of findings of the set-up checks: a table of severity, channel and what is
// wrong, its long texts wrapped, over as many pages as it needs; "No findings" when there are none.
#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QFont>
#include <QRect>
#include <QString>

#include <array>
#include <vector>

class QPainter;

class CFindingsPrinter {
    Q_DECLARE_TR_FUNCTIONS(CFindingsPrinter)

public:
    using Row = std::array<QString, 3>;  // severity, channel, what

    CFindingsPrinter(std::vector<Row> rows, const QFont& font);

    // The line above the table: the document's name, "Findings", the day of printing.
    void SetHeading(const QString& document, const QDate& date);
    // Lays the rows out on pages of the given rectangle (device pixels); returns the page count.
    int Paginate(QPainter& painter, const QRect& rectDraw);
    // Draws page (from 1), numbered pagesBefore + page of pageCount.
    void PrintPage(QPainter& painter, int page, int pageCount, int pagesBefore = 0);

private:
    double RowHeight(QPainter& painter, const Row& row) const;
    void DrawRow(QPainter& painter, const Row& row, double y, double height, bool bold) const;

    std::vector<Row> m_rows;
    QFont m_font;
    QString m_document;
    QString m_date;
    QRect m_rectDraw;
    double m_lineHeight = 0;
    std::array<double, 3> m_colWidths{};
    std::vector<int> m_firstRowOfPage;  // by page
    std::vector<double> m_rowHeights;
};
