// The grid view of a setup type: building and refreshing the grid from the sheet, the edit and
// pop-up paths, the clipboard commands and printing.
#include "ui/document/CQ4150View.h"

#include "model/HelpTopic.h"
#include "model/IMessagePrompt.h"
#include "model/INordaSetupType.h"
#include "model/StringTable.h"
#include "ui/print/CPrintJob.h"
#include "ui/document/CPropertyDlg.h"
#include "ui/document/CQ4150Doc.h"
#include "ui/grid/CSheetModel.h"
#include "ui/grid/CZTGridCtrl.h"
#include "ui/common/CoreTranslation.h"
#include "ui/common/QtText.h"

#include <QDate>
#include <QKeyEvent>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QVBoxLayout>

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

CQ4150View::~CQ4150View() = default;

// ---- building and refreshing ---------------------------------------------------------------

void CQ4150View::InitalizeView(int index)
{
    m_nSetupIndex = index;
    const std::vector<INordaSetupType*> setups = m_doc.GetNdSetup();
    INordaSetupType* type = index >= 0 && index < static_cast<int>(setups.size()) ? setups[static_cast<size_t>(index)] : nullptr;
    // A screen reader names the grid after its sheet.
    m_pGrid->setAccessibleName(type ? q4ui::TrSheet(type->m_strTitle) : QString());
    if (type != m_pSetupType) {
        m_pSetupType = type;
        std::unique_ptr<CSheetModel> model = type ? std::make_unique<CSheetModel>(*type) : nullptr;
        m_pGrid->SetSheetModel(model.get());
        m_pModel = std::move(model);
    }
    OnUpdate();
}

void CQ4150View::Refresh()
{
    if (m_pModel)
        m_pModel->Refresh();
}

void CQ4150View::OnUpdate()
{
    Refresh();
    m_pGrid->SetFocusCell(1, 1);
}

void CQ4150View::OnActivateView(bool activate)
{
    m_bActive = activate ? 1 : 0;
}

QString CQ4150View::CurrentHelpTopic() const
{
    if (!m_pSetupType)
        return QString();
    int row = 0;
    int col = 0;
    m_pGrid->GetFocusCell(row, col);
    return QString::fromStdString(CellTopic(*m_pSetupType, row, col));
}

// F1 is the window's Help Topics; on a cell, or in a cell's editor, it is this sheet's, for
// the cell's own section.
bool CQ4150View::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void CQ4150View::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        emit helpRequested(CurrentHelpTopic());
        return;
    }
    QWidget::keyPressEvent(event);
}

QString CQ4150View::CellLabel(int row, int col) const
{
    return tr("%1 of %2").arg(m_pGrid->GetItemText(0, col), m_pGrid->GetItemText(row, 0));
}

// ---- the edit path -------------------------------------------------------------------------

void CQ4150View::OnBeginEdit(int row, int col)
{
    if (!m_bReady || !m_pSetupType || (m_pModel && m_pModel->IsLocked()))
        return;
    const CNdChnData* cell = m_pSetupType->GetProperty(row, col);
    if (cell && cell->m_nStyle == CTRL_POPUP && !m_pGrid->GetPastMode())
        OpenPopup(row, col);
}

void CQ4150View::OnEndEdit(int row, int col, const QString& text)
{
    if (!m_bReady || !m_pSetupType || !m_pModel)
        return;
    const CNdChnData* cell = m_pSetupType->GetProperty(row, col);
    if (!cell)
        return;  // a row or column the sheet does not have
    bool pasting = m_pGrid->GetPastMode();
    const QModelIndex index = m_pGrid->IndexAt(row, col);
    bool inactive = m_pSetupType->GetCellAccess(row, col).state == CellAccess::State::Inactive;
    if (cell->m_nStyle == CTRL_POPUP && pasting && !inactive)
        PastePopup(row, col, text);
    if (!m_pModel->setData(index, text)) {
        if (pasting)
            (inactive ? m_arPasteSkipped : m_arPasteRefused) << m_pModel->CellName(index);
        if (!pasting) {
            m_pGrid->RefuseEdit();
            // A refusal without a message is the user's own Cancel: nothing to tell.
            if (!m_pModel->GetRefusal().isEmpty())
                m_doc.GetPrompt().Show(q4ui::ToCp1252(m_pModel->GetRefusal()), IMessagePrompt::BTN_OK, false);
        } else {
            // Only refusals on rows in use count; a row whose first value is "OFF" is not.
            std::string typed = q4ui::ToCp1252(text);
            bool inUse = col == 1 ? typed != "OFF" : m_pSetupType->GetCellText(row, 1) != "OFF";
            if (inUse)
                m_bPasteError = 1;
        }
    }
    if (!pasting)
        emit setupEdited(CellLabel(row, col), false);
}

void CQ4150View::OpenPopup(int row, int col)
{
    PropList props;
    if (!m_pSetupType->GetPopupProperties(row, col, props) || props.empty() || m_bPopupOpen)
        return;
    CPropertyDlg dlg(window());
    // Named after its cell, for the title bar and a screen reader alike.
    dlg.setWindowTitle(m_pModel->CellName(m_pGrid->IndexAt(row, col)));
    dlg.SetProperties(props);
    QRect cell = m_pGrid->visualRect(m_pGrid->IndexAt(row, col));
    dlg.PlaceNextTo(QRect(m_pGrid->viewport()->mapToGlobal(cell.topLeft()), cell.size()));
    m_bPopupOpen = 1;
    bool accepted = dlg.exec() == QDialog::Accepted;
    m_bPopupOpen = 0;
    if (!accepted)
        return;
    m_pSetupType->UpdateProperties(row, col, props);
    emit setupEdited(CellLabel(row, col), false);
}

// A pasted pop-up cell holds the initials of the properties that are on.
void CQ4150View::PastePopup(int row, int col, const QString& text)
{
    PropList props;
    if (!m_pSetupType->GetPopupProperties(row, col, props))
        return;
    std::string initials = q4ui::ToCp1252(text);
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

// ---- clipboard commands --------------------------------------------------------------------

void CQ4150View::OnEditCopyEx()
{
    m_pGrid->OnEditCopy();
}

void CQ4150View::OnEditCutEx()
{
    m_pGrid->OnEditCopy();
    if (!m_pSetupType || (m_pModel && m_pModel->IsLocked()))
        return;
    int first, last, minCol, maxCol;
    if (!m_pGrid->GetSelRange(first, last, minCol, maxCol))
        return;
    m_pGrid->EndEditing();
    for (int row = std::max(first, 1); row <= last && row < m_pSetupType->GetNumChannels(); ++row)
        m_pSetupType->ResetChannel(row);
    emit setupEdited(tr("Cut"), true);
}

void CQ4150View::OnEditPasteEx()
{
    if (m_pModel && m_pModel->IsLocked())
        return;
    m_pGrid->OnEditPaste();
}

// Refusals of a paste are told once, and the whole paste is one step.
void CQ4150View::OnPasteFinished()
{
    if (m_bPasteError)
        m_doc.GetPrompt().Show(q4ui::ToCp1252(tr("Erroneous values have been detected. Appropriate values will be used.")),
                               IMessagePrompt::BTN_OK, false);
    m_bPasteError = 0;
    emit setupEdited(tr("Paste"), false);
    QString report = PasteReport();
    m_arPasteRefused.clear();
    m_arPasteSkipped.clear();
    if (!report.isEmpty())
        emit statusMessage(report);
}

QString CQ4150View::PasteReport() const
{
    constexpr int NAMED = 6;  // a status line, not a list
    auto names = [](const QStringList& cells) {
        QString list = cells.mid(0, NAMED).join(QStringLiteral(", "));
        return cells.size() > NAMED ? tr("%1 and %2 more").arg(list).arg(cells.size() - NAMED) : list;
    };
    QStringList parts;
    const QStringList& refused = m_arPasteRefused;
    const QStringList& skipped = m_arPasteSkipped;
    if (refused.size() == 1)
        parts << tr("Paste refused 1 cell: %1.").arg(refused[0]);
    else if (refused.size() > 1)
        parts << tr("Paste refused %1 cells: %2.").arg(refused.size()).arg(names(refused));
    if (skipped.size() == 1)
        parts << tr("Skipped 1 cell that is not active: %1.").arg(skipped[0]);
    else if (skipped.size() > 1)
        parts << tr("Skipped %1 cells that are not active: %2.").arg(skipped.size()).arg(names(skipped));
    return parts.join(QLatin1Char(' '));
}

void CQ4150View::OnEditSelectall()
{
    m_pGrid->OnEditSelectAll();
}

// ---- printing ------------------------------------------------------------------------------

void CQ4150View::OnFilePrintPreview(QPrinter& printer, const std::function<void(CPrintJob&)>& more)
{
    QPrintPreviewDialog preview(&printer, window());
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this, &more](QPrinter* target) {
        CPrintJob job(m_doc.GetTitle(), QDate::currentDate());
        AddToPrintJob(job);
        if (more)
            more(job);
        job.Print(*target);
    });
    preview.exec();
}

void CQ4150View::AddToPrintJob(CPrintJob& job) const
{
    if (m_pSetupType)
        job.AddSheet(*m_pGrid, m_pSetupType->m_nPrintCols, q4ui::TrSheet(m_pSetupType->m_strTitle));
}
