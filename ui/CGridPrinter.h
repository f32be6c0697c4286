// Printing of a grid's first columns: takes a copy of the cells, lays them out on the page
// (scaled down when they are wider than the page) and draws one page at a time, the fixed
// header row repeated at the top of each page.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <vector>

class CZTGridCtrl;
class QPainter;

class CGridPrinter {
public:
    CGridPrinter(const CZTGridCtrl& grid, int cols);

    // Lays the cells out on pages of the given rectangle (device pixels); returns the page count.
    int Paginate(QPainter& painter, const QRect& rectDraw);
    void PrintPage(QPainter& painter, int page, int pageCount);

    int GetRowsPerPage() const { return m_nRowsPerPage; }

private:
    struct Cell {
        QString text;
        QColor background;
    };

    void DrawRow(QPainter& painter, int row, double y);

    std::vector<std::vector<Cell>> m_arCells;
    std::vector<double> m_arColWidths;  // in pixels of the grid's screen
    int m_nHeaderRows = 0;
    int m_nHeaderCols = 0;
    QFont m_font;
    int m_nScreenDpi = 96;

    QRect m_rectDraw;
    double m_dScale = 1.0;      // device pixels per layout unit
    double m_dRowHeight = 0.0;  // in layout units
    std::vector<double> m_arColX;
    int m_nRowsPerPage = 1;
};
