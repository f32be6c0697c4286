// Asking the jobs' questions one after the other.
#include "ui/transfer/CJobQuestions.h"

#include "job/CUnitJob.h"
#include "model/CDataSheet.h"
#include "model/IMessagePrompt.h"
#include "ui/checks/CheckTexts.h"
#include "ui/common/CoreTranslation.h"
#include "ui/common/QtText.h"

#include <QStringList>

#include <algorithm>
#include <utility>

namespace {

constexpr size_t CELLS_LISTED = 12;

// The cells the question names, those of its findings too, to be marked in the grids.
std::vector<CellDifference> MarkedCells(const JobQuestion& question)
{
    std::vector<CellDifference> cells = question.cells;
    for (const Finding& finding : question.findings) {
        CellDifference cell;
        cell.sheet = finding.cell.sheet;
        cell.row = finding.cell.row;
        cell.col = finding.cell.col;
        cells.push_back(cell);
    }
    return cells;
}

}  // namespace

CJobQuestions::CJobQuestions(IMessagePrompt& prompt, QObject* parent) : QObject(parent), m_prompt(prompt) {}

QString CJobQuestions::FindingsQuestion(const JobQuestion& question)
{
    QStringList lines;
    const std::vector<CellDifference>& cells = question.cells;
    if (!cells.empty()) {
        QString count = cells.size() == 1 ? tr("1 cell") : tr("%1 cells").arg(cells.size());
        lines << tr("The unit cannot hold %1 as this set-up shows them (marked in the sheets); after the upload it "
                    "holds:")
                     .arg(count);
        for (size_t i = 0; i < cells.size() && i < CELLS_LISTED; ++i) {
            const CellDifference& cell = cells[i];
            // A General row is named by its label alone: its one column holds every value.
            QString where = q4ui::TrHeading(q4ui::ToQString(cell.channel)).simplified();
            if (cell.sheet != 0)
                where += QLatin1Char(' ') + q4ui::TrHeading(q4ui::ToQString(cell.column)).simplified();
            lines << tr("%1 %2: \"%3\" as \"%4\"")
                         .arg(q4ui::TrSheet(cell.sheetTitle), where, q4ui::ToQString(cell.textA),
                              q4ui::ToQString(cell.textB));
        }
        if (cells.size() > CELLS_LISTED)
            lines << tr("... and %1 more.").arg(cells.size() - CELLS_LISTED);
    }
    const std::vector<Finding>& findings = question.findings;
    if (!findings.empty()) {
        if (!lines.isEmpty())
            lines << QString();
        lines << tr("The checks find %1 in this set-up (marked in the sheets):").arg(q4ui::CountText(CountFindings(findings)));
        for (size_t i = 0; i < findings.size() && i < CELLS_LISTED; ++i)
            lines << QStringLiteral("%1: %2").arg(q4ui::SeverityText(findings[i].severity), q4ui::TrFinding(findings[i]));
        if (findings.size() > CELLS_LISTED)
            lines << tr("... and %1 more.").arg(findings.size() - CELLS_LISTED);
    }
    lines << QString() << tr("Upload anyway?");
    return lines.join(QLatin1Char('\n'));
}

QString CJobQuestions::DeviceQuestion(const JobQuestion& question, const QString& setupName, const QString& unit)
{
    const QString port = QString::fromStdString(question.port);
    if (!unit.isEmpty())
        return tr("The unit on %1 is device %2; the file of %3 is for device %4. Upload anyway?")
            .arg(port)
            .arg(question.unitDevice)
            .arg(unit)
            .arg(question.setupDevice);
    return tr("The unit on %1 is device %2; %3 is for device %4. Upload anyway?")
        .arg(port)
        .arg(question.unitDevice)
        .arg(setupName)
        .arg(question.setupDevice);
}

void CJobQuestions::Ask(CUnitJob* job, JobQuestion question, QString setupName, QString unit, bool markCells)
{
    m_pending.push_back({job, std::move(question), std::move(setupName), std::move(unit), markCells});
    AskNext();
}

void CJobQuestions::Tell(const QString& text)
{
    JobQuestion message;
    message.message = q4ui::ToCp1252(text);
    m_pending.push_back({nullptr, std::move(message), QString(), QString(), false});
    AskNext();
}

void CJobQuestions::Forget(CUnitJob* job)
{
    std::erase_if(m_pending, [job](const Pending& pending) { return pending.job == job; });
    if (m_asking == job)
        m_asking = nullptr;
}

// One question at a time: a question that comes while one is open waits for it to close.
void CJobQuestions::AskNext()
{
    while (!m_busy && !m_pending.empty()) {
        Pending next = std::move(m_pending.front());
        m_pending.pop_front();
        m_busy = true;
        if (!next.job) {
            m_prompt.Show(next.question.message, IMessagePrompt::BTN_OK, true);
            m_busy = false;
            continue;
        }
        m_asking = next.job;
        QString text;
        if (next.question.kind == JobQuestion::Kind::Findings) {
            text = FindingsQuestion(next.question);
            if (!next.unit.isEmpty())
                text = next.unit + QStringLiteral(": ") + text;
            if (next.markCells)
                emit cellsMarked(MarkedCells(next.question));
        } else if (next.question.kind == JobQuestion::Kind::OtherDevice) {
            text = DeviceQuestion(next.question, next.setupName, next.unit);
        } else {
            text = q4ui::TrCore(next.question.message);
        }
        const bool yes = m_prompt.Show(q4ui::ToCp1252(text), IMessagePrompt::BTN_YES_NO, true) == IMessagePrompt::IDOK;
        if (next.question.kind == JobQuestion::Kind::Findings && next.markCells)
            emit cellsMarked({});
        m_busy = false;
        // Forgotten while the question was open: its job is gone.
        if (CUnitJob* answered = std::exchange(m_asking, nullptr))
            answered->Answer(yes);
    }
}
