// The sheet model: roles read from the property cells, edits through the setup type.
#include "ui/grid/CSheetModel.h"

#include "model/INordaSetupType.h"
#include "model/StringTable.h"
#include "ui/common/CoreTranslation.h"
#include "ui/common/QtText.h"

#include <QFont>
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

QString CSheetModel::RowName(int section) const
{
    return q4ui::TrHeading(CellText(section, 0).simplified());
}

CSheetModel::CellKind CSheetModel::GetKind(const QModelIndex& index) const
{
    const CNdChnData* p = index.isValid() ? m_type.GetProperty(Section(index), Cell(index)) : nullptr;
    if (!p || m_type.GetCellAccess(Section(index), Cell(index)).state == CellAccess::State::ReadOnly)
        return CellKind::ReadOnly;
    if (p->m_nStyle == CTRL_POPUP)
        return CellKind::Popup;
    return p->GetData().size() > 1 ? CellKind::List : CellKind::Text;
}

CellLook CSheetModel::GetLook(const QModelIndex& index) const
{
    const CNdChnData* p = index.isValid() ? m_type.GetProperty(Section(index), Cell(index)) : nullptr;
    if (!p)
        return CellLook::Plain;
    if (m_marked.count({Section(index), Cell(index)}))
        return CellLook::Marked;
    switch (m_type.GetCellAccess(Section(index), Cell(index)).state) {
    case CellAccess::State::Inactive:
        return CellLook::Inactive;
    case CellAccess::State::ReadOnly:
        return CellLook::ReadOnly;
    case CellAccess::State::Open:
        break;
    }
    // A cell the setup type colours (a grey copy) looks read-only, whatever the colour.
    return p->m_crBkColour == CLR_GRID_DEFAULT ? CellLook::Plain : CellLook::ReadOnly;
}

QString CSheetModel::ColumnName(int cell) const
{
    return q4ui::TrHeading(CellText(0, cell)).simplified();
}

QString CSheetModel::SettingName(const QModelIndex& index) const
{
    return columnCount() == 1 ? RowName(Section(index)) : ColumnName(Cell(index));
}

QString CSheetModel::CellName(const QModelIndex& index) const
{
    if (columnCount() == 1)
        return SettingName(index);
    return tr("%1 of %2").arg(ColumnName(Cell(index)), RowName(Section(index)));
}

QString CSheetModel::InactiveExplanation(const QModelIndex& index) const
{
    const CellAccess access = m_type.GetCellAccess(Section(index), Cell(index));
    if (access.state != CellAccess::State::Inactive)
        return QString();
    return tr("Not active: set %1 of %2 first.").arg(ColumnName(access.enablingCell), RowName(Section(index)));
}

QString CSheetModel::TakesLine(const QModelIndex& index) const
{
    QString inactive = InactiveExplanation(index);
    if (!inactive.isEmpty())
        return inactive;
    const QString english = q4ui::ToQString(m_type.GetInputHint(Section(index), Cell(index)));
    QString hint = q4ui::TrCore(m_type.GetInputHint(Section(index), Cell(index)));
    if (hint.isEmpty())
        return QString();
    // "A whole number ..." goes on in the middle of a sentence; "LCD ..." keeps its capitals. A
    // translation keeps its own capitals (German nouns).
    const QString first = hint.section(QLatin1Char(' '), 0, 0);
    if (hint == english && (first.size() == 1 || first != first.toUpper()))
        hint[0] = hint[0].toLower();
    return tr("%1 takes %2.").arg(SettingName(index), hint);
}

// A cell of settings reads as their names, not as the initials it shows ("BC").
QString CSheetModel::AccessibleText(const QModelIndex& index) const
{
    QString value = CellText(Section(index), Cell(index)).trimmed();
    const CNdChnData* p = m_type.GetProperty(Section(index), Cell(index));
    if (p && p->m_nStyle == CTRL_POPUP) {
        QStringList names;
        for (const std::string& name : m_type.GetSettingsOn(Section(index), Cell(index)))
            names << q4ui::TrHeading(q4ui::ToQString(name));
        value = names.isEmpty() ? tr("none") : names.join(QStringLiteral(", "));
    }
    return tr("%1, %2: %3").arg(RowName(Section(index)), ColumnName(Cell(index)), value.isEmpty() ? tr("empty") : value);
}

QString CSheetModel::AccessibleDescription(const QModelIndex& index) const
{
    QString description;
    switch (GetKind(index)) {
    case CellKind::ReadOnly: {
        // A cell that another setting makes available says which.
        const QString why = q4ui::TrCore(m_type.GetInputHint(Section(index), Cell(index)));
        description = why.isEmpty() ? tr("Read-only") : tr("Read-only: %1").arg(why);
        break;
    }
    case CellKind::Popup:
    case CellKind::List:
    case CellKind::Text: {
        QString inactive = InactiveExplanation(index);
        description = inactive.isEmpty() ? q4ui::TrCore(m_type.GetInputHint(Section(index), Cell(index))) : inactive;
        break;
    }
    }
    // What the checks find is heard first.
    auto found = m_findings.find({Section(index), Cell(index)});
    if (found == m_findings.end())
        return description;
    const QString findings = found->second.texts.join(QLatin1Char(' '));
    return description.isEmpty() ? findings : findings + QLatin1Char(' ') + description;
}

QVariant CSheetModel::data(const QModelIndex& index, int role) const
{
    const CNdChnData* p = index.isValid() ? m_type.GetProperty(Section(index), Cell(index)) : nullptr;
    if (!p)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return q4ui::ToQString(p->GetDataAsString());
    case Qt::ToolTipRole: {
        // Shown by the view where the cell cuts the text, on an inactive cell and on findings.
        QStringList lines;
        const QString text = q4ui::ToQString(p->GetDataAsString());
        if (!text.trimmed().isEmpty())
            lines << text;
        const QString inactive = InactiveExplanation(index);
        if (!inactive.isEmpty())
            lines << inactive;
        auto found = m_findings.find({Section(index), Cell(index)});
        if (found != m_findings.end())
            lines << found->second.texts;
        return lines.isEmpty() ? text : lines.join(QLatin1Char('\n'));
    }
    case FindingRole: {
        auto found = m_findings.find({Section(index), Cell(index)});
        return found == m_findings.end() ? QVariant() : QVariant(found->second.severity);
    }
    case Qt::StatusTipRole: {
        QString inactive = InactiveExplanation(index);
        return inactive.isEmpty() ? q4ui::TrCore(m_type.GetInputHint(Section(index), Cell(index))) : inactive;
    }
    case Qt::AccessibleTextRole:
        return AccessibleText(index);
    case Qt::AccessibleDescriptionRole:
        return AccessibleDescription(index);
    case Qt::FontRole:
        if (GetLook(index) == CellLook::Inactive) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return QVariant();
    case LookRole:
        return static_cast<int>(GetLook(index));
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
    if ((kind == CellKind::Text || kind == CellKind::List) && !m_locked)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool CSheetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    m_refusal.clear();
    if (m_locked) {
        m_refusal = tr("The set-up cannot be changed while its unit is being uploaded.");
        return false;
    }
    m_type.ClearLastError();
    // Typed or pasted alike: a number cell takes a number only, a comma as its point.
    bool accepted = m_type.EnterText(Section(index), Cell(index), q4ui::ToCp1252(value.toString())) != 0;
    if (!accepted && m_type.GetLastError() != 0) {
        m_refusal = q4ui::TrCore(LoadString(static_cast<unsigned>(m_type.GetLastError())));
        QString takes = TakesLine(index);
        if (!takes.isEmpty())
            m_refusal += QLatin1Char('\n') + takes;
    }
    Refresh();
    return accepted;
}

void CSheetModel::SetLocked(bool locked)
{
    m_locked = locked;
    Refresh();
}

void CSheetModel::SetMarkedCells(std::set<std::pair<int, int>> cells)
{
    if (cells == m_marked)
        return;
    m_marked = std::move(cells);
    int rows = rowCount();
    int cols = columnCount();
    if (rows > 0 && cols > 0)
        emit dataChanged(index(0, 0), index(rows - 1, cols - 1), {LookRole});
}

void CSheetModel::SetFindings(std::map<std::pair<int, int>, CellFindings> findings)
{
    if (findings == m_findings)
        return;
    m_findings = std::move(findings);
    int rows = rowCount();
    int cols = columnCount();
    if (rows > 0 && cols > 0)
        emit dataChanged(index(0, 0), index(rows - 1, cols - 1),
                         {FindingRole, Qt::ToolTipRole, Qt::AccessibleDescriptionRole});
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
