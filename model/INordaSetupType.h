// The setup-type interface through which the unit, the views and the other setup types use one
// of the four parts of the set-up, and the registry through which setup types reach each other.
#pragma once

#include "model/CDataSheet.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

class CArchive;

enum SETUP_TYPE { ST_GENERAL = 0, ST_PHYSICAL = 1, ST_LOGICAL = 2, ST_ALARM = 3 };

// Cells lent to the property dialog: copies owned by the caller.
using PropList = std::vector<std::unique_ptr<CNdChnData>>;

class INordaSetupType {
public:
    INordaSetupType() = default;
    INordaSetupType(const INordaSetupType&) = delete;
    INordaSetupType& operator=(const INordaSetupType&) = delete;
    virtual ~INordaSetupType() = default;

    virtual int ValidateData(int section, int cell, const std::string& text) = 0;
    virtual void SetParm(int section, int cell, const std::string& text) = 0;
    virtual int GetPopupProperties(int section, int cell, PropList& props);
    virtual void UpdateProperties(int section, int cell, PropList& props);
    virtual void Initialize() = 0;
    virtual void DoFileReadWrite(CArchive& ar, unsigned version);
    virtual void ResetChannel(int section) = 0;
    virtual int GetNumChannels() = 0;
    virtual int GetLastError() = 0;
    virtual void CreateDefDataSheet() = 0;
    virtual void OnUpdateModify(int sourceType, int section, int cell, const std::string& text);

    static std::unique_ptr<CNdChnData> CreateLabelCell(const std::string& label);
    // Hands the edit to this setup type's own OnUpdateModify (through its registry entry).
    void UpdateModify(int sourceType, int section, int cell, const std::string& text);
    // Sends the edit to every registered setup type, General first.
    void BroadcastModify(int section, int cell, const std::string& text);

    CDataSheet* GetSheet() const { return m_pDataSheet.get(); }
    CNdChnData* GetProperty(int section, int cell) const;
    // The text of a cell of this sheet, or an empty text when the cell does not exist.
    std::string GetCellText(int section, int cell) const;

    std::atomic<int> m_nTransState{-1};
    std::string m_strTitle;
    SETUP_TYPE m_nSetupType = ST_GENERAL;
    std::unique_ptr<CDataSheet> m_pDataSheet;
    int m_nPrintCols = 0;

    // Indexed by SETUP_TYPE; filled by the unit that owns the setup types.
    static INordaSetupType* m_pNordaSetupTypes[4];
};
