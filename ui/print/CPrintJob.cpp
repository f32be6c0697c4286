// A print job of sheets and findings: pagination of all of them first, then their pages in one run.
#include "ui/print/CPrintJob.h"

#include "model/StringTable.h"
#include "ui/common/CoreTranslation.h"
#include "ui/common/QtText.h"

#include <QPainter>
#include <QPrinter>

#include <numeric>

CPrintJob::CPrintJob(const QString& document, const QDate& date)
    : m_document(document), m_date(date)
{
}

void CPrintJob::AddSheet(const CZTGridCtrl& grid, int cols, const QString& sheet)
{
    m_sheets.emplace_back(grid, cols);
    m_sheets.back().SetHeading(m_document, sheet, m_date);
}

void CPrintJob::AddFindings(std::vector<CFindingsPrinter::Row> rows, const QFont& font)
{
    m_findings.emplace(std::move(rows), font);
    m_findings->SetHeading(m_document, m_date);
}

bool CPrintJob::Print(QPrinter& printer)
{
    printer.setDocName(q4ui::TrCore(LoadString(57344)));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    bool ok = PrintPages(painter, printer);
    if (!ok)
        printer.abort();
    painter.end();
    return ok;
}

bool CPrintJob::PrintPages(QPainter& painter, QPagedPaintDevice& device)
{
    // The footer names the job's last page, so no page is drawn before every sheet is laid out.
    QRect rectDraw(0, 0, device.width(), device.height());
    std::vector<int> pageCounts;
    for (CGridPrinter& sheet : m_sheets)
        pageCounts.push_back(sheet.Paginate(painter, rectDraw));
    const int findingPages = m_findings ? m_findings->Paginate(painter, rectDraw) : 0;
    int jobPages = std::accumulate(pageCounts.begin(), pageCounts.end(), 0) + findingPages;

    int pagesBefore = 0;
    for (size_t s = 0; s < m_sheets.size(); ++s) {
        for (int page = 1; page <= pageCounts[s]; ++page) {
            if (pagesBefore + page > 1 && !device.newPage())
                return false;
            m_sheets[s].PrintPage(painter, page, jobPages, pagesBefore);
        }
        pagesBefore += pageCounts[s];
    }
    for (int page = 1; page <= findingPages; ++page) {
        if (pagesBefore + page > 1 && !device.newPage())
            return false;
        m_findings->PrintPage(painter, page, jobPages, pagesBefore);
    }
    return true;
}
