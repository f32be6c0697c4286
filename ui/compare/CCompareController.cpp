// Compare with File, Compare with Unit and Verify Unit: the other side, its differences, the
// marks in the grids and taking texts over from it.
#include "ui/compare/CCompareController.h"

#include "compare/CSetupComparison.h"
#include "compare/CSetupTyping.h"
#include "compare/CUnitVerification.h"
#include "model/CDocumentFile.h"
#include "model/IMessagePrompt.h"
#include "setup/alarms/CAlarm.h"
#include "ui/common/CoreTranslation.h"
#include "unit/CQ4kUnit.h"
#include "unit/CUnitImage.h"
#include "ui/compare/CCompareDlg.h"
#include "ui/document/CDocManager.h"
#include "ui/document/IFrame.h"
#include "ui/document/CQ4150Doc.h"
#include "ui/document/CQ4150View.h"
#include "ui/common/CQtMessagePrompt.h"
#include "ui/grid/CSheetModel.h"
#include "ui/transfer/CTransferController.h"
#include "ui/grid/CZTGridCtrl.h"
#include "ui/common/CommandTable.h"
#include "ui/common/QtText.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>
#include <map>
#include <set>

namespace {

constexpr size_t MAX_REFUSALS_LISTED = 20;

QString Cells(size_t n)
{
    return n == 1 ? CCompareController::tr("1 cell") : CCompareController::tr("%1 cells").arg(n);
}

QString Blocks(size_t n)
{
    return n == 1 ? CCompareController::tr("1 block") : CCompareController::tr("%1 blocks").arg(n);
}

// The grid column of a difference: a flag's is its row's Flags cell.
int GridColumn(const CellDifference& difference)
{
    return difference.flag ? CAlarm::COL_FLAGS : difference.col;
}

}  // namespace

CCompareController::CCompareController(IFrame& frame)
    : m_frame(frame)
{
}

void CCompareController::DocumentChanged()
{
    if (GetDialog())
        Refresh();
}

CCompareController::~CCompareController()
{
    // The window goes with the frame: its closing is no change of the grids any more.
    if (m_dlg)
        m_dlg->disconnect(this);
}

CCompareDlg* CCompareController::GetDialog() const
{
    return m_fileUnit || m_held ? m_dlg.get() : nullptr;
}

const CQ4kUnit* CCompareController::OtherUnit() const
{
    if (m_fileUnit)
        return m_fileUnit.get();
    return m_verification ? &m_verification->GetHeldUnit() : nullptr;
}

// ---- the commands ---------------------------------------------------------------------------

void CCompareController::OnCompareWithFile()
{
    const CQ4150Doc& doc = m_frame.GetDocument();
    QString start = doc.GetPathName().isEmpty() ? QString() : QFileInfo(doc.GetPathName()).absolutePath();
    QString path = QFileDialog::getOpenFileName(&m_frame.Window(), tr("Compare with File"), start,
                                                CDocManager::FileFilter());
    if (!path.isEmpty())
        CompareWithFile(path);
}

bool CCompareController::CompareWithFile(const QString& path)
{
    std::unique_ptr<CQ4kUnit> unit = m_frame.GetDocument().CreateScratchUnit();
    if (q4::Status loaded = CDocumentFile().Load(*unit, path.toStdString()); !loaded) {
        QString reason = q4ui::TrCore(loaded.Reason());
        if (!reason.isEmpty())
            reason[0] = reason[0].toUpper();
        QMessageBox::warning(&m_frame.Window(), CQtMessagePrompt::Caption(),
                             tr("The set-up cannot be compared with %1: the file cannot be read.\n%2")
                                 .arg(QFileInfo(path).fileName(), reason));
        return false;
    }
    m_held.reset();
    m_fileUnit = std::move(unit);
    Open(QFileInfo(path).fileName());
    return true;
}

void CCompareController::OnCompareWithUnit()
{
    m_frame.GetTransfers().ReadUnit([this](const CUnitImage& held) { CompareWithUnit(held, false); });
}

void CCompareController::OnVerifyUnit()
{
    m_frame.GetTransfers().ReadUnit([this](const CUnitImage& held) { CompareWithUnit(held, true); }, true);
}

void CCompareController::CompareWithUnit(const CUnitImage& held, bool verify)
{
    if (verify) {
        // Told first; the comparison opens only when there are cells to show.
        CUnitVerification verification(*m_frame.GetDocument().GetUnit(), held);
        m_frame.GetDocument().GetPrompt().Show(q4ui::ToCp1252(Verdict(verification)), IMessagePrompt::BTN_OK,
                                               !verification.UnitHoldsSetup());
        if (verification.GetDifferences().empty())
            return;
    }
    m_fileUnit.reset();
    m_held = std::make_unique<CUnitImage>(held);
    Open(tr("Unit"));
}

// ---- the window -----------------------------------------------------------------------------

void CCompareController::Open(const QString& other)
{
    m_other = other;
    if (!m_dlg) {
        m_dlg = std::make_unique<CCompareDlg>(&m_frame.Window());
        connect(m_dlg.get(), &QDialog::finished, this, &CCompareController::OnClosed);
        connect(m_dlg.get(), &CCompareDlg::differenceActivated, this, [this](int index) {
            if (index >= 0 && static_cast<size_t>(index) < m_differences.size())
                ShowDifference(m_differences[static_cast<size_t>(index)]);
        });
        connect(m_dlg.get(), &CCompareDlg::takeSheet, this, &CCompareController::Take);
        connect(m_dlg.get(), &CCompareDlg::takeAll, this, [this] { Take(-1); });
        // Undo and Redo work over the window too, as a take is undone from there.
        m_dlg->addAction(m_frame.GetAction(ID_EDIT_UNDO));
        m_dlg->addAction(m_frame.GetAction(ID_EDIT_REDO));
        // Into the main window's lower right corner, off the sheets' first columns; where the
        // user moves it, it opens the next time.
        QRect frame = m_frame.Window().frameGeometry();
        QRect area = m_frame.Window().screen() ? m_frame.Window().screen()->availableGeometry() : frame;
        QPoint corner(frame.right() - m_dlg->width() - 24, frame.bottom() - m_dlg->height() - 110);
        m_dlg->move(std::clamp(corner.x(), area.left(), std::max(area.left(), area.right() - m_dlg->width())),
                     std::clamp(corner.y(), area.top(), std::max(area.top(), area.bottom() - m_dlg->height())));
    }
    Refresh();
    m_dlg->show();
    m_dlg->raise();
    m_dlg->activateWindow();
}

void CCompareController::OnClosed()
{
    m_fileUnit.reset();
    m_held.reset();
    m_verification.reset();
    m_differences.clear();
    MarkCells(m_differences);
}

QString CCompareController::Verdict(const CUnitVerification& verification)
{
    if (verification.UnitHoldsSetup())
        return tr("The unit holds this set-up.");
    if (size_t cells = verification.GetDifferences().size())
        return tr("The unit differs from this set-up in %1.").arg(Cells(cells));
    return tr("The unit differs from this set-up in %1, though in no cell the sheets show.")
        .arg(Blocks(verification.GetBlocksDiffering().size()));
}

QString CCompareController::Summary() const
{
    size_t cells = m_differences.size();
    QString text = m_verification ? Verdict(*m_verification)
                   : cells == 0    ? tr("This set-up and %1 do not differ.").arg(m_other)
                                   : tr("This set-up differs from %1 in %2.").arg(m_other, Cells(cells));
    if (cells)
        text += QLatin1Char(' ') + tr("The cells are marked in the sheets; double-click one to show it.");
    return text;
}

void CCompareController::Compute()
{
    CQ4kUnit& document = *m_frame.GetDocument().GetUnit();
    m_verification.reset();
    if (m_fileUnit) {
        m_differences = CSetupComparison::Compare(document, *m_fileUnit);
    } else if (m_held) {
        m_verification = std::make_unique<CUnitVerification>(document, *m_held);
        m_differences = m_verification->GetDifferences();
    } else {
        m_differences.clear();
    }
}

void CCompareController::Refresh()
{
    // The set-up belongs to a running transfer until it ends.
    if (!GetDialog() || m_frame.IsTransferring())
        return;
    Compute();
    m_dlg->SetDifferences(m_differences, m_other, Summary());
    MarkCells(m_differences);
}

void CCompareController::MarkOthers(const std::vector<CellDifference>& cells)
{
    MarkCells(cells.empty() ? m_differences : cells);
}

void CCompareController::MarkCells(const std::vector<CellDifference>& cells)
{
    std::map<int, std::set<std::pair<int, int>>> marked;
    for (const CellDifference& difference : cells)
        marked[difference.sheet].insert({difference.row, GridColumn(difference)});
    for (int page = 0; page < m_frame.GetViewCount(); ++page) {
        CQ4150View* view = m_frame.GetQ4View(page);
        if (CSheetModel* model = view->GetModel())
            model->SetMarkedCells(marked[view->m_nSetupIndex]);
    }
}

// ---- showing and taking ---------------------------------------------------------------------

void CCompareController::ShowDifference(const CellDifference& difference)
{
    if (difference.sheet < 0 || difference.sheet >= m_frame.GetViewCount())
        return;
    m_frame.SetActiveView(difference.sheet);
    CZTGridCtrl* grid = m_frame.GetQ4View(difference.sheet)->GetGrid();
    // A cell the grid does not show (General's spare rows) leaves the sheet shown.
    QModelIndex index = grid->IndexAt(difference.row, GridColumn(difference));
    if (index.isValid()) {
        grid->SetFocusCell(difference.row, GridColumn(difference));
        grid->scrollTo(index);
    }
    m_frame.Window().activateWindow();
    grid->setFocus();
}

void CCompareController::Take(int sheet)
{
    if (!GetDialog() || m_frame.IsTransferring())
        return;
    // An open editor's text becomes a step of its own first.
    if (CQ4150View* view = m_frame.GetActiveQ4View())
        view->GetGrid()->EndEditing();
    const CQ4kUnit* other = OtherUnit();
    CQ4kUnit& document = *m_frame.GetDocument().GetUnit();
    if (!other)
        return;
    QString what = sheet < 0 ? tr("All") : q4ui::TrSheet(document.GetSetupType(sheet)->m_strTitle);
    // The set-up keeps its own spelling where the other side's says the same to the unit.
    std::vector<TypingRefusal> refusals =
        CSetupTyping::Type(document, CSetupTyping::TextsOf(*other, sheet), Spelling::Own);
    // Recorded and shown as one step; the comparison follows through viewsUpdated.
    emit setupTaken(tr("Take %1 from %2").arg(what, m_other));
    // Refused are the cells that still differ: a text held in the set-up's own way (the unit's
    // " 0" typed as "0") was taken.
    std::erase_if(refusals, [this](const TypingRefusal& refusal) {
        return std::none_of(m_differences.begin(), m_differences.end(), [&refusal](const CellDifference& d) {
            return d.sheet == refusal.cell.sheet && d.row == refusal.cell.row && d.col == refusal.cell.col
                   && d.flag == refusal.cell.flag;
        });
    });
    if (!refusals.empty())
        m_frame.GetDocument().GetPrompt().Show(q4ui::ToCp1252(RefusalsText(refusals)), IMessagePrompt::BTN_OK, true);
}

// One line a cell: where it is, the text it did not take, why, and what it holds.
QString CCompareController::RefusalsText(const std::vector<TypingRefusal>& refusals) const
{
    const CQ4kUnit& document = *m_frame.GetDocument().GetUnit();
    QStringList lines;
    lines << tr("%1 did not take the text of %2:").arg(Cells(refusals.size()), m_other);
    for (size_t i = 0; i < refusals.size() && i < MAX_REFUSALS_LISTED; ++i) {
        const TypingRefusal& refusal = refusals[i];
        const CellText& cell = refusal.cell;
        const CNordaSetupType* type = document.GetSetupType(cell.sheet);
        const CNdChnData* flag = cell.flag ? CSetupComparison::GetFlagCell(document, cell.row, cell.col) : nullptr;
        std::string column = cell.flag ? (flag ? flag->GetName() : std::string()) : type->GetCellText(0, cell.col);
        QString line = tr("%1 %2 %3: \"%4\" not taken, holds \"%5\"")
                           .arg(q4ui::TrSheet(type->m_strTitle), q4ui::TrHeading(q4ui::ToQString(type->GetCellText(cell.row, 0))).trimmed(),
                                q4ui::TrHeading(q4ui::ToQString(column)).trimmed(), q4ui::ToQString(cell.text), q4ui::ToQString(refusal.kept));
        QString message = q4ui::TrCore(refusal.message).simplified();
        if (!message.isEmpty())
            line += QStringLiteral(" (%1)").arg(message);
        lines << line;
    }
    if (refusals.size() > MAX_REFUSALS_LISTED)
        lines << tr("... and %1 more.").arg(refusals.size() - MAX_REFUSALS_LISTED);
    return lines.join(QLatin1Char('\n'));
}
