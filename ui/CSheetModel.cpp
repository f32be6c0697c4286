// The sheet model: roles read from the property cells, edits through the setup type.
#include "ui/CSheetModel.h"

#include "model/INordaSetupType.h"
#include "model/StringTable.h"
#include "ui/CoreTranslation.h"
#include "ui/QtText.h"

#include <QColor>
#include <QStringList>

CSheetModel::CSheetModel(INordaSetupType& type, QObject* parent)
    : QAbstractTableModel(parent), m_type(type)
{
}

int CSheetModel::rowCount(const QModelIndex& parent) const
{
    // A sheet may keep rows beyond its channels (General's spare rows): they are not shown.
    const CDataSheet* sheet = m_type.GetSheet();
    return parent.isValid() || !sheet ? 0 : std::max(0, std::min(m_type.GetNumChannels(), sheet->GetNumSections()) - 1);
}

int CSheetModel::columnCount(const QModelIndex& parent) const
{
    const CDataSheet* sheet = m_type.GetSheet();
    return parent.isValid() || !sheet ? 0 : std::max(0, sheet->GetNumCells(0) - 1);
}

QString CSheetModel::CellText(int section, int cell) const
{
    const CNdChnData* p = m_type.GetProperty(section, cell);
    return p ? q4ui::ToQString(p->GetDataAsString()) : QString();
}

QString CSheetModel::GetCornerText() const
{
    return q4ui::TrHeading(CellText(0, 0));
}

CSheetModel::CellKind CSheetModel::GetKind(const QModelIndex& index) const
{
    const CNdChnData* p = index.isValid() ? m_type.GetProperty(Section(index), Cell(index)) : nullptr;
    if (!p)
        return CellKind::ReadOnly;
    if (p->m_nStyle == CTRL_POPUP)
        return CellKind::Popup;
    if (p->GetData().size() > 1)
        return CellKind::List;
    return p->m_bEditable ? CellKind::Text : CellKind::ReadOnly;
}

QVariant CSheetModel::data(const QModelIndex& index, int role) const
{
    const CNdChnData* p = index.isValid() ? m_type.GetProperty(Section(index), Cell(index)) : nullptr;
    if (!p)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole:  // shown by the view only where the cell cuts the text
        return q4ui::ToQString(p->GetDataAsString());
    case Qt::StatusTipRole:
        return q4ui::TrCore(m_type.GetInputHint(Section(index), Cell(index)));
    case Qt::BackgroundRole:
        if (m_marked.count({Section(index), Cell(index)}))
            return MarkColour();
        if (p->m_crBkColour == CLR_GRID_DEFAULT)
            return QVariant();
        // Colours are kept as 0x00BBGGRR.
        return QColor(static_cast<int>(p->m_crBkColour & 0xFF), static_cast<int>((p->m_crBkColour >> 8) & 0xFF),
                      static_cast<int>((p->m_crBkColour >> 16) & 0xFF));
    case KindRole:
        return static_cast<int>(GetKind(index));
    case DataTypeRole:
        // The editor's filter follows the setup type's rule, not what a file says of the cell.
        switch (m_type.GetNumberKind(Section(index), Cell(index))) {
        case NumberKind::Integer:
            return static_cast<int>(DT_INT);
        case NumberKind::Real:
            return static_cast<int>(DT_REAL);
        case NumberKind::None:
            break;
        }
        return static_cast<int>(DT_TEXT);
    case TextLenRole:
        return p->m_nTextLen;
    case ChoicesRole: {
        QStringList items;
        if (GetKind(index) == CellKind::List) {
            for (const std::string& item : p->GetData())
                items << q4ui::ToQString(item);
        }
        return items;
    }
    default:
        return QVariant();
    }
}

QVariant CSheetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    return q4ui::TrHeading(orientation == Qt::Horizontal ? CellText(0, section + 1) : CellText(section + 1, 0));
}

Qt::ItemFlags CSheetModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    CellKind kind = GetKind(index);
    if ((kind == CellKind::Text || kind == CellKind::List) && !m_bLocked)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool CSheetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    m_strRefusal.clear();
    if (m_bLocked) {
        m_strRefusal = tr("The set-up cannot be changed while its unit is being uploaded.");
        return false;
    }
    m_type.ClearLastError();
    // Typed or pasted alike: a number cell takes a number only, a comma as its point.
    bool accepted = m_type.EnterText(Section(index), Cell(index), q4ui::ToCp1252(value.toString())) != 0;
    if (!accepted && m_type.GetLastError() != 0)
        m_strRefusal = q4ui::TrCore(LoadString(static_cast<unsigned>(m_type.GetLastError())));
    Refresh();
    return accepted;
}

void CSheetModel::SetLocked(bool locked)
{
    m_bLocked = locked;
    Refresh();
}

QColor CSheetModel::MarkColour()
{
    return QColor(0xFF, 0xD0, 0x90);  // a light orange, printed as shown
}

void CSheetModel::SetMarkedCells(std::set<std::pair<int, int>> cells)
{
    if (cells == m_marked)
        return;
    m_marked = std::move(cells);
    int rows = rowCount();
    int cols = columnCount();
    if (rows > 0 && cols > 0)
        emit dataChanged(index(0, 0), index(rows - 1, cols - 1), {Qt::BackgroundRole});
}

void CSheetModel::Refresh()
{
    int rows = rowCount();
    int cols = columnCount();
    if (rows > 0 && cols > 0)
        emit dataChanged(index(0, 0), index(rows - 1, cols - 1));
    if (cols > 0)
        emit headerDataChanged(Qt::Horizontal, 0, cols - 1);
}
