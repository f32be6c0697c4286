// One print job over the sheets of one or more views, and the findings of the set-up checks:
// every part is laid out before the first page is drawn, so that each page carries its heading
// and "Page n of m" over the job.
#pragma once

#include "ui/print/CFindingsPrinter.h"
#include "ui/print/CGridPrinter.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

class CZTGridCtrl;
class QPagedPaintDevice;
class QPainter;
class QPrinter;

class CPrintJob {
public:
    // document: the name the headings show; date: the day of printing, one for the whole job.
    CPrintJob(const QString& document, const QDate& date);

    // The first cols columns of the grid (all of them for 0), headed with the sheet's name.
    void AddSheet(const CZTGridCtrl& grid, int cols, const QString& sheet);
    // The findings of the set-up checks, printed after the sheets.
    void AddFindings(std::vector<CFindingsPrinter::Row> rows, const QFont& font);

    // Prints the sheets in the order added; false when the job could not start or a page failed
    // (the printer's job is then aborted).
    bool Print(QPrinter& printer);

private:
    bool PrintPages(QPainter& painter, QPagedPaintDevice& device);

    QString m_document;
    QDate m_date;
    std::vector<CGridPrinter> m_sheets;
    std::optional<CFindingsPrinter> m_findings;
};
