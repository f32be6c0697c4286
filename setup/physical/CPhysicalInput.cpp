// Physical inputs: default sheet, validation of the channel cells with their broadcasts, the
// LCD unit lists, the 32-byte channel blocks and the file record.
#include "setup/physical/CPhysicalInput.h"

#include "model/CArchive.h"
#include "model/ChannelNames.h"
#include "model/NumberText.h"
#include "model/StringTable.h"

#include <cstring>
#include <iterator>

namespace {

const char* const g_PhInpLabels[8] = {"Input", "InpTp", "LCDU", "InpLo", "LCDLo", "InpUp", "LCDUp", "Misc."};

// The LCD unit texts every channel offers from the start (degree sign in Windows-1252).
const char* const g_LCDU[9] = {"", "m", "A", "V", "bar", "C", "F", "\xB0" "C", "\xB0" "F"};

constexpr int CELLS = 8;
constexpr int CELL_TYPE = 1;
constexpr int CELL_LCDU = 2;
constexpr int CELL_INPLO = 3;
constexpr int CELL_INPUP = 5;
constexpr int CELL_MISC = 7;
constexpr int LCDU_TEXT_LEN = 4;

// Cells of the five numbers in block order: InpLo, LCDLo, InpUp, LCDUp, Misc.
const int g_BlockParmCells[5] = {3, 4, 5, 6, 7};

std::string TrimLeft(const std::string& text)
{
    size_t pos = text.find_first_not_of(" \t\r\n\f\v");
    return pos == std::string::npos ? std::string() : text.substr(pos);
}

void SelectFirstItem(CNdChnData& cell)
{
    if (!cell.GetData().empty())
        cell.SetSelText(cell.GetData()[0]);
}

}  // namespace

CPhysicalInput::CPhysicalInput()
{
    m_nSetupType = ST_PHYSICAL;
    CreateUnitList();
}

CPhysicalInput::~CPhysicalInput()
{
    m_pDataSheet.reset();
}

void CPhysicalInput::CopyFrom(const CNordaSetupType& other)
{
    CNordaSetupType::CopyFrom(other);
    const auto& physical = dynamic_cast<const CPhysicalInput&>(other);
    m_pUnitList = std::make_unique<CNdChnData>(*physical.m_pUnitList);
}

void CPhysicalInput::CreateUnitList()
{
    m_pUnitList = std::make_unique<CNdChnData>(DT_TEXT, 1, CTRL_EDIT, CLR_GRID_DEFAULT);
    m_pUnitList->GetData().assign(std::begin(g_LCDU), std::end(g_LCDU));
}

void CPhysicalInput::Initialize()
{
    m_strTitle = "Physical Input";
    m_nSetupType = ST_PHYSICAL;
    m_nPrintCols = 8;
    ResetToDefaultSheet();
    CreateUnitList();
}

void CPhysicalInput::CreateDefDataSheet()
{
    ResetSheet();
    CSection header;
    for (const char* label : g_PhInpLabels)
        header.push_back(CreateLabelCell(label));
    m_pDataSheet->AddSection(std::move(header));

    for (int s = 1; s <= CHANNELS; ++s) {
        CSection section;
        section.reserve(CELLS);
        section.push_back(CreateLabelCell(GetPhChnName(s)));
        for (int c = 1; c < CELLS; ++c) {
            short dataType = c <= CELL_LCDU ? DT_TEXT : DT_REAL;
            int editable = c == CELL_TYPE ? 0 : 1;
            auto cell = std::make_unique<CNdChnData>(dataType, editable, CTRL_EDIT, CLR_GRID_DEFAULT);
            cell->SetPropName(g_PhInpLabels[c - 1]);
            if (c == CELL_TYPE) {
                cell->GetData().reserve(m_nInpTypes);
                for (int i = 0; i < m_nInpTypes; ++i)
                    cell->GetData().push_back(m_pInpTypes[i]->pszName);
            } else if (c == CELL_LCDU) {
                cell->GetData().assign(std::begin(g_LCDU), std::end(g_LCDU));
                cell->m_nTextLen = LCDU_TEXT_LEN;
            } else {
                cell->GetData().push_back("0");
            }
            section.push_back(std::move(cell));
        }
        m_pDataSheet->AddSection(std::move(section));
    }

    for (int s = 0; s <= CHANNELS; ++s) {
        for (int c = 0; c < CELLS; ++c)
            SelectFirstItem(*m_pDataSheet->GetProperty(s, c));
    }
}

void CPhysicalInput::SetParm(int section, int cell, const std::string& text)
{
    if (CNdChnData* p = GetProperty(section, cell))
        p->SetSelText(text);
}

int CPhysicalInput::IsChannelActive(int section)
{
    if (!m_pDataSheet || section < 0 || section >= m_pDataSheet->GetNumSections())
        return 0;
    return CellText(section, CELL_TYPE) != m_pInpTypes[0]->pszName ? 1 : 0;
}

void CPhysicalInput::GetActiveChannels(uint32_t sections[24], int& count)
{
    count = 0;
    for (int s = 1; s <= CHANNELS; ++s) {
        if (IsChannelActive(s))
            sections[count++] = static_cast<uint32_t>(s);
    }
}

int CPhysicalInput::IsSelectValid(int section, int cell, const std::string& text)
{
    CNdChnData* p = GetProperty(section, cell);
    int index = -1;
    if (!p || p->GetData().empty() || !p->IsItemExist(text, index))
        return 0;
    p->SetSelText(text);
    return 1;
}

int CPhysicalInput::ValidateInpRange(std::string& text, int section, int cell, bool asHeld)
{
    if (!IsChannelActive(section)) {
        ResetChannel(section);
        return 0;
    }
    std::string typeName = GetCellText(section, CELL_TYPE);
    const INPUT_TYPE* type = nullptr;
    for (int i = 0; i < m_nInpTypes; ++i) {
        if (typeName == m_pInpTypes[i]->pszName) {
            type = m_pInpTypes[i].get();
            break;
        }
    }
    float value = 0;
    if (!type || !IsValidFloat(text, value))
        return 0;
    // Typed, a value beyond the input type's range is moved to its nearest end; held, it stays.
    int result = 1;
    if (value < static_cast<float>(type->nMin)) {
        if (!asHeld)
            text = q4::FormatD(type->nMin);
        result = 0;
    } else if (value > static_cast<float>(type->nMax)) {
        if (!asHeld)
            text = q4::FormatD(type->nMax);
        result = 0;
    }
    if (CNdChnData* p = GetProperty(section, cell))
        p->SetText(text);
    return result;
}

int CPhysicalInput::ValidateData(int section, int cell, const std::string& text)
{
    return DoValidateData(section, cell, text);
}

int CPhysicalInput::DoValidateData(int s, int c, const std::string& text, bool asHeld)
{
    bool failed = false;
    auto fail = [&](unsigned id) {
        Error(s, id, 0);
        failed = true;
    };
    std::string received = text;

    if (c == CELL_TYPE) {
        if (!IsSelectValid(s, CELL_TYPE, text)) {
            fail(62017);
        } else if (text == m_pInpTypes[0]->pszName) {
            ResetChannel(s);
        } else {
            // The channel's present range must fit the newly chosen input type.
            std::string lo = GetCellText(s, CELL_INPLO);
            bool inRange = ValidateInpRange(lo, s, CELL_INPLO, asHeld) != 0;
            if (inRange) {
                std::string up = GetCellText(s, CELL_INPUP);
                inRange = ValidateInpRange(up, s, CELL_INPUP, asHeld) != 0;
            }
            if (!inRange)
                fail(62015);
        }
    } else if (c >= CELL_LCDU && c <= CELL_MISC) {
        if (CellAccess access = GetCellAccess(s, c); access.state == CellAccess::State::Inactive) {
            fail(access.refusal);
        } else if (c == CELL_LCDU) {
            received = TrimLeft(text);
            CNdChnData* p = GetProperty(s, CELL_LCDU);
            int index = -1;
            if (p && p->IsItemExist(received, index)) {
                p->SetSelText(received);
            } else if (p) {
                // A new unit becomes a choice of every channel.
                p->AddItem(received);
                p->SetSelText(received);
                for (int other = 1; other <= CHANNELS; ++other) {
                    CNdChnData* q = GetProperty(other, CELL_LCDU);
                    if (other != s && q)
                        q->AddItem(received);
                }
            }
        } else if (c == CELL_INPLO || c == CELL_INPUP) {
            std::string value = text;
            if (!ValidateInpRange(value, s, c, asHeld))
                fail(62015);
        } else if (CNdChnData* p = GetProperty(s, c)) {
            p->SetText(text);
        }
    }

    BroadcastModify(s, c, received);
    return failed ? 0 : 1;
}

void CPhysicalInput::ResetChannel(int section)
{
    if (section < 1 || section > CHANNELS)
        return;
    for (int c = CELL_TYPE; c <= CELL_MISC; ++c) {
        CNdChnData* p = GetProperty(section, c);
        if (!p)
            continue;
        if (c <= CELL_LCDU)
            SelectFirstItem(*p);
        else
            p->SetText("0");
    }
    BroadcastModify(section, CELL_TYPE, m_pInpTypes[0]->pszName);
}

void CPhysicalInput::MergeUnits()
{
    if (!m_pDataSheet || !m_pUnitList)
        return;
    auto& units = m_pUnitList->GetData();
    for (int s = 1; s <= CHANNELS; ++s) {
        CNdChnData* p = GetProperty(s, CELL_LCDU);
        if (!p)
            continue;
        for (const auto& item : p->GetData()) {
            int index = -1;
            if (!m_pUnitList->IsItemExist(item, index))
                units.push_back(item);
        }
    }
    for (int s = 1; s <= CHANNELS; ++s) {
        CNdChnData* p = GetProperty(s, CELL_LCDU);
        if (!p)
            continue;
        std::string selected = p->GetDataAsString();
        p->m_nCurSel = 0;
        p->GetData() = units;
        p->SetSelText(selected);
    }
}

bool CPhysicalInput::TakesNewChoice(int section, int cell) const
{
    return section >= 1 && section <= CHANNELS && cell == CELL_LCDU;
}

std::string CPhysicalInput::GetInputHint(int section, int cell) const
{
    if (section >= 1 && section <= CHANNELS && (cell == CELL_INPLO || cell == CELL_INPUP)) {
        const std::string& typeName = CellText(section, CELL_TYPE);
        for (int i = 1; i < m_nInpTypes; ++i) {
            const INPUT_TYPE& type = *m_pInpTypes[i];
            if (typeName == type.pszName)
                return FormatString(IDS_HINT_SIGNAL_RANGE,
                                    {q4::FormatD(type.nMin), q4::FormatD(type.nMax), type.pszUnit, type.pszName});
        }
    }
    return CNordaSetupType::GetInputHint(section, cell);
}

CellAccess CPhysicalInput::GetCellAccess(int section, int cell) const
{
    bool channel = section >= 1 && section <= CHANNELS;
    if (channel && cell >= CELL_LCDU && cell <= CELL_MISC && CellText(section, CELL_TYPE) == m_pInpTypes[0]->pszName)
        return {CellAccess::State::Inactive, CELL_TYPE, 62016};
    return CNordaSetupType::GetCellAccess(section, cell);
}

// ---- device block -----------------------------------------------------------------------------

NumberKind CPhysicalInput::GetNumberKind(int section, int cell) const
{
    bool channel = section >= 1 && section <= CHANNELS;
    return channel && cell >= CELL_INPLO && cell <= CELL_MISC ? NumberKind::Real : NumberKind::None;
}

CellHolding CPhysicalInput::GetHolding(int section, int cell, const std::string& text) const
{
    if (section >= 1 && section <= CHANNELS) {
        if (cell == CELL_TYPE)
            return HoldInputType(text);
        if (cell == CELL_LCDU)
            return HoldLCDU(text);
        if (cell >= CELL_INPLO && cell <= CELL_MISC)
            return HoldParm(text);
    }
    return CNordaSetupType::GetHolding(section, cell, text);
}

void CPhysicalInput::GetInputParms(int b, uint8_t* block)
{
    int s = b + 1;
    std::memset(block, 0, 32);
    block[0] = GetInputType(s, CELL_TYPE);
    Get3ByteInpParms(block + 1, s, g_BlockParmCells, 5);
    GetLCDU(s, CELL_LCDU, block + 28);
}

void CPhysicalInput::SetInputParms(int b, const uint8_t* block)
{
    int s = b + 1;
    SetInputType(s, CELL_TYPE, block[0]);
    Set3ByteParms(block + 1, s, g_BlockParmCells, 5);
    SetLCDU(s, CELL_LCDU, block + 28);
    // Received values are checked as if typed, so the other setup types learn the channel.
    DoValidateData(s, CELL_TYPE, GetCellText(s, CELL_TYPE), true);
    if (!IsChannelActive(s)) {
        // A channel that is off refuses its other cells and changes nothing; the other setup
        // types have already let it go, and letting it go again would change nothing either.
        Error(s, 62016, 0);
        return;
    }
    for (int c = CELL_LCDU; c <= CELL_MISC; ++c)
        DoValidateData(s, c, GetCellText(s, c), true);
}

std::vector<HeldValue> CPhysicalInput::DescribeBlock(int b, const uint8_t* block) const
{
    int s = b + 1;
    std::vector<HeldValue> values;
    values.push_back({s, CELL_TYPE, false, DescribeInputType(block[0])});
    values.push_back({s, CELL_LCDU, false, DescribeLCDU(block + 28)});
    std::vector<uint8_t> unused;
    for (int k = 0; k < 5; ++k) {
        const uint8_t* parm = block + 1 + 3 * k;
        values.push_back({s, g_BlockParmCells[k], false, DescribeParm(parm)});
        unused.push_back(static_cast<uint8_t>(parm[2] & ~0x98));
    }
    unused.insert(unused.end(), block + 16, block + 28);
    values.push_back({s, 0, false, UnusedText(unused)});
    return values;
}

std::string CPhysicalInput::RefusalOfHeld(int s, int c) const
{
    if (s < 1 || s > CHANNELS || (c != CELL_INPLO && c != CELL_INPUP))
        return {};
    const std::string typeName = GetCellText(s, CELL_TYPE);
    for (int i = 1; i < m_nInpTypes; ++i) {
        const INPUT_TYPE& type = *m_pInpTypes[i];
        if (typeName != type.pszName)
            continue;
        // In single precision, as the sheet's own check compares them.
        auto value = static_cast<float>(q4::AtoF(GetCellText(s, c)));
        if (value < static_cast<float>(type.nMin) || value > static_cast<float>(type.nMax))
            return FormatString(IDS_HELD_OUTSIDE_OF, {q4::FormatD(type.nMin), q4::FormatD(type.nMax), typeName});
    }
    return {};
}

// ---- file record ------------------------------------------------------------------------------

void CPhysicalInput::DoFileReadWrite(CArchive& ar, unsigned version)
{
    if (ar.IsStoring()) {
        FileWrite(ar, version);
        return;
    }
    FileRead(ar, version);
    MergeUnits();
}
