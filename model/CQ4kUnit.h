// The unit: owns the four setup types in their fixed order, registers them, returns them to
// defaults and reads and writes them as one document.
#pragma once

#include "model/INordaAlarm.h"
#include "model/CNordaSetupType.h"

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

    static constexpr unsigned FILE_VERSION = 3;

private:
    std::unique_ptr<CNordaSetupType> m_pSetupTypes[4];
};
