// The unit's interface: the configured annunciator as a whole.
#pragma once

#include "model/INordaSetupType.h"

#include <memory>
#include <string>

class CArchive;

class INordaAlarm {
public:
    virtual ~INordaAlarm() = default;

    virtual int Initialize() = 0;
    // Fills 4 entries of each array; the caller gives room for 4.
    virtual int GetNumTypeSetup(SETUP_TYPE types[], std::string labels[], unsigned& count) = 0;
    virtual int GetNdSetups(INordaSetupType* setups[], int* count) = 0;
    // A new sheet over the same sections as the setup type's own; the caller owns it.
    virtual int GetDataSheet(SETUP_TYPE type, std::unique_ptr<CDataSheet>& sheet) = 0;
    virtual int Serialize(CArchive& ar) = 0;
};
