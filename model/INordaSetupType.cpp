// Default operations of the setup-type interface, label cells and the broadcast of edits.
#include "model/INordaSetupType.h"

#include "model/CSetupRegistry.h"
#include "model/NumberText.h"
#include "model/StringTable.h"

int INordaSetupType::GetPopupProperties(int, int, PropList&)
{
    return 1;
}

void INordaSetupType::UpdateProperties(int, int, PropList&) {}

std::vector<std::string> INordaSetupType::GetSettingsOn(int, int) const
{
    return {};
}

NumberKind INordaSetupType::GetNumberKind(int, int) const
{
    return NumberKind::None;
}

int INordaSetupType::EnterText(int section, int cell, const std::string& text)
{
    NumberKind kind = GetNumberKind(section, cell);
    if (kind == NumberKind::None)
        return ValidateData(section, cell, text);
    std::optional<std::string> number = q4::NumberEntry(text, kind == NumberKind::Integer);
    if (!number) {
        Error(section, 62012, 0);
        return 0;
    }
    return ValidateData(section, cell, *number);
}

void INordaSetupType::DoFileReadWrite(CArchive&, unsigned) {}

void INordaSetupType::OnUpdateModify(int, int, int, const std::string&) {}

std::string INordaSetupType::GetInputHint(int section, int cell) const
{
    const CNdChnData* p = section > 0 && cell > 0 ? GetProperty(section, cell) : nullptr;
    if (!p)
        return std::string();
    if (p->m_nStyle == CTRL_POPUP)
        return LoadString(IDS_HINT_POPUP);
    const std::string limit = p->m_nTextLen >= 0 ? std::to_string(p->m_nTextLen) : std::string();
    const std::vector<std::string>& items = p->GetData();
    if (items.size() > 1) {
        constexpr size_t SHOWN = 8;  // a status line, not the whole list
        std::string list;
        for (size_t i = 0; i < items.size() && i < SHOWN; ++i)
            list += (i ? ", " : "") + items[i];
        if (items.size() > SHOWN)
            list += ", ... " + items.back();
        if (!TakesNewChoice(section, cell))
            return FormatString(IDS_HINT_ONE_OF, {list});
        return limit.empty() ? FormatString(IDS_HINT_ONE_OF_OR_NEW, {list})
                             : FormatString(IDS_HINT_ONE_OF_OR_NEW_LIMIT, {list, limit});
    }
    if (!p->m_bEditable)
        return std::string();
    if (GetNumberKind(section, cell) == NumberKind::Real)
        return LoadString(IDS_HINT_NUMBER);
    if (GetNumberKind(section, cell) == NumberKind::Integer)
        return LoadString(IDS_HINT_WHOLE_NUMBER);
    return limit.empty() ? LoadString(IDS_HINT_TEXT) : FormatString(IDS_HINT_TEXT_LIMIT, {limit});
}

bool INordaSetupType::TakesNewChoice(int, int) const
{
    return false;
}

CellAccess INordaSetupType::GetCellAccess(int section, int cell) const
{
    const CNdChnData* p = section > 0 && cell > 0 ? GetProperty(section, cell) : nullptr;
    bool open = p && (p->m_nStyle == CTRL_POPUP || p->GetData().size() > 1 || p->m_bEditable);
    return {open ? CellAccess::State::Open : CellAccess::State::ReadOnly};
}

std::unique_ptr<CNdChnData> INordaSetupType::CreateLabelCell(const std::string& label)
{
    auto cell = std::make_unique<CNdChnData>(DT_TEXT, 0, CTRL_EDIT, CLR_GRID_DEFAULT);
    cell->GetData().push_back(label);
    cell->SetPropName(label);
    return cell;
}

void INordaSetupType::UpdateModify(int sourceType, int section, int cell, const std::string& text)
{
    OnUpdateModify(sourceType, section, cell, text);
}

void INordaSetupType::BroadcastModify(int section, int cell, const std::string& text)
{
    if (m_pRegistry)
        m_pRegistry->Broadcast(m_nSetupType, section, cell, text);
}

INordaSetupType* INordaSetupType::GetSibling(SETUP_TYPE type) const
{
    return m_pRegistry ? m_pRegistry->Get(type) : nullptr;
}

std::string INordaSetupType::GetCellText(int section, int cell) const
{
    return CellText(section, cell);
}

const std::string& INordaSetupType::CellText(int section, int cell) const
{
    static const std::string none;
    CNdChnData* p = GetProperty(section, cell);
    return p ? p->GetDataAsString() : none;
}
