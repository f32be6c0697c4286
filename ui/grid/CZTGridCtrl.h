// The grid control: a table view over a sheet model whose header row and column stay in view,
// in-place editors by cell kind, the keys of a spreadsheet, clipboard commands and columns that
// fit their texts; CGridPrinter prints from its cells. It shows and collects: what a typed text
// does is for its owner to decide (see endEdit).
#pragma once

#include "ui/grid/CellColours.h"

#include <QTableView>

class CSheetModel;

class CZTGridCtrl : public QTableView {
    Q_OBJECT

public:
    explicit CZTGridCtrl(QWidget* parent = nullptr);
    ~CZTGridCtrl() override;
    using QTableView::edit;

    // The grid shows the model; the model stays its owner's.
    void SetSheetModel(CSheetModel* model);
    CSheetModel* GetSheetModel() const { return m_pModel; }

    // Grid coordinates: row 0 and column 0 are the fixed headers, as in the sheet.
    int GetRowCount() const;
    int GetColumnCount() const;
    int GetFixedRowCount() const { return 1; }
    int GetFixedColumnCount() const { return 1; }
    QString GetItemText(int row, int col) const;
    CellLook GetItemLook(int row, int col) const;
    // The background the grid shows, by the grid's palette; an invalid colour for the default.
    QColor GetItemBkColour(int row, int col) const;
    int GetColumnWidth(int col) const;
    QModelIndex IndexAt(int row, int col) const;

    // Every column as wide as its widest text or its header, whichever is wider.
    void FitColumns();

    void SetFocusCell(int row, int col);
    void GetFocusCell(int& row, int& col) const;
    // First and last selected rows and columns; 0 and all -1 when nothing is selected.
    int GetSelRange(int& minRow, int& maxRow, int& minCol, int& maxCol) const;

    void OnEditCopy();
    // Hands the clipboard's tab-separated texts from the top-left selected cell on to the owner,
    // each as a finished edit, with the paste mode on.
    void OnEditPaste();
    void OnEditSelectAll();
    bool GetPastMode() const { return m_bPasteMode; }

    // Takes the text of an open in-place editor and closes the editor.
    void EndEditing();
    // Called by the cell editor with the user's text; announced once the editor is gone.
    void CommitEditText(const QModelIndex& index, const QString& text);
    // The owner's answer to endEdit when it did not take the text: the cursor stays on the cell
    // instead of moving on with Enter or Tab, so that the corrected text goes there.
    void RefuseEdit() { m_bEditRefused = true; }
    // True while an edit started by a double click is being opened: lists drop down at once.
    bool IsDropDownEdit() const { return m_bDropDownEdit; }

signals:
    // The user wants to edit a cell (read-only and pop-up cells included: a pop-up cell opens
    // a dialog of its own).
    void beginEdit(int row, int col);
    // The user typed, chose or pasted a text for a cell.
    void endEdit(int row, int col, const QString& text);
    void pasteFinished();

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowStatusHint(const QModelIndex& index);

    CSheetModel* m_pModel = nullptr;
    bool m_bPasteMode = false;
    bool m_bDropDownEdit = false;
    bool m_bEditRefused = false;
    QPersistentModelIndex m_idxEdit;
    QPersistentModelIndex m_idxPending;
    QString m_strPending;
};
