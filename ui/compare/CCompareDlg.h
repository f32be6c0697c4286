// The modeless window of a comparison: the cells that differ between this set-up and another
// side (a file, the unit), grouped by sheet, with the buttons that take a sheet or everything
// over from the other side. It shows and asks; CCompareController does the work.
#pragma once

#include "compare/CellDifference.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class CCompareDlg : public QDialog {
    Q_OBJECT

public:
    // Data of the list's items (column 0): the sheet on every item; the difference's index in
    // the list given last on a cell's item, -1 on a sheet's.
    enum ItemRole { SheetRole = Qt::UserRole, IndexRole };

    explicit CCompareDlg(QWidget* parent = nullptr);

    // Lists the differences under one top item per sheet; other names the other side (the
    // file's name, "Unit"), summary is the line above the list. The item selected before stays
    // selected when its cell still differs, else its sheet's item.
    void SetDifferences(const std::vector<CellDifference>& differences, const QString& other, const QString& summary);

    // The sheet (setup type slot) of the selected item, or -1.
    int GetSelectedSheet() const;
    QTreeWidget* GetTree() const { return m_tree; }
    QLabel* GetSummary() const { return m_summary; }
    QPushButton* GetTakeSheetButton() const { return m_takeSheet; }
    QPushButton* GetTakeAllButton() const { return m_takeAll; }
    QPushButton* GetCloseButton() const { return m_close; }
    // "Compare with plant.q4g - 12 differences".
    static QString Title(const QString& other, size_t count);

signals:
    // The user double-clicked a difference: its index in the list given last.
    void differenceActivated(int index);
    void takeSheet(int sheet);
    void takeAll();

private:
    void UpdateButtons();

    QLabel* m_summary;
    QTreeWidget* m_tree;
    QPushButton* m_takeSheet;
    QPushButton* m_takeAll;
    QPushButton* m_close;
};
