// The window of named cells.
#include "ui/CCellListDlg.h"

#include "ui/CCellListModel.h"
#include "ui/CCompareController.h"
#include "ui/CMainFrame.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

CCellListDlg::CCellListDlg(CMainFrame& frame)
    : QDialog(&frame), m_frame(frame), m_pModel(new CCellListModel(this))
{
    setObjectName(QStringLiteral("cellListDialog"));
    setModal(false);
    m_pSummary = new QLabel(this);
    m_pSummary->setWordWrap(true);
    m_pView = new QTableView(this);
    m_pView->setModel(m_pModel);
    m_pView->setAccessibleName(tr("Named cells"));
    m_pView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pView->setAlternatingRowColors(true);
    m_pView->verticalHeader()->hide();
    m_pView->horizontalHeader()->setStretchLastSection(true);
    m_pSummary->setBuddy(m_pView);

    m_pClose = new QPushButton(tr("Close"), this);
    m_pClose->setAutoDefault(false);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_pClose, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pSummary);
    layout->addWidget(m_pView, 1);
    layout->addWidget(buttons);
    resize(720, 320);

    connect(m_pClose, &QPushButton::clicked, this, &QDialog::reject);
    // Enter or a double-click shows the cell in its sheet.
    connect(m_pView, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        if (index.isValid())
            m_frame.GetCompare().ShowDifference(m_pModel->GetCells()[static_cast<size_t>(index.row())]);
    });
}

void CCellListDlg::ShowCells(const QString& title, const QString& summary, std::vector<CellDifference> cells,
                             const QString& headingA, const QString& headingB)
{
    setWindowTitle(title);
    m_pSummary->setText(summary);
    m_pModel->SetCells(std::move(cells), headingA, headingB);
    m_pView->resizeColumnsToContents();
    if (m_pModel->rowCount() > 0)
        m_pView->setCurrentIndex(m_pModel->index(0, 0));
    show();
    raise();
    activateWindow();
    m_pView->setFocus();
    m_frame.GetCompare().MarkOthers(m_pModel->GetCells());
}

void CCellListDlg::ShowDownload(std::vector<CellDifference> cells)
{
    const QString count = cells.size() == 1 ? tr("1 value") : tr("%1 values").arg(cells.size());
    ShowCells(tr("Download - %1 to check").arg(count),
              tr("The set-up shows these values otherwise than the unit holds them, or shows values the sheets "
                 "refuse when typed. An upload writes what the sheets show. The cells are marked in the sheets; "
                 "double-click one to show it."),
              std::move(cells), tr("The unit holds"), tr("Shown"));
}

void CCellListDlg::ShowFile(const QString& file, std::vector<CellDifference> cells)
{
    if (cells.empty()) {
        hide();
        return;
    }
    const QString count = cells.size() == 1 ? tr("1 cell") : tr("%1 cells").arg(cells.size());
    ShowCells(tr("%1 - %2 the unit cannot hold").arg(file, count),
              tr("The unit cannot hold these texts of the file as written: an upload leaves what the last text "
                 "shows, and Verify Unit counts them as differences. The cells are marked in the sheets; "
                 "double-click one to show it."),
              std::move(cells), tr("In the file"), tr("The unit will hold"));
}

void CCellListDlg::hideEvent(QHideEvent* event)
{
    m_frame.GetCompare().MarkOthers({});
    QDialog::hideEvent(event);
}
