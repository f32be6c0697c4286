// The setup-type base: errors, input types, parameter codecs and the common file record.
#include "model/CNordaSetupType.h"

#include "model/CArchive.h"
#include "model/HexText.h"
#include "model/IMessagePrompt.h"
#include "model/NumberText.h"
#include "model/StringTable.h"

#include <algorithm>
#include <cmath>

const INPUT_TYPE g_InputTypes[4] = {
    {"OFF", "0", 0, 0, 0},
    {"20 mA", "mA", 0, 20, 4},
    {"10 V", "V", 0, 10, 2},
    {"24 V", "V", 0, 24, 3},
};

CNordaSetupType::CNordaSetupType()
{
    for (int i = 0; i < m_nInpTypes; ++i)
        m_pInpTypes[i] = std::make_unique<INPUT_TYPE>(g_InputTypes[i]);
}

CNordaSetupType::~CNordaSetupType() = default;

void CNordaSetupType::Error(int arg, unsigned id, int show)
{
    if (show && id != 0 && (id != m_nErrID || arg != m_nErrArg))
        Prompt(LoadString(id), false, false);
    m_nErrArg = arg;
    m_nErrID = id;
}

void CNordaSetupType::GetError(int& arg, unsigned& id) const
{
    arg = m_nErrArg;
    id = m_nErrID;
}

int CNordaSetupType::Prompt(const std::string& text, bool okCancel, bool exclamation)
{
    if (!m_pPrompt)
        return okCancel ? IMessagePrompt::IDCANCEL : IMessagePrompt::IDOK;
    return m_pPrompt->Show(text, okCancel ? IMessagePrompt::BTN_OK_CANCEL : IMessagePrompt::BTN_OK, exclamation);
}

void CNordaSetupType::ResetSheet()
{
    m_pDataSheet = std::make_unique<CDataSheet>();
}

void CNordaSetupType::ResetToDefaultSheet()
{
    if (m_pDefaultSheet && m_pDataSheet && m_pDataSheet->CopyCells(*m_pDefaultSheet))
        return;
    CreateDefDataSheet();
    if (m_bReset && !m_pDefaultSheet && m_pDataSheet)
        m_pDefaultSheet = m_pDataSheet->Clone();
    m_bReset = true;
}

// ---- codecs ---------------------------------------------------------------------------------

void CNordaSetupType::Get3BytesParm(int section, uint8_t out[3], int cell)
{
    EncodeParm(GetCellText(section, cell), out);
}

void CNordaSetupType::EncodeParm(const std::string& text, uint8_t out[3])
{
    double value = q4::AtoF(text);
    int divider = GetDevider(text);
    double multiplier = divider ? divider : 1;
    double scaled = std::trunc(value * multiplier);
    // Only the low 16 bits of the magnitude reach the unit.
    uint32_t magnitude = 0;
    if (std::isfinite(scaled)) {
        double mag = std::fabs(scaled);
        magnitude = static_cast<uint32_t>(std::fmod(mag, 4294967296.0));
    }
    out[0] = static_cast<uint8_t>(magnitude & 0xFF);
    out[1] = static_cast<uint8_t>((magnitude >> 8) & 0xFF);
    uint8_t flags = out[2] & static_cast<uint8_t>(~0x98);
    if (divider == 10)
        flags |= 0x08;
    else if (divider == 100)
        flags |= 0x10;
    else if (divider == 1000)
        flags |= 0x18;
    if (value < 0)
        flags |= 0x80;
    out[2] = flags;
}

void CNordaSetupType::Get3ByteInpParms(uint8_t* out, int section, const int cells[], int n)
{
    for (int k = 0; k < n; ++k)
        Get3BytesParm(section, out + 3 * k, cells[k]);
}

void CNordaSetupType::Set3ByteParm(int section, const uint8_t in[3], int cell)
{
    std::string text = DecodeParm(in);
    CNdChnData* p = GetProperty(section, cell);
    if (p && p->SetSelText(text) == -1)
        p->AddData(text);
}

std::string CNordaSetupType::DecodeParm(const uint8_t in[3])
{
    uint16_t magnitude = static_cast<uint16_t>(in[1] * 256 + in[0]);
    static const int dividers[4] = {0, 10, 100, 1000};
    int divider = dividers[(in[2] >> 3) & 0x03];
    int sign = (in[2] & 0x80) ? -1 : 1;
    return GetFormatedString(magnitude, divider, sign);
}

void CNordaSetupType::Set3ByteParms(const uint8_t* in, int section, const int cells[], int n)
{
    for (int k = 0; k < n; ++k)
        Set3ByteParm(section, in + 3 * k, cells[k]);
}

void CNordaSetupType::GetLCDU(int section, int cell, uint8_t out[4])
{
    EncodeLCDU(GetCellText(section, cell), out);
}

void CNordaSetupType::EncodeLCDU(const std::string& text, uint8_t out[4])
{
    for (size_t i = 0; i < 4; ++i) {
        if (i < text.size()) {
            auto c = static_cast<uint8_t>(text[i]);
            out[i] = c == 0xB0 ? 0xDF : c;
        } else {
            out[i] = 0x20;
        }
    }
}

void CNordaSetupType::SetLCDU(int section, int cell, const uint8_t in[4])
{
    std::string text = DecodeLCDU(in);
    CNdChnData* p = GetProperty(section, cell);
    if (p && p->SetSelText(text) == -1) {
        p->AddItem(text);
        p->SetSelText(text);
    }
}

std::string CNordaSetupType::DecodeLCDU(const uint8_t in[4])
{
    std::string text;
    for (int i = 0; i < 4; ++i) {
        uint8_t c = in[i] == 0xDF ? 0xB0 : in[i];
        // A zero byte ends the unit's text.
        if (c == 0)
            break;
        text += static_cast<char>(c);
    }
    // The blanks after the text are the LCD's padding; those within it are the unit's text, as
    // the LCD shows them.
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

uint8_t CNordaSetupType::GetInputType(int section, int cell)
{
    std::string text = GetCellText(section, cell);
    for (int i = 0; i < m_nInpTypes; ++i) {
        if (text == m_pInpTypes[i]->pszName)
            return m_pInpTypes[i]->byCode;
    }
    return 0;
}

void CNordaSetupType::SetInputType(int section, int cell, uint8_t code)
{
    // A code of no input type the program knows shows as off, the nearest the list allows.
    std::string text = m_pInpTypes[0]->pszName;
    for (int i = 0; i < m_nInpTypes; ++i) {
        if (m_pInpTypes[i]->byCode == code) {
            text = m_pInpTypes[i]->pszName;
            break;
        }
    }
    CNdChnData* p = GetProperty(section, cell);
    if (p && p->SetSelText(text) == -1)
        p->AddData(text);
}

// ---- what the unit holds ------------------------------------------------------------------

CellHolding CNordaSetupType::GetHolding(int, int, const std::string& text) const
{
    return {text, true};
}

CellHolding CNordaSetupType::HoldNumber(const std::string& text, std::string held)
{
    std::optional<double> own = q4::PlainNumber(text);
    std::optional<double> back = q4::PlainNumber(held);
    bool exact = own && back && *own == *back;
    return {std::move(held), exact};
}

CellHolding CNordaSetupType::HoldParm(const std::string& text)
{
    uint8_t bytes[3] = {};
    EncodeParm(text, bytes);
    return HoldNumber(text, DecodeParm(bytes));
}

CellHolding CNordaSetupType::HoldLCDU(const std::string& text)
{
    uint8_t bytes[4] = {};
    EncodeLCDU(text, bytes);
    std::string held = DecodeLCDU(bytes);
    // Blanks after the unit are the LCD's padding; any other change is not.
    size_t end = text.find_last_not_of(' ');
    bool exact = text.substr(0, end == std::string::npos ? 0 : end + 1) == held;
    return {std::move(held), exact};
}

CellHolding CNordaSetupType::HoldInputType(const std::string& text) const
{
    uint8_t code = 0;
    for (int i = 0; i < m_nInpTypes; ++i) {
        if (text == m_pInpTypes[i]->pszName) {
            code = m_pInpTypes[i]->byCode;
            break;
        }
    }
    std::string held;
    for (int i = 0; i < m_nInpTypes; ++i) {
        if (m_pInpTypes[i]->byCode == code) {
            held = m_pInpTypes[i]->pszName;
            break;
        }
    }
    bool exact = held == text;
    return {std::move(held), exact};
}

// ---- held values described --------------------------------------------------------------------

std::string CNordaSetupType::CodeText(unsigned long code)
{
    return "code " + q4::FormatD(static_cast<long>(code));
}

std::string CNordaSetupType::UnusedText(const std::vector<uint8_t>& bytes)
{
    for (uint8_t byte : bytes) {
        if (byte != 0)
            return q4::ToHex(bytes.data(), bytes.size());
    }
    return std::string();
}

std::string CNordaSetupType::DescribeInputType(uint8_t code) const
{
    for (int i = 0; i < m_nInpTypes; ++i) {
        if (m_pInpTypes[i]->byCode == code)
            return m_pInpTypes[i]->pszName;
    }
    return CodeText(code);
}

std::string CNordaSetupType::DescribeLCDU(const uint8_t in[4])
{
    std::string shown = DecodeLCDU(in);
    uint8_t back[4] = {};
    EncodeLCDU(shown, back);
    if (std::equal(back, back + 4, in))
        return shown;
    std::string text;
    for (int i = 0; i < 4; ++i)
        text += static_cast<char>(in[i] == 0xDF ? 0xB0 : in[i]);
    return text;
}

std::string CNordaSetupType::DescribeParm(const uint8_t in[3])
{
    return DecodeParm(in);
}

std::string CNordaSetupType::GetFormatedString(uint16_t magnitude, int divider, int sign)
{
    double value = magnitude;
    switch (divider) {
    case 0:
        return q4::FormatD(sign < 0 ? -static_cast<long>(magnitude) : magnitude);
    case 10:
        return q4::FormatF(value / 10 * (sign < 0 ? -1 : 1), 1);
    case 100:
        return q4::FormatF(value / 100 * (sign < 0 ? -1 : 1), 2);
    case 1000:
        return q4::FormatF(value / 1000 * (sign < 0 ? -1 : 1), 3);
    default:
        return " ";
    }
}

int CNordaSetupType::GetDevider(const std::string& text)
{
    size_t pos = text.find_first_of(".,");
    if (pos == std::string::npos)
        return 0;
    size_t after = text.size() - pos - 1;
    int divider = 1;
    for (size_t i = 0; i < after; ++i) {
        if (divider > 100000000)
            return 0;  // far beyond any decimals code; treated as "no known divider"
        divider *= 10;
    }
    return divider;
}

int CNordaSetupType::IsValidFloat(const std::string& text, float& value)
{
    int points = 0;
    for (char c : text) {
        if (c == '.') {
            if (++points > 1)
                return 0;
        } else if (c < '0' || c > '9') {
            return 0;
        }
    }
    value = static_cast<float>(q4::AtoF(text));
    return 1;
}

int CNordaSetupType::IsValidInt(const std::string& text, int& value)
{
    for (char c : text) {
        if (c < '0' || c > '9')
            return 0;
    }
    value = q4::AtoI(text);
    return 1;
}

// ---- common file record ---------------------------------------------------------------------

void CNordaSetupType::DoFileReadWrite(CArchive& ar, unsigned version)
{
    if (ar.IsLoading())
        FileRead(ar, version);
    else
        FileWrite(ar, version);
}

void CNordaSetupType::FileWrite(CArchive& ar, unsigned version)
{
    ar.WriteString(m_strTitle);
    ar.WriteInt32(m_nSetupType);
    if (!m_pDataSheet)
        return;
    for (int s = 0; s < m_pDataSheet->GetNumSections(); ++s) {
        for (int c = 0; c < m_pDataSheet->GetNumCells(s); ++c) {
            CNdChnData* cell = m_pDataSheet->GetProperty(s, c);
            if (!cell)
                throw CArchiveException(CArchiveException::BAD_SCHEMA, LoadString(IDS_MISSING_CELL));
            cell->DoFileReadWrite(ar, version);
        }
    }
}

void CNordaSetupType::ReadRecordHead(CArchive& ar)
{
    ar.ReadString();
    ar.ReadInt32();
}

void CNordaSetupType::ReadSection(CArchive& ar, unsigned version, int section, bool keepLabel)
{
    if (!m_pDataSheet || !m_pDataSheet->GetSection(section))
        throw CArchiveException(CArchiveException::BAD_SCHEMA, LoadString(IDS_NOT_THE_SHEET));
    for (int c = 0; c < m_pDataSheet->GetNumCells(section); ++c) {
        CNdChnData* cell = m_pDataSheet->GetProperty(section, c);
        if (!cell)
            throw CArchiveException(CArchiveException::BAD_SCHEMA, LoadString(IDS_NOT_THE_SHEET));
        if (!keepLabel || c != 0) {
            cell->DoFileReadWrite(ar, version);
            continue;
        }
        // The row label is read into a copy and dropped, so the sheet keeps its own.
        CNdChnData label(*cell);
        try {
            label.DoFileReadWrite(ar, version);
        } catch (const CArchiveException&) {
            throw CArchiveException(CArchiveException::BAD_SCHEMA, LoadString(IDS_INSIDE_ROW_LABEL));
        }
    }
}

void CNordaSetupType::FileRead(CArchive& ar, unsigned version)
{
    ReadRecordHead(ar);
    if (!m_pDataSheet)
        throw CArchiveException(CArchiveException::BAD_SCHEMA, LoadString(IDS_NO_SHEET));
    // Older files keep the program's row labels.
    for (int s = 0; s < m_pDataSheet->GetNumSections(); ++s)
        ReadSection(ar, version, s, version < 3);
}

// ---- transfers and copies ---------------------------------------------------------------------

uint32_t CNordaSetupType::GetTotalTransBytes(int direction) const
{
    int blocks = m_pDataSheet ? m_pDataSheet->GetNumSections() - 1 : 0;
    if (blocks < 0)
        blocks = 0;
    // A read is a request and a reply; a write is the frame plus its read-back.
    if (direction == 1)
        return static_cast<uint32_t>(78 * blocks);
    if (direction == 0)
        return static_cast<uint32_t>(149 * blocks);
    return 0;
}

void CNordaSetupType::CopyFrom(const CNordaSetupType& other)
{
    m_pDataSheet = other.m_pDataSheet ? other.m_pDataSheet->Clone() : nullptr;
    m_strTitle = other.m_strTitle;
    m_nSetupType = other.m_nSetupType;
    m_nPrintCols = other.m_nPrintCols;
}
