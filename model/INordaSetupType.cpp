// Default operations of the setup-type interface, label cells and the broadcast of edits.
#include "model/INordaSetupType.h"

#include "model/CSetupRegistry.h"

int INordaSetupType::GetPopupProperties(int, int, PropList&)
{
    return 1;
}

void INordaSetupType::UpdateProperties(int, int, PropList&) {}

void INordaSetupType::DoFileReadWrite(CArchive&, unsigned) {}

void INordaSetupType::OnUpdateModify(int, int, int, const std::string&) {}

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

CNdChnData* INordaSetupType::GetProperty(int section, int cell) const
{
    return m_pDataSheet ? m_pDataSheet->GetProperty(section, cell) : nullptr;
}

std::string INordaSetupType::GetCellText(int section, int cell) const
{
    CNdChnData* p = GetProperty(section, cell);
    return p ? p->GetDataAsString() : std::string();
}
