// The grid control: cells, fixed headers, editing notifications, clipboard and printing.
#include "ui/CZTGridCtrl.h"

#include "ui/CGridCellDelegate.h"
#include "ui/CGridPrinter.h"
#include "ui/CPrintInfo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QStylePainter>

#include <algorithm>

namespace {

constexpr uint32_t CLR_DEFAULT = 0xFF000000;

QColor FromColorRef(uint32_t colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace

CZTGridCtrl::CZTGridCtrl(QWidget* parent)
    : QTableWidget(parent)
{
    setItemDelegate(new CGridCellDelegate(this));
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    setSelectionMode(ExtendedSelection);
    setSelectionBehavior(SelectItems);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    horizontalHeader()->setVisible(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    // The top-left fixed cell is drawn on the table's corner button.
    if (auto* corner = findChild<QAbstractButton*>())
        corner->installEventFilter(this);
}

CZTGridCtrl::~CZTGridCtrl() = default;

// ---- size and fixed cells ------------------------------------------------------------------

void CZTGridCtrl::SetRowCount(int rows)
{
    m_nRows = std::max(0, rows);
    ApplyCounts();
}

void CZTGridCtrl::SetColumnCount(int cols)
{
    m_nCols = std::max(0, cols);
    ApplyCounts();
}

// Fixed counts are meant to be set before the cells are filled: the cells that move between
// the table and its headers do not keep their texts.
void CZTGridCtrl::SetFixedRowCount(int rows)
{
    MoveFixedRow(std::clamp(rows, 0, 1));
}

void CZTGridCtrl::SetFixedColumnCount(int cols)
{
    MoveFixedColumn(std::clamp(cols, 0, 1));
}

void CZTGridCtrl::MoveFixedRow(int newCount)
{
    if (newCount == m_nFixedRows)
        return;
    if (newCount > m_nFixedRows && rowCount() > 0)
        removeRow(0);
    else if (newCount < m_nFixedRows && m_nRows > 0)
        insertRow(0);
    m_nFixedRows = newCount;
    ApplyCounts();
}

void CZTGridCtrl::MoveFixedColumn(int newCount)
{
    if (newCount == m_nFixedCols)
        return;
    if (newCount > m_nFixedCols && columnCount() > 0)
        removeColumn(0);
    else if (newCount < m_nFixedCols && m_nCols > 0)
        insertColumn(0);
    m_nFixedCols = newCount;
    ApplyCounts();
}

void CZTGridCtrl::ApplyCounts()
{
    int fixedRows = std::min(m_nFixedRows, m_nRows);
    int fixedCols = std::min(m_nFixedCols, m_nCols);
    setRowCount(m_nRows - fixedRows);
    setColumnCount(m_nCols - fixedCols);
    for (int c = 0; c < columnCount(); ++c) {
        if (!horizontalHeaderItem(c))
            setHorizontalHeaderItem(c, std::make_unique<QTableWidgetItem>(QString()).release());
    }
    for (int r = 0; r < rowCount(); ++r) {
        if (!verticalHeaderItem(r))
            setVerticalHeaderItem(r, std::make_unique<QTableWidgetItem>(QString()).release());
    }
    horizontalHeader()->setVisible(m_nFixedRows > 0);
    verticalHeader()->setVisible(m_nFixedCols > 0);
}

void CZTGridCtrl::SetRowResize(int allow)
{
    verticalHeader()->setSectionResizeMode(allow ? QHeaderView::Interactive : QHeaderView::Fixed);
}

QTableWidgetItem* CZTGridCtrl::DataItem(int row, int col)
{
    if (!IsValid(row, col) || IsFixed(row, col))
        return nullptr;
    int r = row - m_nFixedRows;
    int c = col - m_nFixedCols;
    QTableWidgetItem* it = item(r, c);
    if (!it) {
        auto owned = std::make_unique<QTableWidgetItem>();
        owned->setData(ROLE_CELLTYPE, GRID_CELL_EDIT);
        it = owned.get();
        setItem(r, c, owned.release());  // the table owns its items
    }
    return it;
}

QTableWidgetItem* CZTGridCtrl::HeaderItem(int row, int col) const
{
    if (!IsValid(row, col))
        return nullptr;
    if (row < m_nFixedRows && col >= m_nFixedCols)
        return horizontalHeaderItem(col - m_nFixedCols);
    if (col < m_nFixedCols && row >= m_nFixedRows)
        return verticalHeaderItem(row - m_nFixedRows);
    return nullptr;
}

// ---- cell contents -------------------------------------------------------------------------

void CZTGridCtrl::SetCellType(int row, int col, int type)
{
    QTableWidgetItem* it = DataItem(row, col);
    if (!it)
        return;
    it->setData(ROLE_CELLTYPE, type);
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (type != GRID_CELL_READONLY)
        flags |= Qt::ItemIsEditable;
    it->setFlags(flags);
}

int CZTGridCtrl::GetCellType(int row, int col) const
{
    if (!IsValid(row, col) || IsFixed(row, col))
        return GRID_CELL_READONLY;
    QTableWidgetItem* it = item(row - m_nFixedRows, col - m_nFixedCols);
    return it ? it->data(ROLE_CELLTYPE).toInt() : GRID_CELL_EDIT;
}

void CZTGridCtrl::FillListItems(int row, int col, const QStringList& items)
{
    if (QTableWidgetItem* it = DataItem(row, col))
        it->setData(ROLE_LIST, items);
}

QStringList CZTGridCtrl::GetListItems(int row, int col) const
{
    QTableWidgetItem* it = IsValid(row, col) && !IsFixed(row, col)
        ? item(row - m_nFixedRows, col - m_nFixedCols) : nullptr;
    return it ? it->data(ROLE_LIST).toStringList() : QStringList();
}

void CZTGridCtrl::SetTextLen(int row, int col, int len)
{
    if (QTableWidgetItem* it = DataItem(row, col))
        it->setData(ROLE_TEXTLEN, len);
}

int CZTGridCtrl::GetTextLen(int row, int col) const
{
    QTableWidgetItem* it = IsValid(row, col) && !IsFixed(row, col)
        ? item(row - m_nFixedRows, col - m_nFixedCols) : nullptr;
    return it && it->data(ROLE_TEXTLEN).isValid() ? it->data(ROLE_TEXTLEN).toInt() : -1;
}

void CZTGridCtrl::SetCellDataType(int row, int col, int type)
{
    if (QTableWidgetItem* it = DataItem(row, col))
        it->setData(ROLE_DATATYPE, type);
}

int CZTGridCtrl::GetCellDataType(int row, int col) const
{
    QTableWidgetItem* it = IsValid(row, col) && !IsFixed(row, col)
        ? item(row - m_nFixedRows, col - m_nFixedCols) : nullptr;
    return it ? it->data(ROLE_DATATYPE).toInt() : 0;
}

void CZTGridCtrl::SetItemText(int row, int col, const QString& text)
{
    if (!IsValid(row, col))
        return;
    if (row < m_nFixedRows && col < m_nFixedCols) {
        m_strCorner = text;
        if (auto* corner = findChild<QAbstractButton*>())
            corner->update();
    } else if (QTableWidgetItem* header = HeaderItem(row, col)) {
        header->setText(text);
    } else if (QTableWidgetItem* it = DataItem(row, col)) {
        it->setText(text);
    }
}

QString CZTGridCtrl::GetItemText(int row, int col) const
{
    if (!IsValid(row, col))
        return QString();
    if (row < m_nFixedRows && col < m_nFixedCols)
        return m_strCorner;
    if (QTableWidgetItem* header = HeaderItem(row, col))
        return header->text();
    QTableWidgetItem* it = item(row - m_nFixedRows, col - m_nFixedCols);
    return it ? it->text() : QString();
}

void CZTGridCtrl::SetItemBkColour(int row, int col, uint32_t colour)
{
    QTableWidgetItem* it = HeaderItem(row, col);
    if (!it)
        it = DataItem(row, col);
    if (!it)
        return;
    if (colour == CLR_DEFAULT)
        it->setData(Qt::BackgroundRole, QVariant());
    else
        it->setBackground(FromColorRef(colour));
}

QColor CZTGridCtrl::GetItemBkColour(int row, int col) const
{
    QTableWidgetItem* it = HeaderItem(row, col);
    if (!it && IsValid(row, col) && !IsFixed(row, col))
        it = item(row - m_nFixedRows, col - m_nFixedCols);
    if (!it || !it->data(Qt::BackgroundRole).isValid())
        return QColor();
    return it->background().color();
}

// ---- widths and focus ----------------------------------------------------------------------

int CZTGridCtrl::FixedColumnTextWidth() const
{
    QFontMetrics fm(verticalHeader()->font());
    int widest = fm.horizontalAdvance(m_strCorner);
    for (int r = 0; r < rowCount(); ++r) {
        if (QTableWidgetItem* header = verticalHeaderItem(r))
            widest = std::max(widest, fm.horizontalAdvance(header->text()));
    }
    return widest + 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, verticalHeader()) + 6;
}

void CZTGridCtrl::AutoSizeColumn(int col)
{
    if (col < 0 || col >= m_nCols)
        return;
    if (col < m_nFixedCols)
        SetColumnWidth(col, FixedColumnTextWidth());
    else
        resizeColumnToContents(col - m_nFixedCols);
    WidenForList(col);
}

void CZTGridCtrl::FitListColumns()
{
    for (int c = m_nFixedCols; c < m_nCols; ++c)
        WidenForList(c);
}

void CZTGridCtrl::WidenForList(int col)
{
    // A drop-down list is wide enough for its longest choice beside the arrow.
    int widest = 0;
    QFontMetrics fm(font());
    for (int r = m_nFixedRows; r < m_nRows; ++r) {
        for (const QString& choice : GetListItems(r, col))
            widest = std::max(widest, fm.horizontalAdvance(choice));
    }
    if (widest > 0) {
        int arrow = style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * fm.averageCharWidth();
        if (GetColumnWidth(col) < widest + arrow)
            SetColumnWidth(col, widest + arrow);
    }
}

int CZTGridCtrl::GetColumnWidth(int col) const
{
    if (col < 0 || col >= m_nCols)
        return 0;
    if (col < m_nFixedCols)
        return m_nFixedColWidth > 0 ? m_nFixedColWidth : verticalHeader()->sizeHint().width();
    return columnWidth(col - m_nFixedCols);
}

void CZTGridCtrl::SetColumnWidth(int col, int width)
{
    if (col < 0 || col >= m_nCols)
        return;
    if (col < m_nFixedCols) {
        m_nFixedColWidth = width;
        verticalHeader()->setFixedWidth(width);
    } else {
        setColumnWidth(col - m_nFixedCols, width);
    }
}

int CZTGridCtrl::GetRowHeight(int row) const
{
    if (row < 0 || row >= m_nRows)
        return 0;
    if (row < m_nFixedRows)
        return horizontalHeader()->sizeHint().height();
    return rowHeight(row - m_nFixedRows);
}

// Widens the columns evenly until they fill the grid's width.
void CZTGridCtrl::ExpandToFit()
{
    if (m_nCols == 0)
        return;
    int available = width() - 2 * frameWidth();
    int total = 0;
    for (int c = 0; c < m_nCols; ++c)
        total += GetColumnWidth(c);
    int extra = available - total;
    if (extra <= 0)
        return;
    for (int c = 0; c < m_nCols; ++c) {
        int share = extra / (m_nCols - c);
        SetColumnWidth(c, GetColumnWidth(c) + share);
        extra -= share;
    }
}

void CZTGridCtrl::SetFocusCell(int row, int col)
{
    if (IsValid(row, col) && !IsFixed(row, col))
        setCurrentCell(row - m_nFixedRows, col - m_nFixedCols);
}

void CZTGridCtrl::GetFocusCell(int& row, int& col) const
{
    QModelIndex index = currentIndex();
    row = index.isValid() ? index.row() + m_nFixedRows : -1;
    col = index.isValid() ? index.column() + m_nFixedCols : -1;
}

int CZTGridCtrl::GetSelRange(int& minRow, int& maxRow, int& minCol, int& maxCol) const
{
    minRow = maxRow = minCol = maxCol = -1;
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    if (ranges.isEmpty())
        return 0;
    minRow = minCol = INT32_MAX;
    maxRow = maxCol = -1;
    for (const auto& range : ranges) {
        minRow = std::min(minRow, range.topRow() + m_nFixedRows);
        maxRow = std::max(maxRow, range.bottomRow() + m_nFixedRows);
        minCol = std::min(minCol, range.leftColumn() + m_nFixedCols);
        maxCol = std::max(maxCol, range.rightColumn() + m_nFixedCols);
    }
    return 1;
}

// ---- editing -------------------------------------------------------------------------------

bool CZTGridCtrl::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    bool triggered = trigger == AllEditTriggers || (editTriggers() & trigger);
    if (!index.isValid() || !triggered || state() == EditingState || indexWidget(index))
        return QTableWidget::edit(index, trigger, event);
    int row = index.row() + m_nFixedRows;
    int col = index.column() + m_nFixedCols;
    if (GetCellType(row, col) == GRID_CELL_READONLY) {
        // A read-only cell opens no editor, but its owner hears that the user wants to edit
        // it (a cell may stand for a dialog of its own).
        if (trigger != AnyKeyPressed)
            emit beginEdit(row, col);
        return false;
    }
    emit beginEdit(row, col);
    m_bDropDownEdit = trigger == DoubleClicked;
    bool started = QTableWidget::edit(index, trigger, event);
    m_bDropDownEdit = false;
    if (started)
        m_idxEdit = index;
    return started;
}

void CZTGridCtrl::CommitEditText(const QModelIndex& index, const QString& text)
{
    int row = index.row() + m_nFixedRows;
    int col = index.column() + m_nFixedCols;
    if (QTableWidgetItem* it = DataItem(row, col)) {
        it->setText(text);
        m_nPendingRow = row;
        m_nPendingCol = col;
    }
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

// The editor is gone before the owner hears of the finished edit, so that the owner may show
// a message box without the editor committing a second time.
void CZTGridCtrl::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (m_nPendingRow >= 0) {
        int row = m_nPendingRow;
        int col = m_nPendingCol;
        m_nPendingRow = m_nPendingCol = -1;
        emit endEdit(row, col);
    }
    if (hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem) {
        QModelIndex next = moveCursor(hint == QAbstractItemDelegate::EditNextItem ? MoveNext : MovePrevious,
                                      Qt::NoModifier);
        if (next.isValid())
            setCurrentIndex(next);
    }
}

void CZTGridCtrl::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState
        && currentIndex().isValid()) {
        edit(currentIndex(), EditKeyPressed, event);
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

bool CZTGridCtrl::eventFilter(QObject* watched, QEvent* event)
{
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (corner && event->type() == QEvent::Paint && !m_strCorner.isEmpty()) {
        QStyleOptionHeader option;
        option.initFrom(corner);
        option.rect = corner->rect();
        option.text = m_strCorner;
        option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        option.position = QStyleOptionHeader::OnlyOneSection;
        QStylePainter painter(corner);
        painter.drawControl(QStyle::CE_Header, option);
        return true;
    }
    return QTableWidget::eventFilter(watched, event);
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
            QTableWidgetItem* it = item(r - m_nFixedRows, c - m_nFixedCols);
            if (it && (!bSelection || it->isSelected()))
                text += it->text();
        }
        text += QLatin1Char('\n');
    }
    QApplication::clipboard()->setText(text);
}

// Writes the clipboard's tab-separated text from the top-left selected cell on; every written
// cell is announced as a finished edit, with the paste mode on.
void CZTGridCtrl::OnEditPaste()
{
    QString text = QApplication::clipboard()->text();
    if (text.isEmpty())
        return;
    if (state() == EditingState) {
        if (QWidget* editor = indexWidget(m_idxEdit))
            QTableWidget::closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    }
    int row0, col0, maxRow, maxCol;
    if (!GetSelRange(row0, maxRow, col0, maxCol))
        GetFocusCell(row0, col0);
    if (row0 < 0 || col0 < 0)
        return;
    text.remove(QLatin1Char('\r'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    m_bPasteMode = 1;
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList cells = lines[i].split(QLatin1Char('\t'));
        for (int j = 0; j < cells.size(); ++j) {
            int row = row0 + i;
            int col = col0 + j;
            if (!IsValid(row, col) || IsFixed(row, col))
                continue;
            SetItemText(row, col, cells[j]);
            emit endEdit(row, col);
        }
    }
    m_bPasteMode = 0;
    emit pasteFinished();
}

void CZTGridCtrl::OnEditSelectAll()
{
    selectAll();
}

// ---- printing ------------------------------------------------------------------------------

void CZTGridCtrl::OnBeginPrinting(QPainter& painter, CPrintInfo& info)
{
    int cols = m_nColsToPrint > 0 ? std::min(m_nColsToPrint, m_nCols) : m_nCols;
    m_pPrinter = std::make_unique<CGridPrinter>(*this, cols);
    info.m_nMinPage = 1;
    info.m_nMaxPage = m_pPrinter->Paginate(painter, info.m_rectDraw);
}

void CZTGridCtrl::OnPrint(QPainter& painter, CPrintInfo& info)
{
    if (m_pPrinter)
        m_pPrinter->PrintPage(painter, info.m_nCurPage, info.m_nMaxPage);
}

void CZTGridCtrl::OnEndPrinting(QPainter&, CPrintInfo&)
{
    m_pPrinter.reset();
}
