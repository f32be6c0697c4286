// The setup-type interface through which the unit, the views and the other setup types use one
// of the four parts of the set-up. Setup types reach each other through their set-up's registry.
#pragma once

#include "model/CDataSheet.h"

#include <memory>
#include <string>
#include <vector>

class CArchive;
class CSetupRegistry;

enum SETUP_TYPE { ST_GENERAL = 0, ST_PHYSICAL = 1, ST_LOGICAL = 2, ST_ALARM = 3 };

// What a person may give a cell: a whole number, a number, or any text.
enum class NumberKind { None, Integer, Real };

// Whether a person may change a cell now, and if not, why.
struct CellAccess {
    enum class State { Open, ReadOnly, Inactive };
    State state = State::Open;
    // An inactive cell: the cell of its row that makes it active once set, and the message a
    // text given to it meanwhile is refused with.
    int enablingCell = -1;
    unsigned refusal = 0;
};

// Cells lent to the property dialog: copies owned by the caller.
using PropList = std::vector<std::unique_ptr<CNdChnData>>;

class INordaSetupType {
public:
    INordaSetupType() = default;
    INordaSetupType(const INordaSetupType&) = delete;
    INordaSetupType& operator=(const INordaSetupType&) = delete;
    virtual ~INordaSetupType() = default;

    virtual int ValidateData(int section, int cell, const std::string& text) = 0;
    // A text a person gives a cell (typed, pasted, taken from another set-up, edited or imported
    // on the command line): a number cell takes a number only, stored without the blanks around
    // it and with the point for a comma; anything else is refused with 62012, before the setup
    // type's own checks and with every cell unchanged. Files and downloads do not come this way.
    int EnterText(int section, int cell, const std::string& text);
    // Whether the cell is a number cell, by the setup type's own columns (not by what a file
    // says of the cell).
    virtual NumberKind GetNumberKind(int section, int cell) const;
    // Records an error (a message id for a section) and shows it when show is nonzero.
    virtual void Error(int arg, unsigned id, int show) = 0;
    virtual void SetParm(int section, int cell, const std::string& text) = 0;
    virtual int GetPopupProperties(int section, int cell, PropList& props);
    // A cell that stands for a group of settings: the names of those that are on, in order (what
    // the cell's initials stand for); empty for any other cell, or when none is on.
    virtual std::vector<std::string> GetSettingsOn(int section, int cell) const;
    virtual void UpdateProperties(int section, int cell, PropList& props);
    virtual void Initialize() = 0;
    virtual void DoFileReadWrite(CArchive& ar, unsigned version);
    virtual void ResetChannel(int section) = 0;
    virtual int GetNumChannels() = 0;
    virtual int GetLastError() = 0;
    // Forgets the last error, so that a refusal that records none (the user's own Cancel) is
    // not taken for the one before it.
    virtual void ClearLastError() {}
    virtual void CreateDefDataSheet() = 0;
    virtual void OnUpdateModify(int sourceType, int section, int cell, const std::string& text);
    // One line on what a cell takes (its choices, a range a rule gives, its text limit), for the
    // user who is about to type into it; for a cell that takes nothing now, what makes it
    // available where another setting does; else empty.
    virtual std::string GetInputHint(int section, int cell) const;
    // Whether a list cell also takes a text that is none of its choices (a new LCD unit), as its
    // hint then offers; the cell's editable flag does not say so.
    virtual bool TakesNewChoice(int section, int cell) const;
    // Open: the cell takes a text or a choice (a pop-up cell opens its dialog); ReadOnly: a
    // heading or a copy of another sheet's setting; Inactive: its channel is off, and the cell
    // refuses every text until its enabling cell is set.
    virtual CellAccess GetCellAccess(int section, int cell) const;

    static std::unique_ptr<CNdChnData> CreateLabelCell(const std::string& label);
    // Hands an edit of the source setup type to this one's OnUpdateModify.
    void UpdateModify(int sourceType, int section, int cell, const std::string& text);
    // Sends this setup type's edit to every setup type of its set-up, itself included, General first.
    void BroadcastModify(int section, int cell, const std::string& text);

    // The registry of the set-up this setup type belongs to; null while it belongs to none.
    void SetRegistry(CSetupRegistry* registry) { m_pRegistry = registry; }
    // The setup type of the same set-up in that slot, or null.
    INordaSetupType* GetSibling(SETUP_TYPE type) const;

    CDataSheet* GetSheet() const { return m_pDataSheet.get(); }
    CNdChnData* GetProperty(int section, int cell) const
    {
        return m_pDataSheet ? m_pDataSheet->GetProperty(section, cell) : nullptr;
    }
    // The text of a cell of this sheet, or an empty text when the cell does not exist.
    std::string GetCellText(int section, int cell) const;
    // The same without a copy, for the reactions that look at cells by the thousand; it holds
    // while the cell stays unchanged.
    const std::string& CellText(int section, int cell) const;

    // -1 idle, 0 uploading, 1 downloading: set by the transfer while it moves this setup type's
    // blocks (a download keeps the messages of re-validated blocks to itself).
    int GetTransState() const { return m_nTransState; }
    void SetTransState(int state) { m_nTransState = state; }

    std::string m_strTitle;
    SETUP_TYPE m_nSetupType = ST_GENERAL;
    std::unique_ptr<CDataSheet> m_pDataSheet;
    int m_nPrintCols = 0;

private:
    int m_nTransState = -1;
    CSetupRegistry* m_pRegistry = nullptr;
};
