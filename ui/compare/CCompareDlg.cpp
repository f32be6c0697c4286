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

enum Column { ChannelColumn, SettingColumn, ThisSideColumn, OtherSideColumn, ColumnCount };
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
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    m_tree = new QTreeWidget(this);
    m_tree->setAccessibleName(tr("Differing cells"));
    m_tree->setColumnCount(ColumnCount);
    m_tree->setRootIsDecorated(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setAlternatingRowColors(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->header()->setStretchLastSection(true);

    m_takeSheet = new QPushButton(tr("Take &Sheet from Other Side"), this);
    m_takeSheet->setToolTip(tr("Give the selected item's sheet the other side's texts (one step for Undo)"));
    m_takeAll = new QPushButton(tr("Take &All from Other Side"), this);
    m_takeAll->setToolTip(tr("Give every sheet the other side's texts (one step for Undo)"));
    m_close = new QPushButton(tr("Close"), this);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_takeSheet, QDialogButtonBox::ActionRole);
    buttons->addButton(m_takeAll, QDialogButtonBox::ActionRole);
    buttons->addButton(m_close, QDialogButtonBox::RejectRole);
    // Enter in the list shows the cell; no button takes anything by default.
    for (QPushButton* button : {m_takeSheet, m_takeAll, m_close})
        button->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_tree, 1);
    layout->addWidget(buttons);
    resize(q4ui::SizeWithinScreen(*this, QSize(620, 360)));

    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_takeSheet, &QPushButton::clicked, this, [this] {
        if (int sheet = GetSelectedSheet(); sheet >= 0)
            emit takeSheet(sheet);
    });
    connect(m_takeAll, &QPushButton::clicked, this, &CCompareDlg::takeAll);
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        int index = item->data(0, IndexRole).toInt();
        if (index >= 0)
            emit differenceActivated(index);
    });
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, &CCompareDlg::UpdateButtons);
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
    if (QTreeWidgetItem* item = m_tree->currentItem(); item && item->isSelected())
        selectedCell = item->data(0, CELL_ROLE).toString();

    setWindowTitle(Title(other, differences.size()));
    m_summary->setText(summary);
    m_tree->setHeaderLabels({tr("Channel"), tr("Column"), tr("This set-up"), other});
    m_tree->clear();
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
            sheetItem = new QTreeWidgetItem(m_tree, {q4ui::TrSheet(difference.sheetTitle)});
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
    m_tree->expandAll();
    for (int c = 0; c < ColumnCount - 1; ++c)
        m_tree->resizeColumnToContents(c);
    // At first the first cell: Enter shows it, and a sheet to take is chosen.
    if (!reselect && m_tree->topLevelItemCount() > 0)
        reselect = m_tree->topLevelItem(0)->child(0);
    if (reselect) {
        m_tree->setCurrentItem(reselect);
        m_tree->scrollToItem(reselect);
    }
    UpdateButtons();
}

int CCompareDlg::GetSelectedSheet() const
{
    const QList<QTreeWidgetItem*> selected = m_tree->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->data(0, SheetRole).toInt();
}

void CCompareDlg::UpdateButtons()
{
    m_takeSheet->setEnabled(GetSelectedSheet() >= 0);
    m_takeAll->setEnabled(m_tree->topLevelItemCount() > 0);
}
