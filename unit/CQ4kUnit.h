// The unit: one set-up. Owns the four setup types in their fixed order and the registry through
// which they reach each other, returns them to defaults, reads and writes them as one document
// and copies a whole set-up from another unit.
#pragma once

#include "model/CNordaSetupType.h"
#include "model/CSetupRegistry.h"
#include "model/INordaAlarm.h"

#include <cstdint>
#include <memory>
#include <string>

class IMessagePrompt;

class CQ4kUnit : public INordaAlarm {
public:
    explicit CQ4kUnit(IMessagePrompt& prompt);
    ~CQ4kUnit() override;
    CQ4kUnit(const CQ4kUnit&) = delete;
    CQ4kUnit& operator=(const CQ4kUnit&) = delete;

    int Initialize() override;
    int GetNumTypeSetup(SETUP_TYPE types[], std::string labels[], unsigned& count) override;
    int GetNdSetups(INordaSetupType* setups[], int* count) override;
    int GetDataSheet(SETUP_TYPE type, std::unique_ptr<CDataSheet>& sheet) override;
    int Serialize(CArchive& ar) override;

    std::string GetTitle(int index) const;
    // The setup type in slot index (0 to 3), or null.
    CNordaSetupType* GetSetupType(int index) const;
    // Expected bytes of a transfer in that direction (0 upload, 1 download).
    uint32_t GetTotalTransBytes(int direction) const;
    // The device (bus) number the unit holds for this set-up's General sheet; 0 for none.
    unsigned long GetDeviceNumber() const;
    // True when a unit read from the line is another device than this set-up is for. A unit
    // whose number is not set (0, as a unit with cleared memory reports) is none: the upload
    // gives it its number.
    bool IsOtherDevice(const CQ4kUnit& read) const;
    // Makes this set-up a copy of the other unit's; each keeps its own prompt and registry.
    void CopyFrom(const CQ4kUnit& other);

    static constexpr unsigned FILE_VERSION = 3;

private:
    // Declared first so that it outlives the setup types registered in it.
    CSetupRegistry m_registry;
    std::unique_ptr<CNordaSetupType> m_pSetupTypes[4];
};
