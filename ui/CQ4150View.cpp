// The grid view of a setup type: building and refreshing the grid from the sheet, the edit and
// pop-up paths, the clipboard commands and printing.
#include "ui/CQ4150View.h"

#include "model/IMessagePrompt.h"
#include "model/INordaSetupType.h"
#include "model/StringTable.h"
#include "ui/CPrintJob.h"
#include "ui/CPropertyDlg.h"
#include "ui/CQ4150Doc.h"
#include "ui/CZTGridCtrl.h"
#include "ui/QtText.h"

#include <QDate>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QVBoxLayout>

namespace {

const char* const g_strPasteError = "Erroneous values have been detected. Appropriate values will be used.";

}  // namespace

CQ4150View::CQ4150View(CQ4150Doc& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc)
{
    m_pGrid = new CZTGridCtrl(this);
    m_pGrid->setObjectName(QStringLiteral("grid500"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pGrid);
    setFocusProxy(m_pGrid);
    connect(m_pGrid, &CZTGridCtrl::beginEdit, this, &CQ4150View::OnBeginEdit);
    connect(m_pGrid, &CZTGridCtrl::endEdit, this, &CQ4150View::OnEndEdit);
    connect(m_pGrid, &CZTGridCtrl::pasteFinished, this, &CQ4150View::OnPasteFinished);
}

// ---- building and refreshing ---------------------------------------------------------------

void CQ4150View::InitalizeView(int index)
{
    m_nSetupIndex = index;
    const std::vector<INordaSetupType*> setups = m_doc.GetNdSetup();
    m_pSetupType = index >= 0 && index < static_cast<int>(setups.size()) ? setups[static_cast<size_t>(index)] : nullptr;

    CDataSheet* sheet = m_pSetupType ? m_pSetupType->m_pDataSheet.get() : nullptr;
    if (sheet) {
        int rows = m_pSetupType->GetNumChannels();
        int cols = sheet->GetNumCells(0);
        m_pGrid->SetRowCount(rows);
        m_pGrid->SetColumnCount(cols);
        m_pGrid->SetFixedRowCount(1);
        m_pGrid->SetFixedColumnCount(1);
        m_pGrid->SetRowResize(0);
        UpdateAllRows();
        int minWidth = 6 * fontMetrics().averageCharWidth();
        for (int c = 0; c < cols; ++c) {
            m_pGrid->AutoSizeColumn(c);
            if (m_pGrid->GetColumnWidth(c) < minWidth)
                m_pGrid->SetColumnWidth(c, minWidth);
        }
    }
    m_pGrid->SetFocusCell(1, 1);
}

void CQ4150View::UpdateChannelView(int row)
{
    CDataSheet* sheet = m_pSetupType ? m_pSetupType->m_pDataSheet.get() : nullptr;
    CSection* section = sheet ? sheet->GetSection(row) : nullptr;
    if (!section)
        return;
    int cols = std::min(static_cast<int>(section->size()), m_pGrid->GetColumnCount());
    for (int c = 0; c < cols; ++c) {
        const CNdChnData* cell = (*section)[static_cast<size_t>(c)].get();
        if (!cell)
            continue;
        m_pGrid->SetTextLen(row, c, cell->m_nTextLen);
        if (cell->GetData().size() > 1) {
            m_pGrid->SetCellType(row, c, CZTGridCtrl::GRID_CELL_LIST);
            QStringList items;
            for (const std::string& item : cell->GetData())
                items << q4ui::ToQString(item);
            m_pGrid->FillListItems(row, c, items);
        } else {
            m_pGrid->SetCellType(row, c, cell->m_bEditable ? CZTGridCtrl::GRID_CELL_EDIT : CZTGridCtrl::GRID_CELL_READONLY);
        }
        m_pGrid->SetCellDataType(row, c, cell->m_nDataType);
        m_pGrid->SetItemText(row, c, q4ui::ToQString(cell->GetDataAsString()));
        m_pGrid->SetItemBkColour(row, c, cell->m_crBkColour);
    }
}

void CQ4150View::UpdateAllRows()
{
    for (int r = 0; r < m_pGrid->GetRowCount(); ++r)
        UpdateChannelView(r);
    m_pGrid->FitListColumns();
}

void CQ4150View::OnUpdate()
{
    UpdateAllRows();
    m_pGrid->SetFocusCell(1, 1);
}

void CQ4150View::OnActivateView(bool activate)
{
    if (activate)
        UpdateAllRows();
    m_bActive = activate ? 1 : 0;
}

// ---- the edit path -------------------------------------------------------------------------

void CQ4150View::OnBeginEdit(int row, int col)
{
    OnNotify(CZTGridCtrl::GVN_BEGINEDIT, row, col);
}

void CQ4150View::OnEndEdit(int row, int col)
{
    OnNotify(CZTGridCtrl::GVN_ENDEDIT, row, col);
}

bool CQ4150View::IsPasteRunning() const
{
    return m_bPasting || m_pGrid->GetPastMode();
}

void CQ4150View::OnNotify(int code, int row, int col)
{
    if (!m_bReady || !m_pSetupType)
        return;
    CNdChnData* cell = m_pSetupType->GetProperty(row, col);
    if (!cell)
        return;  // a row or column the sheet does not have
    std::string text = q4ui::ToCp1252(m_pGrid->GetItemText(row, col));
    bool popup = cell->m_nStyle == CTRL_POPUP;

    if (code == CZTGridCtrl::GVN_ENDEDIT) {
        if (popup)
            OnNotifyPopup(code, row, col);
        if (!m_pSetupType->ValidateData(row, col, text)) {
            if (!IsPasteRunning()) {
                m_doc.GetPrompt().Show(LoadString(static_cast<unsigned>(m_pSetupType->GetLastError())),
                                       IMessagePrompt::BTN_OK, false);
            } else {
                // Only refusals on rows in use count; a row whose first value is "OFF" is not.
                bool inUse = col == 1 ? text != "OFF" : m_pSetupType->GetCellText(row, 1) != "OFF";
                if (inUse)
                    m_bPasteError = 1;
            }
        }
        UpdateAllRows();
    } else if (code == CZTGridCtrl::GVN_BEGINEDIT && popup) {
        OnNotifyPopup(code, row, col);
    }
    m_doc.SetModifiedFlag(true);
}

void CQ4150View::OnNotifyPopup(int code, int row, int col)
{
    PropList props;
    if (code == CZTGridCtrl::GVN_BEGINEDIT) {
        if (!m_pSetupType->GetPopupProperties(row, col, props))
            return;
        if (m_pGrid->GetPastMode() || props.empty() || m_bPopupOpen)
            return;
        CPropertyDlg dlg(window());
        dlg.SetProperties(props);
        m_bPopupOpen = 1;
        if (dlg.exec() == QDialog::Accepted)
            m_pSetupType->UpdateProperties(row, col, props);
        m_bPopupOpen = 0;
        props.clear();
        UpdateChannelView(row);
    } else if (code == CZTGridCtrl::GVN_ENDEDIT && m_pGrid->GetPastMode()) {
        if (!m_pSetupType->GetPopupProperties(row, col, props))
            return;
        // A pasted pop-up cell holds the initials of the properties that are on.
        std::string initials = q4ui::ToCp1252(m_pGrid->GetItemText(row, col));
        size_t p = 0;
        for (char ch : initials) {
            while (p < props.size()) {
                const std::string& name = props[p]->GetName();
                bool match = !name.empty() && name[0] == ch;
                props[p++]->SetSelText(match ? "ON" : "OFF");
                if (match)
                    break;
            }
        }
        m_pSetupType->UpdateProperties(row, col, props);
    }
}

// ---- clipboard commands --------------------------------------------------------------------

void CQ4150View::OnEditCopyEx()
{
    m_pGrid->OnEditCopy();
}

void CQ4150View::OnEditCutEx()
{
    m_pGrid->OnEditCopy();
    if (!m_pSetupType)
        return;
    int first, last, minCol, maxCol;
    if (m_pGrid->GetSelRange(first, last, minCol, maxCol)) {
        for (int row = std::max(first, 1); row <= last && row < m_pSetupType->GetNumChannels(); ++row)
            m_pSetupType->ResetChannel(row);
        m_doc.SetModifiedFlag(true);
    }
    UpdateAllRows();
}

void CQ4150View::OnEditPasteEx()
{
    m_bPasting = 1;
    m_pGrid->OnEditPaste();
    ReportPasteError();
    m_bPasting = 0;
    m_bPasteError = 0;
}

// A paste started by the grid itself (the Edit menu) reports its refusals here.
void CQ4150View::OnPasteFinished()
{
    if (!m_bPasting)
        ReportPasteError();
}

void CQ4150View::ReportPasteError()
{
    if (m_bPasteError)
        m_doc.GetPrompt().Show(g_strPasteError, IMessagePrompt::BTN_OK, false);
    m_bPasteError = 0;
}

void CQ4150View::OnEditSelectall()
{
    m_pGrid->OnEditSelectAll();
}

// ---- printing ------------------------------------------------------------------------------

void CQ4150View::OnFilePrintPreview(QPrinter& printer)
{
    QPrintPreviewDialog preview(&printer, window());
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        CPrintJob job(m_doc.GetTitle(), QDate::currentDate());
        AddToPrintJob(job);
        job.Print(*target);
    });
    preview.exec();
}

void CQ4150View::AddToPrintJob(CPrintJob& job) const
{
    if (m_pSetupType)
        job.AddSheet(*m_pGrid, m_pSetupType->m_nPrintCols, q4ui::ToQString(m_pSetupType->m_strTitle));
}
