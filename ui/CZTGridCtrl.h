// The grid control: a table of text cells with an optional fixed header row and column (shown
// as the table's headers, so they stay in view), in-place editors by cell type, typed-text
// checks, clipboard commands and printing of its first columns.
#pragma once

#include <QStringList>
#include <QTableWidget>

#include <cstdint>
#include <memory>

struct CPrintInfo;
class CGridPrinter;
class QPainter;

class CZTGridCtrl : public QTableWidget {
    Q_OBJECT

public:
    enum CELL_TYPE { GRID_CELL_READONLY = 0, GRID_CELL_EDIT = 1, GRID_CELL_LIST = 4 };
    // Codes of the notifications, as the views know them.
    enum { GVN_BEGINEDIT = -105, GVN_ENDEDIT = -106 };
    // Where a data cell keeps its type, data type, text limit and choices.
    enum CELL_ROLE { ROLE_CELLTYPE = Qt::UserRole + 1, ROLE_DATATYPE, ROLE_TEXTLEN, ROLE_LIST };

    explicit CZTGridCtrl(QWidget* parent = nullptr);
    ~CZTGridCtrl() override;
    using QTableWidget::edit;

    // Counts include the fixed row and column; only 0 or 1 of each can be fixed.
    void SetRowCount(int rows);
    void SetColumnCount(int cols);
    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    void SetFixedRowCount(int rows);
    void SetFixedColumnCount(int cols);
    int GetFixedRowCount() const { return m_nFixedRows; }
    int GetFixedColumnCount() const { return m_nFixedCols; }
    void SetRowResize(int allow);

    void SetCellType(int row, int col, int type);
    int GetCellType(int row, int col) const;
    void FillListItems(int row, int col, const QStringList& items);
    QStringList GetListItems(int row, int col) const;
    // Widens (never narrows) every column whose drop-down lists grew longer choices.
    void FitListColumns();
    void SetTextLen(int row, int col, int len);
    int GetTextLen(int row, int col) const;
    // 30 text, 4 real, 3 integer: what the in-place editor lets the user type.
    void SetCellDataType(int row, int col, int type);
    int GetCellDataType(int row, int col) const;
    void SetItemText(int row, int col, const QString& text);
    QString GetItemText(int row, int col) const;
    // COLORREF 0x00BBGGRR; 0xFF000000 is the grid's default colour.
    void SetItemBkColour(int row, int col, uint32_t colour);
    // An invalid colour for the default.
    QColor GetItemBkColour(int row, int col) const;

    void AutoSizeColumn(int col);
    int GetColumnWidth(int col) const;
    void SetColumnWidth(int col, int width);
    int GetRowHeight(int row) const;
    void ExpandToFit();

    void SetFocusCell(int row, int col);
    void GetFocusCell(int& row, int& col) const;
    // First and last selected rows and columns; 0 and all -1 when nothing is selected.
    int GetSelRange(int& minRow, int& maxRow, int& minCol, int& maxCol) const;

    void OnEditCopy();
    void OnEditPaste();
    void OnEditSelectAll();
    int GetPastMode() const { return m_bPasteMode; }

    void SetColsToPrint(int cols) { m_nColsToPrint = cols; }
    void OnBeginPrinting(QPainter& painter, CPrintInfo& info);
    void OnPrint(QPainter& painter, CPrintInfo& info);
    void OnEndPrinting(QPainter& painter, CPrintInfo& info);

    // Takes the text of an open in-place editor into its cell and closes the editor.
    void EndEditing();
    // Called by the cell editor when the user's text is taken into the cell.
    void CommitEditText(const QModelIndex& index, const QString& text);
    // True while an edit started by a double click is being opened: lists drop down at once.
    bool IsDropDownEdit() const { return m_bDropDownEdit; }

signals:
    void beginEdit(int row, int col);
    void endEdit(int row, int col);
    void pasteFinished();

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WidenForList(int col);
    bool IsFixed(int row, int col) const { return row < m_nFixedRows || col < m_nFixedCols; }
    bool IsValid(int row, int col) const { return row >= 0 && row < m_nRows && col >= 0 && col < m_nCols; }
    // The table item of a data cell, created on demand; null for fixed or invalid cells.
    QTableWidgetItem* DataItem(int row, int col);
    QTableWidgetItem* HeaderItem(int row, int col) const;
    void ApplyCounts();
    void MoveFixedRow(int newCount);
    void MoveFixedColumn(int newCount);
    int FixedColumnTextWidth() const;

    int m_nRows = 0;
    int m_nCols = 0;
    int m_nFixedRows = 0;
    int m_nFixedCols = 0;
    int m_nFixedColWidth = 0;
    QString m_strCorner;
    int m_bPasteMode = 0;
    int m_nColsToPrint = 0;
    bool m_bDropDownEdit = false;
    QPersistentModelIndex m_idxEdit;
    int m_nPendingRow = -1;
    int m_nPendingCol = -1;
    std::unique_ptr<CGridPrinter> m_pPrinter;
};
