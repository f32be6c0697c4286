// The grid control: headers, editing keys, the edit notifications, widths and clipboard.
#include "ui/grid/CZTGridCtrl.h"

#include "ui/grid/CGridCellDelegate.h"
#include "ui/grid/CSheetModel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStatusTipEvent>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <utility>

CZTGridCtrl::CZTGridCtrl(QWidget* parent)
    : QTableView(parent)
{
    setItemDelegate(new CGridCellDelegate(this));
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    setSelectionMode(ExtendedSelection);
    setSelectionBehavior(SelectItems);
    setTabKeyNavigation(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    // The top-left header cell is drawn on the table's corner button.
    if (auto* corner = findChild<QAbstractButton*>())
        corner->installEventFilter(this);
}

CZTGridCtrl::~CZTGridCtrl() = default;

void CZTGridCtrl::SetSheetModel(CSheetModel* model)
{
    m_pModel = model;
    setModel(model);
    if (!model)
        return;
    connect(model, &QObject::destroyed, this, [this] { m_pModel = nullptr; });
    // Columns follow their texts after every change, whatever caused it; a change of colours
    // alone (a comparison's marks) leaves the texts as they are.
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (!m_bPasteMode && roles != QList<int>{CSheetModel::LookRole})
                    FitColumns();
            });
    connect(model, &QAbstractItemModel::modelReset, this, &CZTGridCtrl::FitColumns);
    FitColumns();
}

// ---- cells in grid coordinates -------------------------------------------------------------

int CZTGridCtrl::GetRowCount() const
{
    return m_pModel ? m_pModel->rowCount() + 1 : 0;
}

int CZTGridCtrl::GetColumnCount() const
{
    return m_pModel ? m_pModel->columnCount() + 1 : 0;
}

QModelIndex CZTGridCtrl::IndexAt(int row, int col) const
{
    return m_pModel && row > 0 && col > 0 ? m_pModel->index(row - 1, col - 1) : QModelIndex();
}

QString CZTGridCtrl::GetItemText(int row, int col) const
{
    if (!m_pModel || row < 0 || col < 0 || row >= GetRowCount() || col >= GetColumnCount())
        return QString();
    if (row == 0 && col == 0)
        return m_pModel->GetCornerText();
    if (row == 0)
        return m_pModel->headerData(col - 1, Qt::Horizontal).toString();
    if (col == 0)
        return m_pModel->headerData(row - 1, Qt::Vertical).toString();
    return IndexAt(row, col).data().toString();
}

CellLook CZTGridCtrl::GetItemLook(int row, int col) const
{
    QVariant look = IndexAt(row, col).data(CSheetModel::LookRole);
    return look.isValid() ? static_cast<CellLook>(look.toInt()) : CellLook::Plain;
}

QColor CZTGridCtrl::GetItemBkColour(int row, int col) const
{
    CellLook look = GetItemLook(row, col);
    return look == CellLook::Plain ? QColor() : q4ui::CellBackground(look, palette());
}

int CZTGridCtrl::GetColumnWidth(int col) const
{
    if (col < 0 || col >= GetColumnCount())
        return 0;
    if (col == 0)
        return verticalHeader()->isVisible() ? verticalHeader()->width() : verticalHeader()->sizeHint().width();
    return columnWidth(col - 1);
}

void CZTGridCtrl::FitColumns()
{
    if (!m_pModel)
        return;
    // Only the columns' widths change: the rows keep their fixed height.
    for (int c = 0; c < m_pModel->columnCount(); ++c)
        resizeColumnToContents(c);
    // The corner's heading sits above the row headings: their column is at least as wide.
    int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, verticalHeader()) + 4;
    verticalHeader()->setMinimumWidth(verticalHeader()->fontMetrics().horizontalAdvance(m_pModel->GetCornerText()) + margin);
}

void CZTGridCtrl::SetFocusCell(int row, int col)
{
    QModelIndex index = IndexAt(row, col);
    if (index.isValid())
        setCurrentIndex(index);
}

void CZTGridCtrl::GetFocusCell(int& row, int& col) const
{
    QModelIndex index = currentIndex();
    row = index.isValid() ? index.row() + 1 : -1;
    col = index.isValid() ? index.column() + 1 : -1;
}

int CZTGridCtrl::GetSelRange(int& minRow, int& maxRow, int& minCol, int& maxCol) const
{
    minRow = maxRow = minCol = maxCol = -1;
    const QModelIndexList selected = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    if (selected.isEmpty())
        return 0;
    minRow = minCol = INT_MAX;
    for (const QModelIndex& index : selected) {
        minRow = std::min(minRow, index.row() + 1);
        maxRow = std::max(maxRow, index.row() + 1);
        minCol = std::min(minCol, index.column() + 1);
        maxCol = std::max(maxCol, index.column() + 1);
    }
    return 1;
}

// ---- editing -------------------------------------------------------------------------------

bool CZTGridCtrl::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    bool triggered = trigger == AllEditTriggers || (editTriggers() & trigger);
    if (!index.isValid() || !triggered || state() == EditingState || indexWidget(index) || !m_pModel)
        return QTableView::edit(index, trigger, event);
    int row = index.row() + 1;
    int col = index.column() + 1;
    CSheetModel::CellKind kind = m_pModel->GetKind(index);
    if (kind == CSheetModel::CellKind::ReadOnly || kind == CSheetModel::CellKind::Popup) {
        // No editor here, but the owner hears that the user wants to edit the cell (a pop-up
        // cell stands for a dialog). A typed letter is no such wish.
        if (trigger != AnyKeyPressed)
            emit beginEdit(row, col);
        return false;
    }
    emit beginEdit(row, col);
    m_bDropDownEdit = trigger == DoubleClicked;
    bool started = QTableView::edit(index, trigger, event);
    m_bDropDownEdit = false;
    if (started)
        m_idxEdit = index;
    return started;
}

void CZTGridCtrl::CommitEditText(const QModelIndex& index, const QString& text)
{
    m_idxPending = index;
    m_strPending = text;
}

void CZTGridCtrl::EndEditing()
{
    if (state() != EditingState)
        return;
    if (QWidget* editor = indexWidget(m_idxEdit)) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

// The editor is gone before the owner hears of the text, so that the owner may show a message
// box without the editor committing a second time. Enter then moves down, Tab to the right,
// unless the owner refused the text.
void CZTGridCtrl::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    QModelIndex edited = m_idxEdit;
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    m_bEditRefused = false;
    if (m_idxPending.isValid()) {
        QModelIndex index = m_idxPending;
        QString text = m_strPending;
        m_idxPending = QPersistentModelIndex();
        m_strPending.clear();
        emit endEdit(index.row() + 1, index.column() + 1, text);
    }
    if (std::exchange(m_bEditRefused, false))
        return;
    QModelIndex next;
    if (hint == QAbstractItemDelegate::SubmitModelCache && edited.isValid())
        next = edited.sibling(std::min(edited.row() + 1, model()->rowCount() - 1), edited.column());
    else if (hint == QAbstractItemDelegate::EditNextItem)
        next = moveCursor(MoveNext, Qt::NoModifier);
    else if (hint == QAbstractItemDelegate::EditPreviousItem)
        next = moveCursor(MovePrevious, Qt::NoModifier);
    if (next.isValid() && next != currentIndex())
        setCurrentIndex(next);
    else
        ShowStatusHint(currentIndex());  // the editor's word on a refused key is over: the cell's hint again
}

void CZTGridCtrl::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    ShowStatusHint(current);
}

// A grid shown again (another tab chosen) tells what its own current cell takes: once the
// window is shown whole, since a status bar shown after the hint would show its "Ready" over it.
void CZTGridCtrl::showEvent(QShowEvent* event)
{
    QTableView::showEvent(event);
    QTimer::singleShot(0, this, [this] { ShowStatusHint(currentIndex()); });
}

// What the cell takes goes to the status bar, as a menu item's prompt does.
void CZTGridCtrl::ShowStatusHint(const QModelIndex& index)
{
    if (!index.isValid() || !isVisible())
        return;
    QStatusTipEvent tip(index.data(Qt::StatusTipRole).toString());
    QCoreApplication::sendEvent(this, &tip);
}

void CZTGridCtrl::keyPressEvent(QKeyEvent* event)
{
    bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && state() != EditingState && currentIndex().isValid()) {
        edit(currentIndex(), EditKeyPressed, event);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool CZTGridCtrl::eventFilter(QObject* watched, QEvent* event)
{
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (corner && event->type() == QEvent::Paint && m_pModel && !m_pModel->GetCornerText().isEmpty()) {
        QStyleOptionHeader option;
        option.initFrom(corner);
        option.rect = corner->rect();
        option.text = m_pModel->GetCornerText();
        option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        option.position = QStyleOptionHeader::OnlyOneSection;
        QStylePainter painter(corner);
        painter.drawControl(QStyle::CE_Header, option);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

// ---- clipboard -----------------------------------------------------------------------------

void CZTGridCtrl::OnEditCopy()
{
    int minRow, maxRow, minCol, maxCol;
    bool bSelection = GetSelRange(minRow, maxRow, minCol, maxCol);
    if (!bSelection) {
        GetFocusCell(minRow, minCol);
        maxRow = minRow;
        maxCol = minCol;
        if (minRow < 0)
            return;
    }
    QString text;
    for (int r = minRow; r <= maxRow; ++r) {
        for (int c = minCol; c <= maxCol; ++c) {
            if (c > minCol)
                text += QLatin1Char('\t');
            QModelIndex index = IndexAt(r, c);
            if (!bSelection || selectionModel()->isSelected(index))
                text += index.data().toString();
        }
        text += QLatin1Char('\n');
    }
    QApplication::clipboard()->setText(text);
}

void CZTGridCtrl::OnEditPaste()
{
    QString text = QApplication::clipboard()->text();
    if (text.isEmpty() || !m_pModel)
        return;
    if (state() == EditingState) {
        if (QWidget* editor = indexWidget(m_idxEdit))
            QTableView::closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    }
    int row0, col0, maxRow, maxCol;
    if (!GetSelRange(row0, maxRow, col0, maxCol))
        GetFocusCell(row0, col0);
    if (row0 < 1 || col0 < 1)
        return;
    text.remove(QLatin1Char('\r'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    m_bPasteMode = true;
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList cells = lines[i].split(QLatin1Char('\t'));
        for (int j = 0; j < cells.size(); ++j) {
            int row = row0 + i;
            int col = col0 + j;
            if (row < GetRowCount() && col < GetColumnCount())
                emit endEdit(row, col, cells[j]);
        }
    }
    m_bPasteMode = false;
    FitColumns();
    emit pasteFinished();
}

void CZTGridCtrl::OnEditSelectAll()
{
    selectAll();
}
