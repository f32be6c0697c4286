// Registering setup types and handing edits round.
#include "model/CSetupRegistry.h"

#include "model/INordaSetupType.h"

void CSetupRegistry::Register(int type, INordaSetupType* setupType)
{
    if (type < 0 || type >= static_cast<int>(m_pNordaSetupTypes.size()))
        return;
    m_pNordaSetupTypes[static_cast<size_t>(type)] = setupType;
    if (setupType)
        setupType->SetRegistry(this);
}

INordaSetupType* CSetupRegistry::Get(int type) const
{
    if (type < 0 || type >= static_cast<int>(m_pNordaSetupTypes.size()))
        return nullptr;
    return m_pNordaSetupTypes[static_cast<size_t>(type)];
}

void CSetupRegistry::Broadcast(int sourceType, int section, int cell, const std::string& text) const
{
    for (INordaSetupType* type : m_pNordaSetupTypes) {
        if (type)
            type->UpdateModify(sourceType, section, cell, text);
    }
}
