// The table model of one setup type's data sheet: the sheet's first row and first column are
// the headers, every other cell is an item. Texts typed into an item go through the setup
// type's own validation. Each cell reads, for a screen reader too, as its channel, column and
// value, and says what it takes or why it takes nothing now.
#pragma once

#include "ui/grid/CellColours.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <map>
#include <set>
#include <utility>

class INordaSetupType;

class CSheetModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // What a cell offers the user.
    enum class CellKind { ReadOnly, Text, List, Popup };
    enum Role {
        KindRole = Qt::UserRole + 1,  // CellKind as int
        DataTypeRole,                 // DT_TEXT, DT_REAL or DT_INT
        TextLenRole,                  // the text limit, -1 for none
        ChoicesRole,                  // QStringList of a list cell's items
        LookRole,                     // CellLook as int: how the cell's colours tell what it is
        FindingRole,                  // the worst Severity (as int) of the cell's findings; none without
    };
    // What the set-up checks find in a cell: the worst severity, and each finding as a person
    // reads it ("Error: ...").
    struct CellFindings {
        int severity = 0;
        QStringList texts;
        bool operator==(const CellFindings&) const = default;
    };

    explicit CSheetModel(INordaSetupType& type, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Hands the text to the setup type; false when it refused it (see GetRefusal).
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    INordaSetupType& GetSetupType() const { return m_type; }
    // The sheet's own coordinates of an item: the headers are section 0 and cell 0.
    static int Section(const QModelIndex& index) { return index.row() + 1; }
    static int Cell(const QModelIndex& index) { return index.column() + 1; }
    QModelIndex IndexOf(int section, int cell) const { return index(section - 1, cell - 1); }
    QString GetCornerText() const;
    CellKind GetKind(const QModelIndex& index) const;

    // Tells the views that any cell may have changed: an edit ripples through rows and sheets.
    void Refresh();
    // Cells marked as differing from another set-up, as (section, cell) of the sheet: they look
    // marked, on the screen as on paper, whatever else they are.
    void SetMarkedCells(std::set<std::pair<int, int>> cells);
    const std::set<std::pair<int, int>>& GetMarkedCells() const { return m_marked; }
    CellLook GetLook(const QModelIndex& index) const;
    // The cells with findings of the set-up checks, by (section, cell) of the sheet: marked in the
    // grid, told in the tool-tip and to a screen reader.
    void SetFindings(std::map<std::pair<int, int>, CellFindings> findings);
    const std::map<std::pair<int, int>, CellFindings>& GetFindings() const { return m_findings; }
    // How to make an inactive cell active ("Not active: set InpTp of IN 12 first."); empty for
    // any other cell.
    QString InactiveExplanation(const QModelIndex& index) const;
    // The name of what the cell holds: the row's heading on a sheet of settings (one value
    // column), else the column's heading.
    QString SettingName(const QModelIndex& index) const;
    // The cell as a person names it: "InpLo of IN 11", or the setting alone on a sheet of
    // settings ("Device Number").
    QString CellName(const QModelIndex& index) const;

    // The setup type's message for the last refused text, with a second line on what the cell
    // takes (or how to make it active); empty when the refusal has none (the user cancelled a
    // question).
    const QString& GetRefusal() const { return m_refusal; }

    // Locked: no cell takes a text, for as long as the unit of this set-up is being uploaded.
    void SetLocked(bool locked);
    bool IsLocked() const { return m_locked; }

private:
    QString CellText(int section, int cell) const;
    QString RowName(int section) const;
    // A column's heading in the program's language, without the blanks that pad it.
    QString ColumnName(int cell) const;
    // What the cell takes, as the second line of a refusal: "Device Number takes a whole number
    // from 1 to 62."
    QString TakesLine(const QModelIndex& index) const;
    QString AccessibleText(const QModelIndex& index) const;
    QString AccessibleDescription(const QModelIndex& index) const;

    INordaSetupType& m_type;
    QString m_refusal;
    std::set<std::pair<int, int>> m_marked;
    std::map<std::pair<int, int>, CellFindings> m_findings;
    bool m_locked = false;
};
