// The comparison window: a tree of the differing cells by sheet and the take buttons.
#include "ui/compare/CCompareDlg.h"

#include "ui/common/CoreTranslation.h"
#include "ui/common/QtText.h"
#include "ui/common/ScreenFit.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { COL_CHANNEL, COL_COLUMN, COL_THIS, COL_OTHER, COL_COUNT };
// A cell's item also keeps where its cell is, to be found again after the list is rebuilt.
constexpr int CELL_ROLE = CCompareDlg::IndexRole + 1;

QString CellKey(const CellDifference& difference)
{
    return QStringLiteral("%1 %2 %3").arg(difference.row).arg(difference.col).arg(difference.flag ? 1 : 0);
}

}  // namespace

CCompareDlg::CCompareDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("compareDialog"));
    setModal(false);
    m_pSummary = new QLabel(this);
    m_pSummary->setWordWrap(true);
    m_pTree = new QTreeWidget(this);
    m_pTree->setAccessibleName(tr("Differing cells"));
    m_pTree->setColumnCount(COL_COUNT);
    m_pTree->setRootIsDecorated(true);
    m_pTree->setUniformRowHeights(true);
    m_pTree->setAlternatingRowColors(true);
    m_pTree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTree->header()->setStretchLastSection(true);

    m_pTakeSheet = new QPushButton(tr("Take &Sheet from Other Side"), this);
    m_pTakeSheet->setToolTip(tr("Give the selected item's sheet the other side's texts (one step for Undo)"));
    m_pTakeAll = new QPushButton(tr("Take &All from Other Side"), this);
    m_pTakeAll->setToolTip(tr("Give every sheet the other side's texts (one step for Undo)"));
    m_pClose = new QPushButton(tr("Close"), this);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_pTakeSheet, QDialogButtonBox::ActionRole);
    buttons->addButton(m_pTakeAll, QDialogButtonBox::ActionRole);
    buttons->addButton(m_pClose, QDialogButtonBox::RejectRole);
    // Enter in the list shows the cell; no button takes anything by default.
    for (QPushButton* button : {m_pTakeSheet, m_pTakeAll, m_pClose})
        button->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pSummary);
    layout->addWidget(m_pTree, 1);
    layout->addWidget(buttons);
    resize(q4ui::SizeWithinScreen(*this, QSize(620, 360)));

    connect(m_pClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_pTakeSheet, &QPushButton::clicked, this, [this] {
        if (int sheet = GetSelectedSheet(); sheet >= 0)
            emit takeSheet(sheet);
    });
    connect(m_pTakeAll, &QPushButton::clicked, this, &CCompareDlg::takeAll);
    connect(m_pTree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        int index = item->data(0, IndexRole).toInt();
        if (index >= 0)
            emit differenceActivated(index);
    });
    connect(m_pTree, &QTreeWidget::itemSelectionChanged, this, &CCompareDlg::UpdateButtons);
    UpdateButtons();
}

QString CCompareDlg::Title(const QString& other, size_t count)
{
    QString differences = count == 0 ? tr("no differences")
                          : count == 1 ? tr("1 difference")
                                       : tr("%1 differences").arg(count);
    return tr("Compare with %1 - %2").arg(other, differences);
}

void CCompareDlg::SetDifferences(const std::vector<CellDifference>& differences, const QString& other,
                                 const QString& summary)
{
    // What was selected, to be selected again.
    int selectedSheet = GetSelectedSheet();
    QString selectedCell;
    if (QTreeWidgetItem* item = m_pTree->currentItem(); item && item->isSelected())
        selectedCell = item->data(0, CELL_ROLE).toString();

    setWindowTitle(Title(other, differences.size()));
    m_pSummary->setText(summary);
    m_pTree->setHeaderLabels({tr("Channel"), tr("Column"), tr("This set-up"), other});
    m_pTree->clear();
    QTreeWidgetItem* sheetItem = nullptr;
    QTreeWidgetItem* reselect = nullptr;
    int sheet = -1;
    int count = 0;
    auto closeSheet = [&] {
        if (sheetItem)
            sheetItem->setText(0, QStringLiteral("%1 (%2)").arg(sheetItem->text(0)).arg(count));
    };
    for (size_t i = 0; i < differences.size(); ++i) {
        const CellDifference& difference = differences[i];
        if (!sheetItem || difference.sheet != sheet) {
            closeSheet();
            sheet = difference.sheet;
            count = 0;
            sheetItem = new QTreeWidgetItem(m_pTree, {q4ui::TrSheet(difference.sheetTitle)});
            sheetItem->setData(0, SheetRole, sheet);
            sheetItem->setData(0, IndexRole, -1);
            sheetItem->setFirstColumnSpanned(true);
            QFont bold = sheetItem->font(0);
            bold.setBold(true);
            sheetItem->setFont(0, bold);
            if (sheet == selectedSheet)
                reselect = sheetItem;
        }
        ++count;
        auto* item = new QTreeWidgetItem(sheetItem, {q4ui::TrHeading(q4ui::ToQString(difference.channel)).trimmed(),
                                                     q4ui::TrHeading(q4ui::ToQString(difference.column)).trimmed(),
                                                     q4ui::ToQString(difference.textA), q4ui::ToQString(difference.textB)});
        item->setData(0, SheetRole, sheet);
        item->setData(0, IndexRole, static_cast<int>(i));
        item->setData(0, CELL_ROLE, CellKey(difference));
        item->setToolTip(0, tr("Double-click to show the cell in its sheet"));
        if (sheet == selectedSheet && !selectedCell.isEmpty() && CellKey(difference) == selectedCell)
            reselect = item;
    }
    closeSheet();
    m_pTree->expandAll();
    for (int c = 0; c < COL_COUNT - 1; ++c)
        m_pTree->resizeColumnToContents(c);
    // At first the first cell: Enter shows it, and a sheet to take is chosen.
    if (!reselect && m_pTree->topLevelItemCount() > 0)
        reselect = m_pTree->topLevelItem(0)->child(0);
    if (reselect) {
        m_pTree->setCurrentItem(reselect);
        m_pTree->scrollToItem(reselect);
    }
    UpdateButtons();
}

int CCompareDlg::GetSelectedSheet() const
{
    const QList<QTreeWidgetItem*> selected = m_pTree->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->data(0, SheetRole).toInt();
}

void CCompareDlg::UpdateButtons()
{
    m_pTakeSheet->setEnabled(GetSelectedSheet() >= 0);
    m_pTakeAll->setEnabled(m_pTree->topLevelItemCount() > 0);
}
