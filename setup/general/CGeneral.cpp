// General constants: default sheet, validation with the initialisation confirmations,
// device values, and the reader for every document version.
#include "setup/general/CGeneral.h"

#include "model/CArchive.h"
#include "model/IMessagePrompt.h"
#include "model/NumberText.h"
#include "model/StringTable.h"
#include "setup/general/GeneralRows.h"

#include <cmath>

namespace {

// Older documents (versions 0 and 1) hold 14 rows in this order of sheet sections.
// The ranges of the device number (row 3) and of the hysteresis in % (row 14).
constexpr int DEVICE_MIN = 1;
constexpr int DEVICE_MAX = 62;
constexpr float HYSTERESIS_MAX = 12.5f;

const int g_OldRowMap[14] = {0, 1, 2, 3, 6, 5, 8, 10, 7, 11, 9, 12, 13, 14};

bool IsOnOffSection(int section)
{
    return section == 7 || section == 8 || section == 10 || section == 12 || section == 13;
}

bool IsCodeSection(int section)
{
    return section == 1 || section == 2 || section == 4 || section == 9 || section == 11;
}

}  // namespace

CGeneral::CGeneral() = default;

CGeneral::~CGeneral() = default;

void CGeneral::Initialize()
{
    m_strTitle = "General";
    m_nSetupType = ST_GENERAL;
    m_nPrintCols = 2;
    ResetToDefaultSheet();
}

void CGeneral::CreateDefDataSheet()
{
    ResetSheet();
    CSection header;
    header.push_back(CreateLabelCell("Constants"));
    header.push_back(CreateLabelCell("Selections  "));
    m_pDataSheet->AddSection(std::move(header));

    for (int s = 1; s <= GEN_ROWS; ++s) {
        const GeneralRow& row = GetGeneralRow(s);
        CSection section;
        section.push_back(CreateLabelCell(row.label));
        auto value = std::make_unique<CNdChnData>(row.dataType, row.editable, CTRL_EDIT, CLR_GRID_DEFAULT);
        value->SetPropName(row.label);
        if (row.choices) {
            value->GetData().assign(row.choices, row.choices + row.choiceCount);
            value->m_nCurSel = row.defaultChoice;
        } else {
            value->GetData().push_back(q4::FormatD(row.defaultChoice));
        }
        section.push_back(std::move(value));
        m_pDataSheet->AddSection(std::move(section));
    }

    for (const char* name : g_GenReservedNames) {
        CSection section;
        auto label = std::make_unique<CNdChnData>(DT_TEXT, 0, CTRL_EDIT, CLR_GRID_DEFAULT);
        label->SetPropName(name);
        section.push_back(std::move(label));
        auto value = std::make_unique<CNdChnData>(DT_TEXT, 0, CTRL_EDIT, CLR_GRID_DEFAULT);
        value->GetData().push_back("NON");
        section.push_back(std::move(value));
        m_pDataSheet->AddSection(std::move(section));
    }
}

void CGeneral::SetParm(int section, int cell, const std::string& text)
{
    if (CNdChnData* p = GetProperty(section, cell))
        p->SetSelText(text);
}

void CGeneral::ResetChannel(int) {}

void CGeneral::OnUpdateModify(int, int, int, const std::string&) {}

int CGeneral::ValidateData(int section, int cell, const std::string& text)
{
    int result = 0;
    if (section >= 1 && section <= GEN_ROWS) {
        const GeneralRow& row = GetGeneralRow(section);
        if (section == 1 && (text == "CONFIG" || text == "CONF + GEN")) {
            unsigned warning = text == "CONFIG" ? IDS_CONFIG_WARNING : IDS_CONF_GEN_WARNING;
            if (Prompt(LoadString(warning), true, false) != IMessagePrompt::IDOK)
                return 0;
        }
        if (section == 3)
            result = IsInRange(section, cell, text, DEVICE_MIN, DEVICE_MAX);
        else if (section == 14)
            result = fIsInRange(section, cell, text, 0.0f, HYSTERESIS_MAX);
        else
            result = IsValidParm(section, cell, text, row.choices, row.choiceCount);
    }
    BroadcastModify(section, cell, text);
    Error(section, 62012, 0);
    return result;
}

std::string CGeneral::GetInputHint(int section, int cell) const
{
    if (section == 3)
        return FormatString(IDS_HINT_WHOLE_NUMBER_RANGE, {q4::FormatD(DEVICE_MIN), q4::FormatD(DEVICE_MAX)});
    if (section == 14)
        return FormatString(IDS_HINT_NUMBER_RANGE, {"0", q4::Format2g(HYSTERESIS_MAX)});
    return CNordaSetupType::GetInputHint(section, cell);
}

NumberKind CGeneral::GetNumberKind(int section, int cell) const
{
    if (cell != 1)
        return NumberKind::None;
    return section == 3 ? NumberKind::Integer : section == 14 ? NumberKind::Real : NumberKind::None;
}

CellHolding CGeneral::GetHolding(int section, int cell, const std::string& text) const
{
    if (cell != 1 || section < 1 || section > GEN_ROWS)
        return CNordaSetupType::GetHolding(section, cell, text);
    std::string held = FormatValue(section, StringToValue(section, text));
    if (section == 3 || section == 14)
        return HoldNumber(text, std::move(held));
    bool exact = held == text;
    return {std::move(held), exact};
}

int CGeneral::IsValidParm(int section, int, const std::string& text, const char* const* choices, int count)
{
    for (int i = 0; i < count; ++i) {
        if (text == choices[i]) {
            if (CNdChnData* p = GetProperty(section, 1))
                p->SetSelText(text);
            return 1;
        }
    }
    return 0;
}

int CGeneral::IsInRange(int section, int, const std::string& text, int min, int max)
{
    int n = q4::AtoI(text);
    std::string stored = n == 0 ? "0" : text;
    if (n < min || n > max)
        return 0;
    if (CNdChnData* p = GetProperty(section, 1))
        p->SetSelText(stored);
    return 1;
}

int CGeneral::fIsInRange(int section, int, const std::string& text, float min, float max)
{
    auto value = static_cast<float>(q4::AtoF(text));
    std::string stored = value == 0.0f ? "0" : text;
    if (!(value >= min && value <= max))
        return 0;
    if (CNdChnData* p = GetProperty(section, 1))
        p->SetSelText(stored);
    return 1;
}

// ---- device values ----------------------------------------------------------------------------

unsigned long CGeneral::StringToValue(int section, const std::string& text) const
{
    if (IsCodeSection(section)) {
        const GeneralRow& row = GetGeneralRow(section);
        for (int i = 0; i < row.choiceCount; ++i) {
            if (text == row.choices[i])
                return static_cast<unsigned long>(q4::AtoL(row.codes[i])) & 0xFFFFFFFFUL;
        }
        return static_cast<unsigned long>(q4::AtoL(row.codes[0]));
    }
    if (section == 3 || section == 5 || section == 6)
        return static_cast<unsigned long>(static_cast<uint32_t>(q4::AtoI(text)));
    if (IsOnOffSection(section)) {
        if (text == "OFF")
            return 0;
        if (text == "ON")
            return 1;
        return 0xFFFFFFFFUL;
    }
    if (section == 14) {
        double scaled = std::trunc(q4::AtoF(text) * 20.0);
        if (!std::isfinite(scaled) || std::fabs(scaled) >= 4294967296.0)
            return 0;
        return static_cast<unsigned long>(static_cast<uint32_t>(static_cast<int64_t>(scaled)));
    }
    return 0xFFFFFFFFUL;
}

std::string CGeneral::FormatValue(int section, unsigned long value) const
{
    if (IsCodeSection(section)) {
        const GeneralRow& row = GetGeneralRow(section);
        for (int i = 0; i < row.choiceCount; ++i) {
            if (static_cast<unsigned long>(q4::AtoL(row.codes[i])) == value)
                return row.choices[i];
        }
        return row.choices[0];
    }
    if (section == 3)
        return q4::FormatD(static_cast<long>(value));
    if (section == 5 || section == 6)
        return q4::FormatD(static_cast<int32_t>(value));
    if (IsOnOffSection(section))
        return value ? "ON" : "OFF";
    if (section == 14)
        return q4::Format2g(static_cast<double>(value) * 0.05);
    return std::string();
}

unsigned long CGeneral::GetDeviceNumber() const
{
    return StringToValue(3, GetCellText(3, 1));
}

void CGeneral::GetConDataBlock(int first, uint8_t* block) const
{
    for (int k = 0; k < 8; ++k) {
        int section = GetConstantSection(first + k);
        if (section < 0)
            continue;
        auto value = static_cast<uint32_t>(StringToValue(section, GetCellText(section, 1)));
        for (int b = 0; b < 4; ++b)
            block[4 * k + b] = static_cast<uint8_t>((value >> (8 * b)) & 0xFF);
    }
}

void CGeneral::SetConstants(int first, const uint8_t* block)
{
    for (int k = 0; k < 8; ++k) {
        int section = GetConstantSection(first + k);
        if (section < 0)
            continue;
        uint32_t value = static_cast<uint32_t>(block[4 * k]) | (static_cast<uint32_t>(block[4 * k + 1]) << 8)
                         | (static_cast<uint32_t>(block[4 * k + 2]) << 16)
                         | (static_cast<uint32_t>(block[4 * k + 3]) << 24);
        if (CNdChnData* p = GetProperty(section, 1))
            p->SetSelText(FormatValue(section, value));
    }
}

std::vector<HeldValue> CGeneral::DescribeBlock(int block, const uint8_t* data) const
{
    std::vector<HeldValue> values;
    for (int k = 0; k < 8; ++k) {
        int section = GetConstantSection(8 * block + k);
        if (section < 0)
            continue;  // a reserved constant: an upload merges it from the unit
        const uint8_t* at = data + 4 * k;
        uint32_t value = static_cast<uint32_t>(at[0]) | (static_cast<uint32_t>(at[1]) << 8)
                         | (static_cast<uint32_t>(at[2]) << 16) | (static_cast<uint32_t>(at[3]) << 24);
        // The sheet's text of the value where it gives the value back, else its code.
        std::string text = FormatValue(section, value);
        if (StringToValue(section, text) != value)
            text = CodeText(value);
        size_t first = text.find_first_not_of(' ');
        values.push_back({section, 1, false, first == std::string::npos ? text : text.substr(first)});
    }
    return values;
}

std::string CGeneral::RefusalOfHeld(int section, int cell) const
{
    if (cell != 1)
        return {};
    const std::string text = GetCellText(section, cell);
    // A device number 0 is none set, as a unit with cleared memory holds it.
    if (section == 3 && q4::AtoI(text) != 0 && (q4::AtoI(text) < DEVICE_MIN || q4::AtoI(text) > DEVICE_MAX))
        return FormatString(IDS_HELD_OUTSIDE, {q4::FormatD(DEVICE_MIN), q4::FormatD(DEVICE_MAX)});
    if (section == 14) {
        auto value = static_cast<float>(q4::AtoF(text));
        if (!(value >= 0.0f && value <= HYSTERESIS_MAX))
            return FormatString(IDS_HELD_OUTSIDE, {"0", q4::Format2g(HYSTERESIS_MAX)});
    }
    return {};
}

// ---- transfers --------------------------------------------------------------------------------

int CGeneral::GetNumBlocks() const
{
    return GEN_BLOCKS;
}

void CGeneral::FillBlock(int block, uint8_t* data)
{
    GetConDataBlock(8 * block, data);
}

void CGeneral::TakeBlockApart(int block, const uint8_t* data)
{
    SetConstants(8 * block, data);
}

uint32_t CGeneral::GetTotalTransBytes(int direction) const
{
    if (direction == 1)
        return 624;
    if (direction == 0)
        return 1192;
    return 0;
}

// ---- file record ------------------------------------------------------------------------------

void CGeneral::DoFileReadWrite(CArchive& ar, unsigned version)
{
    if (ar.IsLoading()) {
        FileRead(ar, version);
        RepairChoices();
    } else {
        FileWrite(ar, version);
    }
}

void CGeneral::FileRead(CArchive& ar, unsigned version)
{
    if (!m_pDataSheet)
        throw CArchiveException(CArchiveException::BAD_SCHEMA, LoadString(IDS_NO_SHEET));
    for (int s = 0; s < m_pDataSheet->GetNumSections(); ++s) {
        for (int c = 1; c < m_pDataSheet->GetNumCells(s); ++c) {
            CNdChnData* p = m_pDataSheet->GetProperty(s, c);
            if (!p->GetData().empty())
                p->SetSelText(p->GetData()[0]);
        }
    }
    if (version >= 3) {
        CNordaSetupType::FileRead(ar, version);
        return;
    }
    ReadRecordHead(ar);
    int rows = version == 2 ? GEN_ROWS + 1 : GEN_ROWS;
    for (int k = 0; k < rows; ++k)
        ReadSection(ar, version, version == 2 ? k : g_OldRowMap[k], true);
}

void CGeneral::RepairChoices()
{
    for (int section : {1, 2, 9, 11}) {
        CNdChnData* p = GetProperty(section, 1);
        if (!p || p->GetData().empty())
            continue;
        const GeneralRow& row = GetGeneralRow(section);
        auto& items = p->GetData();
        for (size_t i = 0; i < items.size() && static_cast<int>(i) < row.choiceCount; ++i)
            items[i] = row.choices[i];
    }
}
