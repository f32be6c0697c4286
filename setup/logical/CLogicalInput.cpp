// Logical inputs: default sheet, validation of the input selections, the selection lists kept
// in step with the physical channels and the earlier logical inputs, and the parameter copies.
#include "setup/logical/CLogicalInput.h"

#include "model/CArchive.h"
#include "model/ChannelNames.h"
#include "model/StringTable.h"
#include "setup/physical/CPhysicalInput.h"

#include <cstring>

namespace {

const char* const g_LogInpLabels[13] = {"Logical Input", "I1", "I2", "I3", "I4", "I5", "I6",
                                        "I7", "I8", "I9", "I10", "I11", "I12"};
// Physical header cells 1 to 7 give the captions of the parameter columns.
const char* const g_ParmLabels[7] = {"InpTp", "LCDU", "InpLo", "LCDLo", "InpUp", "LCDUp", "Misc."};

constexpr int SECTIONS = 9;
constexpr int PARMS = 7;
// Parameter cells of the five numbers in block order: InpLo, LCDLo, InpUp, LCDUp, Misc.
const int g_BlockParmCells[5] = {15, 16, 17, 18, 19};
constexpr int CELL_INPTP = 13;
constexpr int CELL_LCDU = 14;
constexpr int REF_FIRST_LOG = 24;
constexpr int REF_LAST_LOG = 46;
constexpr uint32_t CLR_PARM_GREY = 0x00D3D3D3;
const char g_Off[] = "OFF";
// Text handed to the alarms when a logical input's parameters were copied or emptied.
const char g_ParmsChanged[] = "PARMS";

std::string TrimLeft(const std::string& text)
{
    size_t pos = text.find_first_not_of(" \t\r\n\f\v");
    return pos == std::string::npos ? std::string() : text.substr(pos);
}

bool HoldsItem(const CNdChnData* cell, const std::string& text)
{
    int index = -1;
    return cell && cell->IsItemExist(text, index);
}

bool IsDigits(const std::string& text)
{
    if (text.empty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

}  // namespace

CLogicalInput::CLogicalInput()
{
    m_strTitle = "Logical Input";
    m_nSetupType = ST_LOGICAL;
    m_nPrintCols = 13;
}

CLogicalInput::~CLogicalInput()
{
    m_pDataSheet.reset();
}

CPhysicalInput* CLogicalInput::GetPhysical() const
{
    return dynamic_cast<CPhysicalInput*>(GetSibling(ST_PHYSICAL));
}

void CLogicalInput::Initialize()
{
    m_strTitle = "Logical Input";
    m_nSetupType = ST_LOGICAL;
    m_nPrintCols = 13;
    ResetToDefaultSheet();
    TakeParmCaptions();
}

void CLogicalInput::TakeParmCaptions()
{
    CPhysicalInput* physical = GetPhysical();
    for (int j = 1; j <= PARMS; ++j) {
        CNdChnData* caption = GetProperty(0, FIRST_PARM - 1 + j);
        if (!caption)
            continue;
        CNdChnData* source = physical ? physical->GetProperty(0, j) : nullptr;
        *caption = source ? *source : *CreateLabelCell(g_ParmLabels[j - 1]);
    }
}

void CLogicalInput::CreateDefDataSheet()
{
    ResetSheet();
    CSection header;
    for (const char* label : g_LogInpLabels)
        header.push_back(CreateLabelCell(label));
    CPhysicalInput* physical = GetPhysical();
    for (int j = 1; j <= PARMS; ++j) {
        CNdChnData* source = physical ? physical->GetProperty(0, j) : nullptr;
        if (source)
            header.push_back(std::make_unique<CNdChnData>(*source));
        else
            header.push_back(CreateLabelCell(g_ParmLabels[j - 1]));
    }
    m_pDataSheet->AddSection(std::move(header));

    for (int n = 1; n < SECTIONS; ++n) {
        CSection section;
        section.reserve(1 + SEL_CELLS + PARMS);
        section.push_back(CreateLabelCell(g_LogInpChn[n]));
        for (int k = 1; k <= SEL_CELLS; ++k) {
            auto cell = std::make_unique<CNdChnData>(DT_TEXT, 1, CTRL_EDIT, CLR_GRID_DEFAULT);
            cell->SetPropName(g_LogInpLabels[k - 1]);
            cell->GetData().push_back(g_Off);
            section.push_back(std::move(cell));
        }
        for (int j = 0; j < PARMS; ++j) {
            auto cell = std::make_unique<CNdChnData>(DT_TEXT, 0, CTRL_EDIT, CLR_PARM_GREY);
            cell->GetData().push_back(std::string());
            section.push_back(std::move(cell));
        }
        m_pDataSheet->AddSection(std::move(section));
    }
}

void CLogicalInput::SetParm(int section, int cell, const std::string& text)
{
    if (CNdChnData* p = GetProperty(section, cell))
        p->SetSelText(text);
}

void CLogicalInput::SelectText(int n, int k, const std::string& text)
{
    if (CNdChnData* p = GetProperty(n, k))
        p->SetSelText(text);
}

// ---- look-ups -----------------------------------------------------------------------------------

int CLogicalInput::IsOtherParmActive(int n, int x)
{
    if (!m_pDataSheet || n < 0 || n >= m_pDataSheet->GetNumSections())
        return 0;
    for (int k = 1; k <= SEL_CELLS; ++k) {
        if (k != x && CellText(n, k) != g_Off)
            return 1;
    }
    return 0;
}

int CLogicalInput::VerifyPhInps(int p, int n)
{
    CPhysicalInput* physical = GetPhysical();
    if (!physical || !physical->GetSheet() || p < 0 || p >= physical->GetSheet()->GetNumSections())
        return 0;
    for (int j = 1; j <= PARMS; ++j) {
        if (TrimLeft(physical->GetCellText(p, j)) != TrimLeft(GetCellText(n, FIRST_PARM - 1 + j)))
            return 0;
    }
    return 1;
}

int CLogicalInput::VerifyLogInps(int m, int n)
{
    if (!m_pDataSheet || m < 0 || m >= m_pDataSheet->GetNumSections())
        return 0;
    for (int j = 0; j < PARMS; ++j) {
        if (CellText(m, FIRST_PARM + j) != CellText(n, FIRST_PARM + j))
            return 0;
    }
    return 1;
}

// ---- parameter copies -------------------------------------------------------------------------

void CLogicalInput::NotifyAlarms(int n, const std::string& text)
{
    if (INordaSetupType* alarms = GetSibling(ST_ALARM))
        alarms->UpdateModify(ST_LOGICAL, n, -1, text);
}

int CLogicalInput::UpdateInpParms(int n, int p)
{
    if (p >= 0) {
        CPhysicalInput* physical = GetPhysical();
        for (int j = 0; j < PARMS; ++j) {
            if (CNdChnData* cell = GetProperty(n, FIRST_PARM + j))
                cell->SetText(physical ? physical->GetCellText(p, 1 + j) : std::string());
        }
    } else {
        ResetPhInpParms(n);
    }
    NotifyAlarms(n, g_ParmsChanged);
    return 1;
}

int CLogicalInput::UpDataLogInp(int n, const std::string& name)
{
    if (name == g_Off) {
        ResetPhInpParms(n);
    } else {
        int m = GetLogChnIndex(name);
        for (int j = 0; j < PARMS; ++j) {
            if (CNdChnData* cell = GetProperty(n, FIRST_PARM + j))
                cell->SetText(GetCellText(m, FIRST_PARM + j));
        }
    }
    NotifyAlarms(n, name);
    return 1;
}

void CLogicalInput::ResetPhInpParms(int n)
{
    for (int j = 0; j < PARMS; ++j) {
        if (CNdChnData* cell = GetProperty(n, FIRST_PARM + j))
            cell->SetText(std::string());
    }
    NotifyAlarms(n, g_ParmsChanged);
}

// ---- selection lists ----------------------------------------------------------------------------

void CLogicalInput::AddSelChannel(int n, int x, const std::string& name)
{
    for (int k = 1; k <= SEL_CELLS; ++k) {
        CNdChnData* cell = GetProperty(n, k);
        if (k != x && cell && !HoldsItem(cell, name))
            cell->Put(name, 1, 1);
    }
}

void CLogicalInput::RemoveSelChannel(int n, int x, const std::string& name)
{
    for (int k = 1; k <= SEL_CELLS; ++k) {
        CNdChnData* cell = GetProperty(n, k);
        if (k != x && cell)
            cell->RemoveItem(name);
    }
}

void CLogicalInput::AddLogInpToDataSheet(int n)
{
    std::string name = GetLogChnName(n);
    for (int m = n + 1; m <= LOG_INPUTS; ++m) {
        for (int k = 1; k <= SEL_CELLS; ++k) {
            CNdChnData* cell = GetProperty(m, k);
            if (cell && !HoldsItem(cell, name))
                cell->Put(name, 1, 1);
        }
    }
}

// Inputs only feed later inputs, so a chain is at most LOG_INPUTS long; the depth bound only
// protects against a file whose logical inputs refer to each other in a circle.
void CLogicalInput::RemoveInactLogChn(int n, int depth)
{
    if (depth > LOG_INPUTS)
        return;
    std::string name = GetLogChnName(n);
    for (int r = 1; r <= LOG_INPUTS; ++r) {
        if (r == n)
            continue;
        for (int k = 1; k <= SEL_CELLS; ++k) {
            if (!HoldsItem(GetProperty(r, k), name))
                continue;
            std::string cur = GetCellText(r, k);
            RemoveSelChannel(r, -1, name);
            if (cur == name && !IsOtherParmActive(r, -1)) {
                SelectText(r, k, g_Off);
                ResetPhInpParms(r);
                RemoveInactLogChn(r, depth + 1);
            }
        }
    }
}

int CLogicalInput::UpdateModifyLogInput(int n, int depth)
{
    if (depth > LOG_INPUTS)
        return 1;
    std::string name = GetLogChnName(n);
    for (int r = 1; r <= LOG_INPUTS; ++r) {
        if (r == n)
            continue;
        for (int k = 1; k <= SEL_CELLS; ++k) {
            if (CellText(r, k) != name)
                continue;
            if (IsOtherParmActive(r, k)) {
                // Logical input r has other inputs: it keeps their parameters.
                if (!VerifyLogInps(n, r)) {
                    SelectText(r, k, g_Off);
                    AddSelChannel(r, k, name);
                }
                return 1;
            }
            UpDataLogInp(r, name);
            UpdateModifyLogInput(r, depth + 1);
        }
    }
    return 1;
}

// ---- edits --------------------------------------------------------------------------------------

int CLogicalInput::ValidateData(int section, int cell, const std::string& typed)
{
    int n = section;
    int k = cell;
    if (n < 0 || n > 8 || typed.empty() || k < 1 || k > SEL_CELLS)
        return 0;
    if (typed == GetLogChnName(n))
        return 0;

    std::string text = typed;
    if (IsDigits(text)) {
        // "11" stands for "IN 11".
        for (const char* name : g_PhInpChn) {
            std::string full = name;
            if (full.size() >= 2 && full.substr(full.size() - 2) == text) {
                text = full;
                break;
            }
        }
    }

    CNdChnData* p = GetProperty(n, k);
    if (!HoldsItem(p, text)) {
        Error(n, 62013, 0);
        return 0;
    }

    bool failed = false;
    std::string old = p->GetDataAsString();
    bool physical = !text.empty() && text[0] == 'I';
    bool logical = !text.empty() && text[0] == 'L';

    if (IsOtherParmActive(n, k)) {
        int index = physical ? GetPhChnIndex(text) : logical ? GetLogChnIndex(text) : -1;
        if (index >= 0) {
            bool compatible = physical ? VerifyPhInps(index, n) != 0 : VerifyLogInps(index, n) != 0;
            if (compatible) {
                SelectText(n, k, text);
                AddSelChannel(n, k, old);
                RemoveSelChannel(n, k, text);
            } else {
                Error(n, 62014, 0);
                failed = true;
                SelectText(n, k, g_Off);
                AddSelChannel(n, k, old);
            }
        } else {
            if (text != g_Off) {
                Error(n, 62013, 0);
                failed = true;
            }
            SelectText(n, k, g_Off);
            AddSelChannel(n, k, old);
        }
    } else if (text == g_Off) {
        ResetPhInpParms(n);
        AddSelChannel(n, k, old);
        RemoveInactLogChn(n);
        SelectText(n, k, g_Off);
    } else if (physical || logical) {
        // The only selection: logical input n takes over the parameters of its input.
        if (physical)
            UpdateInpParms(n, GetPhChnIndex(text));
        else
            UpDataLogInp(n, text);
        AddSelChannel(n, k, old);
        RemoveSelChannel(n, k, text);
        AddLogInpToDataSheet(n);
        SelectText(n, k, text);
    }

    BroadcastModify(n, k, text);
    return failed ? 0 : 1;
}

void CLogicalInput::ResetChannel(int n)
{
    if (n < 1 || n >= SECTIONS)
        return;
    for (int k = 1; k <= SEL_CELLS; ++k) {
        std::string old = GetCellText(n, k);
        SelectText(n, k, g_Off);
        AddSelChannel(n, k, old);
    }
    // Out of use, it shows no settings, as when its last input is turned off: an upload then
    // sends none, and a download gives back what was uploaded.
    ResetPhInpParms(n);
    RemoveInactLogChn(n);
    BroadcastModify(n, 1, g_Off);
}

void CLogicalInput::OnUpdateModify(int sourceType, int section, int cell, const std::string& text)
{
    if (sourceType == ST_PHYSICAL)
        UpdatePropSheet(section, cell, text);
}

void CLogicalInput::UpdatePropSheet(int p, int, const std::string&)
{
    CPhysicalInput* physical = GetPhysical();
    if (!physical || !m_pDataSheet || p < 1 || p > 24)
        return;
    std::string name = GetPhChnName(p);
    bool active = physical->IsChannelActive(p) != 0;
    // Set once any selection list holds the channel; deliberately kept across logical inputs.
    bool offered = false;
    for (int n = 1; n <= LOG_INPUTS; ++n) {
        for (int k = 1; k <= SEL_CELLS; ++k) {
            if (!HoldsItem(GetProperty(n, k), name))
                continue;
            offered = true;
            std::string cur = GetCellText(n, k);
            if (cur != name) {
                if (!active)
                    RemoveSelChannel(n, -1, name);
            } else if (!active) {
                RemoveSelChannel(n, -1, name);
                if (!IsOtherParmActive(n, k)) {
                    ResetPhInpParms(n);
                    RemoveInactLogChn(n);
                }
            } else if (!IsOtherParmActive(n, k)) {
                UpdateInpParms(n, p);
                UpdateModifyLogInput(n);
            } else if (!VerifyPhInps(p, n)) {
                SelectText(n, k, g_Off);
                AddSelChannel(n, k, name);
            }
        }
        if (!offered && active)
            AddSelChannel(n, SEL_CELLS + 1, name);
    }
}

// ---- device block -----------------------------------------------------------------------------

CellHolding CLogicalInput::GetHolding(int section, int cell, const std::string& text) const
{
    bool active = false;
    for (int k = 1; k <= SEL_CELLS && section >= 1 && section <= LOG_INPUTS; ++k)
        active = active || CellText(section, k) != "OFF";
    // The parameters of a logical input in use are copies the unit holds; one not in use shows
    // none, whatever the unit keeps.
    if (active) {
        if (cell == CELL_INPTP)
            return HoldInputType(text);
        if (cell == CELL_LCDU)
            return HoldLCDU(text);
        if (cell > CELL_LCDU && cell < FIRST_PARM + PARMS)
            return HoldParm(text);
    }
    return CNordaSetupType::GetHolding(section, cell, text);
}

void CLogicalInput::GetLogInpDataBlock(int b, uint8_t* block)
{
    int s = b + 1;
    std::memset(block, 0, 32);
    block[0] = GetInputType(s, CELL_INPTP);
    Get3ByteInpParms(block + 1, s, g_BlockParmCells, 5);
    GetInputReference(s, block + 16);
    GetLCDU(s, CELL_LCDU, block + 28);
}

void CLogicalInput::GetInputReference(int s, uint8_t* refs)
{
    for (int k = 1; k <= SEL_CELLS; ++k) {
        std::string text = GetCellText(s, k);
        int code = REF_OFF;
        if (!text.empty() && text[0] == 'I')
            code = GetPhChnIndex(text) - 1;
        else if (!text.empty() && text[0] == 'L')
            code = GetLogChnIndex(text) + REF_FIRST_LOG - 1;
        refs[k - 1] = static_cast<uint8_t>(code);
    }
}

void CLogicalInput::SetLogInpParms(int b, const uint8_t* block)
{
    int s = b + 1;
    SetInputType(s, CELL_INPTP, block[0]);
    Set3ByteParms(block + 1, s, g_BlockParmCells, 5);
    SetInputReference(s, block + 16);
    SetLCDU(s, CELL_LCDU, block + 28);
    // Received selections are checked as if typed: parameters are copied from the first
    // input, mismatching inputs turned off, and the other setup types informed.
    for (int k = 1; k <= SEL_CELLS; ++k)
        ValidateData(s, k, GetCellText(s, k));
    if (IsOtherParmActive(s, -1))
        AddLogInpToDataSheet(s);
}

std::vector<HeldValue> CLogicalInput::DescribeBlock(int b, const uint8_t* block) const
{
    int s = b + 1;
    std::vector<HeldValue> values;
    for (int k = 1; k <= SEL_CELLS; ++k) {
        int code = block[16 + k - 1];
        std::string name = code < REF_FIRST_LOG   ? GetPhChnName(code + 1)
                           : code <= REF_LAST_LOG ? "LOG" + std::to_string(code - REF_FIRST_LOG + 1)
                           : code == REF_OFF      ? std::string(g_Off)
                                                  : CodeText(static_cast<unsigned long>(code));
        values.push_back({s, k, false, name});
    }
    values.push_back({s, CELL_INPTP, false, DescribeInputType(block[0])});
    values.push_back({s, CELL_LCDU, false, DescribeLCDU(block + 28)});
    std::vector<uint8_t> unused;
    for (int k = 0; k < 5; ++k) {
        const uint8_t* parm = block + 1 + 3 * k;
        values.push_back({s, g_BlockParmCells[k], false, DescribeParm(parm)});
        unused.push_back(static_cast<uint8_t>(parm[2] & ~0x98));
    }
    values.push_back({s, 0, false, UnusedText(unused)});
    return values;
}

void CLogicalInput::SetInputReference(int s, const uint8_t* refs)
{
    for (int k = 1; k <= SEL_CELLS; ++k) {
        int code = refs[k - 1];
        std::string name;
        // The sheet's four-letter names reach LOG8; a later number would read as LOG1 or LOG2.
        if (code < REF_FIRST_LOG)
            name = GetPhChnName(code + 1);
        else if (code < REF_FIRST_LOG + 8)
            name = GetLogChnName(code - REF_FIRST_LOG + 1);
        else if (code == REF_OFF)
            name = g_Off;
        // Only an input the list offers is selected: one that is off, or a code of nothing,
        // leaves the selection as it is, and a download names it.
        CNdChnData* p = GetProperty(s, k);
        int index = -1;
        if (p && !name.empty() && p->IsItemExist(name, index))
            p->m_nCurSel = index;
    }
}

// ---- file record ------------------------------------------------------------------------------

void CLogicalInput::DoFileReadWrite(CArchive& ar, unsigned version)
{
    if (ar.IsStoring())
        FileWrite(ar, version);
    else if (version >= 3)
        FileRead(ar, version);
    else
        ReadOldRecord(ar, version);
}

// Files of versions 0 to 2 hold the header and logical inputs 1 to 7 only, and name logical
// inputs in the selection lists by their full names ("LOG1 (1A)").
void CLogicalInput::ReadOldRecord(CArchive& ar, unsigned version)
{
    ReadRecordHead(ar);
    if (!m_pDataSheet)
        throw CArchiveException(CArchiveException::BAD_SCHEMA, LoadString(IDS_NO_SHEET));
    for (int s = 0; s <= LOG_INPUTS; ++s)
        ReadSection(ar, version, s, true);
    for (int n = 1; n <= LOG_INPUTS; ++n) {
        for (int k = 1; k <= SEL_CELLS; ++k) {
            CNdChnData* cell = GetProperty(n, k);
            if (!cell)
                continue;
            for (auto& item : cell->GetData()) {
                int index = GetLogChnIndex(item);
                if (index > 0)
                    item = GetLogChnName(index);
            }
        }
    }
}
