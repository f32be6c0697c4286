// Printing of a grid's first columns: takes a copy of the cells, lays them out on the page
// (scaled down when they are wider than the page) and draws one page at a time, the sheet's
// heading and the fixed header row repeated at the top of each page, the page number below.
#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QDate>
#include <QFont>
#include <QRect>
#include <QString>

#include <vector>

class CZTGridCtrl;
class QPainter;

class CGridPrinter {
    Q_DECLARE_TR_FUNCTIONS(CGridPrinter)

public:
    // The first cols columns of the grid; 0 or more than the grid has: all of them.
    CGridPrinter(const CZTGridCtrl& grid, int cols);

    // The line above the table: the document's name, the sheet's name, the day of printing.
    void SetHeading(const QString& document, const QString& sheet, const QDate& date);

    // Lays the cells out on pages of the given rectangle (device pixels); returns the page count.
    int Paginate(QPainter& painter, const QRect& rectDraw);
    // Draws this sheet's page (from 1); the footer numbers it pagesBefore + page of pageCount,
    // the pages of the whole job.
    void PrintPage(QPainter& painter, int page, int pageCount, int pagesBefore = 0);

    int GetRowsPerPage() const { return m_rowsPerPage; }

private:
    struct Cell {
        QString text;
        QColor background;
    };

    void DrawHeading(QPainter& painter) const;
    void DrawRow(QPainter& painter, int row, double y);

    std::vector<std::vector<Cell>> m_cells;
    std::vector<double> m_colWidths;  // in pixels of the grid's screen
    int m_headerRows = 0;
    int m_headerCols = 0;
    QFont m_font;
    int m_screenDpi = 96;
    QString m_document;
    QString m_sheet;
    QString m_date;  // yyyy-MM-dd, whatever the locale

    QRect m_rectDraw;
    double m_scale = 1.0;      // device pixels per layout unit
    double m_rowHeight = 0.0;  // in layout units; also the heading's and footer's height in device pixels
    std::vector<double> m_colX;
    int m_rowsPerPage = 1;
};
