// Layout, filling and write-back of the property dialog.
#include "ui/CPropertyDlg.h"

#include "ui/CZTGridCtrl.h"
#include "ui/QtText.h"

#include <QHeaderView>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr uint32_t CLR_READONLY = 0x00E2E2E2;

}  // namespace

CPropertyDlg::CPropertyDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint)
{
    m_pGrid = new CZTGridCtrl(this);
    m_pGrid->setObjectName(QStringLiteral("grid10000"));
    m_pGrid->SetColumnCount(2);
    m_pGrid->SetRowCount(10);
    // The grid is exactly as high as its rows: no frame and no scroll bars take room from them.
    m_pGrid->setFrameShape(QFrame::NoFrame);
    m_pGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pOk = new QPushButton(QStringLiteral("OK"), this);
    m_pOk->setDefault(true);
    m_pCancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(m_pOk, &QPushButton::clicked, this, &CPropertyDlg::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &CPropertyDlg::reject);
}

void CPropertyDlg::SetProperties(const PropList& props)
{
    std::vector<CNdChnData*> cells;
    for (const auto& prop : props)
        cells.push_back(prop.get());
    SetProperties(cells.data(), static_cast<int>(cells.size()));
}

void CPropertyDlg::SetProperties(CNdChnData* const* props, int count)
{
    m_pProps.assign(props, props + std::clamp(count, 0, MAX_PROPS));
    m_bLaidOut = false;
}

void CPropertyDlg::showEvent(QShowEvent* event)
{
    if (!m_bLaidOut) {
        LayOut();
        FillRows();
        m_bLaidOut = true;
    }
    QDialog::showEvent(event);
}

// The dialog is as high as its rows and as wide as two value columns.
void CPropertyDlg::LayOut()
{
    int rows = static_cast<int>(m_pProps.size());
    m_pGrid->SetColumnCount(2);
    m_pGrid->SetRowCount(rows);

    QFontMetrics fm(font());
    m_nRowHeight = fm.height() + fm.leading() + 5;
    int colWidth = 12 * fm.averageCharWidth() + 5;
    int gridWidth = 2 * colWidth;
    int clientWidth = gridWidth - 8;
    int gridHeight = rows * m_nRowHeight;
    int buttonHeight = m_pOk->sizeHint().height();
    setFixedSize(clientWidth, buttonHeight + gridHeight + 10);

    m_pGrid->verticalHeader()->setMinimumSectionSize(1);
    m_pGrid->verticalHeader()->setDefaultSectionSize(m_nRowHeight);
    m_pGrid->SetRowResize(0);
    m_pGrid->setGeometry(0, 0, clientWidth, gridHeight);
    for (int c = 0; c < 2; ++c)
        m_pGrid->SetColumnWidth(c, 1);
    m_pGrid->ExpandToFit();

    int buttonY = gridHeight + 5;
    m_pOk->setGeometry(0, buttonY, m_pOk->sizeHint().width(), buttonHeight);
    int cancelWidth = m_pCancel->sizeHint().width();
    m_pCancel->setGeometry(clientWidth - cancelWidth, buttonY, cancelWidth, buttonHeight);
}

void CPropertyDlg::FillRows()
{
    for (int i = 0; i < static_cast<int>(m_pProps.size()); ++i) {
        const CNdChnData* prop = m_pProps[static_cast<size_t>(i)];
        m_pGrid->SetCellType(i, 0, CZTGridCtrl::GRID_CELL_READONLY);
        m_pGrid->SetItemText(i, 0, q4ui::ToQString(prop->GetName()));
        const auto& items = prop->GetData();
        if (prop->m_bEditable) {
            if (items.size() >= 2) {
                QStringList list;
                for (const std::string& item : items)
                    list << q4ui::ToQString(item);
                m_pGrid->SetCellType(i, 1, CZTGridCtrl::GRID_CELL_LIST);
                m_pGrid->FillListItems(i, 1, list);
                m_pGrid->SetItemText(i, 1, q4ui::ToQString(prop->GetDataAsString()));
            } else if (items.size() == 1) {
                m_pGrid->SetCellType(i, 1, CZTGridCtrl::GRID_CELL_EDIT);
                m_pGrid->SetItemText(i, 1, q4ui::ToQString(items[0]));
            }
        } else {
            m_pGrid->SetCellType(i, 1, CZTGridCtrl::GRID_CELL_READONLY);
            m_pGrid->SetItemText(i, 1, items.empty() ? QString() : q4ui::ToQString(items[0]));
            m_pGrid->SetItemBkColour(i, 1, CLR_READONLY);
        }
    }
    m_pGrid->SetFocusCell(0, 1);
}

void CPropertyDlg::accept()
{
    // An edit still open in the grid is taken first.
    m_pGrid->EndEditing();
    for (int i = 0; i < static_cast<int>(m_pProps.size()) && i < m_pGrid->GetRowCount(); ++i)
        m_pProps[static_cast<size_t>(i)]->SetSelText(q4ui::ToCp1252(m_pGrid->GetItemText(i, 1)));
    QDialog::accept();
}
