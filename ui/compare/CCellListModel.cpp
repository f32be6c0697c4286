// The named cells' table.
#include "ui/compare/CCellListModel.h"

#include "model/HexText.h"
#include "ui/common/CoreTranslation.h"
#include "ui/common/QtText.h"

CCellListModel::CCellListModel(QObject* parent) : QAbstractTableModel(parent) {}

void CCellListModel::SetCells(std::vector<CellDifference> cells, const QString& headingA, const QString& headingB)
{
    beginResetModel();
    m_cells = std::move(cells);
    m_headingA = headingA;
    m_headingB = headingB;
    endResetModel();
}

int CCellListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_cells.size());
}

int CCellListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString CCellListModel::Shown(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            escaped += "\\x";
            q4::AppendHexByte(escaped, static_cast<uint8_t>(c));
        } else {
            escaped += c;
        }
    }
    return q4ui::ToQString(escaped);
}

QVariant CCellListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const CellDifference& cell = m_cells[static_cast<size_t>(index.row())];
    if (role == Qt::ToolTipRole)
        return tr("Double-click to show the cell in its sheet");
    switch (index.column()) {
    case SheetColumn:
        return q4ui::TrSheet(cell.sheetTitle);
    case ChannelColumn:
        return q4ui::TrHeading(q4ui::ToQString(cell.channel)).trimmed();
    case SettingColumn:
        return q4ui::TrHeading(q4ui::ToQString(cell.column)).trimmed();
    case TextAColumn:
        return Shown(cell.textA);
    case TextBColumn:
        return Shown(cell.textB);
    case ReasonColumn:
        return cell.reason.empty() ? QString() : q4ui::TrCore(cell.reason);
    default:
        return {};
    }
}

QVariant CCellListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case SheetColumn:
        return tr("Sheet");
    case ChannelColumn:
        return tr("Channel");
    case SettingColumn:
        return tr("Setting");
    case TextAColumn:
        return m_headingA;
    case TextBColumn:
        return m_headingB;
    case ReasonColumn:
        return tr("Why");
    default:
        return {};
    }
}
