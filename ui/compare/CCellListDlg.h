// A modeless window listing named cells (what a download could not show as the unit holds it,
// a file's texts the unit cannot hold, the cells an import could not give their text): a line
// above the list says what they are, a double-click shows a cell in its sheet, Copy puts the
// whole list on the clipboard, and the cells are marked in the grids while the window is open.
#pragma once

#include "compare/CellDifference.h"

#include <QDialog>

#include <vector>

class CCellListModel;
class CCompareController;
class QMainWindow;
class QLabel;
class QPushButton;
class QTableView;

class CCellListDlg : public QDialog {
    Q_OBJECT

public:
    CCellListDlg(QMainWindow& frame, CCompareController& compare);

    // Shows the cells (in place of any listed before) and marks them in the grids; headingA and
    // headingB head their two texts.
    void ShowCells(const QString& title, const QString& summary, std::vector<CellDifference> cells,
                   const QString& headingA, const QString& headingB);
    // After a download: the values it could not show as the unit holds them (the core's
    // CHeldCells::NotShownAsHeld).
    void ShowDownload(std::vector<CellDifference> cells);
    // After a file was opened: its texts the unit cannot hold as written (the core's
    // CSetupComparison::NotHeldExactly); with none the window closes.
    void ShowFile(const QString& file, std::vector<CellDifference> cells);
    // After a text was imported: the cells refused or changed (none, when every cell took its
    // text), below what else the import had to say.
    void ShowImport(const QString& file, const QString& summary, std::vector<CellDifference> cells);
    // The line above the list and the list as tab-separated lines under their headings, as
    // Copy puts them on the clipboard.
    QString ListText() const;

    QTableView* GetView() const { return m_view; }
    QLabel* GetSummary() const { return m_summary; }
    QPushButton* GetCloseButton() const { return m_close; }
    QPushButton* GetCopyButton() const { return m_copy; }
    const CCellListModel& GetModel() const { return *m_model; }

protected:
    // Closed or hidden, its marks go.
    void hideEvent(QHideEvent* event) override;

private:
    // Shows the window beside the sheets and marks its cells.
    void Present();

    QMainWindow& m_frame;
    CCompareController& m_compare;
    CCellListModel* m_model;
    QLabel* m_summary;
    QTableView* m_view;
    QPushButton* m_close;
    QPushButton* m_copy;
    bool m_placed = false;  // moved beside the sheets once; the user's place after that
};
