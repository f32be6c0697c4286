// The table through which the setup types of one set-up reach each other, indexed by
// SETUP_TYPE. The unit that owns the setup types holds it; each set-up has its own.
#pragma once

#include <array>
#include <string>

class INordaSetupType;

class CSetupRegistry {
public:
    CSetupRegistry() = default;
    CSetupRegistry(const CSetupRegistry&) = delete;
    CSetupRegistry& operator=(const CSetupRegistry&) = delete;

    // Enters the setup type in slot type (0 to 3) and tells it its registry; null empties the slot.
    void Register(int type, INordaSetupType* setupType);
    // The setup type in that slot, or null.
    INordaSetupType* Get(int type) const;
    // Hands an edit of the source setup type to every registered one, General first.
    void Broadcast(int sourceType, int section, int cell, const std::string& text) const;

private:
    std::array<INordaSetupType*, 4> m_pNordaSetupTypes{};
};
