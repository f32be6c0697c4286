// The questions before an upload.
#include "ui/CUploadGuard.h"

#include "compare/CSetupComparison.h"
#include "model/IMessagePrompt.h"
#include "ui/CQ4150Doc.h"
#include "ui/QtText.h"
#include "unit/CQ4kUnit.h"

#include <QStringList>

namespace {

constexpr size_t CELLS_LISTED = 12;

}  // namespace

CUploadGuard::CUploadGuard(CQ4150Doc& doc, Marker mark)
    : m_doc(doc), m_mark(std::move(mark))
{
}

QString CUploadGuard::CellsQuestion(const std::vector<CellDifference>& cells)
{
    QStringList lines;
    QString count = cells.size() == 1 ? tr("1 cell") : tr("%1 cells").arg(cells.size());
    lines << tr("The unit cannot hold %1 as this set-up shows them (marked in the sheets); after the upload it "
                "holds:")
                 .arg(count);
    for (size_t i = 0; i < cells.size() && i < CELLS_LISTED; ++i) {
        const CellDifference& cell = cells[i];
        // A General row is named by its label alone: its one column holds every value.
        QString where = q4ui::ToQString(cell.channel).simplified();
        if (cell.sheet != ST_GENERAL)
            where += QLatin1Char(' ') + q4ui::ToQString(cell.column).simplified();
        lines << tr("%1 %2: \"%3\" as \"%4\"")
                     .arg(q4ui::ToQString(cell.sheetTitle), where, q4ui::ToQString(cell.textA),
                          q4ui::ToQString(cell.textB));
    }
    if (cells.size() > CELLS_LISTED)
        lines << tr("... and %1 more.").arg(cells.size() - CELLS_LISTED);
    lines << QString() << tr("Upload anyway?");
    return lines.join(QLatin1Char('\n'));
}

bool CUploadGuard::ConfirmCells() const
{
    std::vector<CellDifference> cells = CSetupComparison::NotHeldExactly(*m_doc.GetUnit());
    if (cells.empty())
        return true;
    m_mark(cells);
    bool upload = m_doc.GetPrompt().Show(q4ui::ToCp1252(CellsQuestion(cells)), IMessagePrompt::BTN_YES_NO, true)
                  == IMessagePrompt::IDOK;
    m_mark({});
    return upload;
}

bool CUploadGuard::ConfirmUnit(const CQ4kUnit& read, const QString& port) const
{
    if (!m_doc.GetUnit()->IsOtherDevice(read))
        return true;
    unsigned long unit = read.GetDeviceNumber();
    unsigned long wanted = m_doc.GetUnit()->GetDeviceNumber();
    QString question = tr("The unit on %1 is device %2; %3 is for device %4. Upload anyway?")
                           .arg(port)
                           .arg(unit)
                           .arg(m_doc.GetTitle())
                           .arg(wanted);
    return m_doc.GetPrompt().Show(q4ui::ToCp1252(question), IMessagePrompt::BTN_YES_NO, true) == IMessagePrompt::IDOK;
}
