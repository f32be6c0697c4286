// The alarm's 32-byte device block: packing a channel row and taking a received block apart,
// with the delay's count and time factor, the set point's dynamic-reference bits and the flags.
#include "setup/alarms/CAlarm.h"

#include "model/ChannelNames.h"
#include "model/NumberText.h"
#include "model/StringTable.h"
#include "setup/alarms/AlarmTables.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Block layout.
constexpr int B_INPREF = 0;
constexpr int B_SETPOINT = 1;  // 3 bytes
constexpr int B_COUNT = 4;
constexpr int B_FACTOR = 5;
constexpr int B_LED = 6;
constexpr int B_OUTPUT = 7;
constexpr int B_FLAGS = 8;
constexpr int B_TEXT = 9;  // 10 bytes
constexpr int TEXT_LEN = 10;

constexpr uint8_t REF_NONE = 48;
constexpr uint8_t LED_OFF = 24;
constexpr uint8_t OUTPUT_OFF = 14;

// Set point flag bits added to the parameter's third byte.
constexpr uint8_t SP_DYNREF_MASK = 0x07;
constexpr uint8_t SP_BELOW = 0x20;
constexpr uint8_t SP_DYNRANGE = 0x40;

// Time factors: the delay is count x unit seconds; each factor is written for delays up to
// its upper end (factor 7 is only ever read).
struct TimeFactor {
    double unit;
    double upper;
};
const TimeFactor g_TimeFactors[8] = {
    {0.01, 1}, {0.1, 10}, {1, 100}, {10, 1000}, {60, 6000}, {600, 60000}, {3600, 918000}, {86400, 0},
};
constexpr double MIN_DELAY = 0.01;
constexpr double MAX_DELAY = 918000;

// The name of an input reference code: a physical input, a logical one (by its number, which
// the sheet's four-letter names cut from LOG10 on), no input, or a code of nothing.
std::string ReferenceName(uint8_t code)
{
    if (code <= 23)
        return GetPhChnName(code + 1);
    if (code <= 46)
        return "LOG" + q4::FormatD(code - 23);
    if (code == REF_NONE)
        return "OFF";
    return CNordaSetupType::CodeText(code);
}

// The code a reference's text goes out as.
uint8_t ReferenceCode(const std::string& text)
{
    if (!text.empty() && text[0] == 'I') {
        int p = GetPhChnIndex(text);
        if (p >= 1)
            return static_cast<uint8_t>(p - 1);
    } else if (!text.empty() && text[0] == 'L') {
        int n = GetLogChnIndex(text);
        if (n >= 1)
            return static_cast<uint8_t>(n + 23);
    }
    return REF_NONE;
}

// A delay of count x factor's unit exactly, in seconds: the same text for the same value.
std::string DelayValue(int count, int factor)
{
    std::string text = factor == 0 ? q4::FormatF(count / 100.0, 2)
                       : factor == 1 ? q4::FormatF(count / 10.0, 1)
                                     : q4::FormatD(static_cast<long>(std::lround(count * g_TimeFactors[factor].unit)));
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return text;
}

}  // namespace

void CAlarm::GetAlarmDataBlock(int k, uint8_t* block)
{
    std::memset(block, 0, ALARM_BLOCK_SIZE);
    if (k < 0 || k >= ALARM_CHANNELS)
        return;
    int row = k + 1;
    block[B_INPREF] = GetInputReference(row);
    GetSetPoint(row, block + B_SETPOINT);
    int count = 0;
    uint8_t factor = 0;
    GetTimeFactAndValue(row, count, factor);
    block[B_COUNT] = static_cast<uint8_t>(count);
    block[B_FACTOR] = factor;

    std::string led = GetCellText(row, COL_LED);
    int ledNumber = led == "OFF" ? 0 : q4::AtoI(led);
    block[B_LED] = (ledNumber >= 1 && ledNumber <= 24) ? static_cast<uint8_t>(ledNumber - 1) : LED_OFF;
    int output = q4::AtoI(GetCellText(row, COL_OUTPUT)) - 1;
    block[B_OUTPUT] = (output >= 0 && output < OUTPUT_OFF) ? static_cast<uint8_t>(output) : OUTPUT_OFF;

    block[B_FLAGS] = GetFlags(row);
    GetAlarmText(row, block + B_TEXT);
}

void CAlarm::SetAlarmData(int k, const uint8_t* block)
{
    if (k < 0 || k >= ALARM_CHANNELS || !m_pDataSheet)
        return;
    int row = k + 1;
    SetInputReference(row, block[B_INPREF]);
    SetSetPoint(row, block + B_SETPOINT);
    SetDelay(row, block + B_COUNT);

    uint8_t led = block[B_LED];
    SelectItem(row, COL_LED, led == LED_OFF ? std::string("OFF") : GetStrOfIndex(g_LEDs, led + 1));
    uint8_t output = block[B_OUTPUT];
    SelectItem(row, COL_OUTPUT, output == OUTPUT_OFF ? std::string("OFF") : GetStrOfIndex(g_Outputs, output + 1));

    SetFlags(k, block[B_FLAGS]);
    SetAlarmText(row, block + B_TEXT);

    // The received values pass the same checks as typed ones; failures are only recorded.
    for (int c = COL_INPREF; c <= COL_MISC; ++c)
        DoValidateData(row, c, GetCellText(row, c), true);
}

uint8_t CAlarm::GetInputReference(int row) const
{
    return ReferenceCode(GetCellText(row, COL_INPREF));
}

void CAlarm::SetInputReference(int row, uint8_t code)
{
    // The sheet's four-letter names reach LOG8; a later number would read as LOG1 or LOG2.
    std::string name;
    if (code <= 23)
        name = GetPhChnName(code + 1);
    else if (code <= 31)
        name = GetLogChnName(code - 23);
    else if (code == REF_NONE)
        name = "OFF";
    if (!name.empty())
        SelectItem(row, COL_INPREF, name);
}

void CAlarm::GetSetPoint(int row, uint8_t out[3])
{
    Get3BytesParm(row, out, COL_SETPOINT);
    uint8_t& flags = out[2];
    std::string sign = GetCellText(row, COL_SIGN);
    int dyn = GetLogChnIndex(GetCellText(row, COL_DYNREF));
    bool dynRef = dyn >= 1 && dyn <= 8;
    if (dynRef)
        flags = static_cast<uint8_t>((flags & ~SP_DYNREF_MASK) | (dyn - 1));
    if (sign == ">")
        flags &= static_cast<uint8_t>(~SP_BELOW);
    else if (sign == "<" || sign == "\xB1")
        flags |= SP_BELOW;
    if (dynRef) {
        if (sign == "\xB1")
            flags |= SP_DYNRANGE;
        else
            flags &= static_cast<uint8_t>(~SP_DYNRANGE);
    }
}

void CAlarm::SetSetPoint(int row, const uint8_t in[3])
{
    Set3ByteParm(row, in, COL_SETPOINT);
    uint8_t flags = in[2];
    std::string sign = (flags & SP_BELOW) ? "<" : ">";
    if (flags & SP_DYNRANGE)
        sign = "\xB1";
    // A reference is held with its range or without it (a sign chosen after it); the bits of
    // LOG1 without a range are those of no reference.
    std::string dynRef = "OFF";
    if ((flags & (SP_DYNRANGE | SP_DYNREF_MASK)) && IsChannelActive(row))
        dynRef = GetLogChnName((flags & SP_DYNREF_MASK) + 1);
    SelectItem(row, COL_SIGN, sign);
    SelectItem(row, COL_DYNREF, dynRef);
}

void CAlarm::GetTimeFactAndValue(int row, int& count, uint8_t& factor) const
{
    EncodeDelay(GetCellText(row, COL_DELAY), count, factor);
}

void CAlarm::EncodeDelay(const std::string& text, int& count, uint8_t& factor)
{
    double delay = q4::AtoF(text);
    // Validated delays lie within 0.3 to 918000 s; anything else is sent as the nearest end.
    if (!(delay >= MIN_DELAY))
        delay = MIN_DELAY;
    if (!(delay <= MAX_DELAY))
        delay = MAX_DELAY;
    int f = 0;
    while (f < 6 && delay > g_TimeFactors[f].upper)
        ++f;
    count = static_cast<int>(std::floor(delay / g_TimeFactors[f].unit + 0.5));
    factor = static_cast<uint8_t>(f);
}

NumberKind CAlarm::GetNumberKind(int row, int col) const
{
    bool channel = row >= 1 && row <= ALARM_CHANNELS;
    return channel && (col == COL_SETPOINT || col == COL_DELAY) ? NumberKind::Real : NumberKind::None;
}

CellHolding CAlarm::GetHolding(int row, int col, const std::string& text) const
{
    if (row < 1 || row > ALARM_CHANNELS)
        return CNordaSetupType::GetHolding(row, col, text);
    switch (col) {
    case COL_INPREF: {
        std::string held = ReferenceName(ReferenceCode(text));
        bool exact = held == text;
        return {std::move(held), exact};
    }
    case COL_DYNREF: {
        int n = GetLogChnIndex(text);
        std::string held = n >= 1 && n <= 8 ? GetLogChnName(n) : std::string("OFF");
        bool exact = held == text;
        return {std::move(held), exact};
    }
    case COL_SIGN: {
        // A text of none of the signs sends no sign bit: ">".
        bool known = text == "<" || text == ">" || text == "\xB1";
        return {known ? text : std::string(">"), known};
    }
    case COL_SETPOINT:
        return HoldParm(text);
    case COL_DELAY: {
        int count = 0;
        uint8_t factor = 0;
        EncodeDelay(text, count, factor);
        return HoldNumber(text, DelayText(count, factor));
    }
    case COL_TEXT: {
        // The unit's text ends at a zero byte, as a download reads it.
        std::string held = text.substr(0, std::min({text.size(), text.find('\0'), size_t{TEXT_LEN}}));
        held.resize(TEXT_LEN, ' ');
        size_t end = text.find_last_not_of(' ');
        bool exact = (end == std::string::npos || end < TEXT_LEN) && text.find('\0') >= TEXT_LEN;
        return {std::move(held), exact};
    }
    case COL_LED: {
        int led = text == "OFF" ? 0 : q4::AtoI(text);
        std::string held = led >= 1 && led <= 24 ? q4::FormatD(led) : std::string("OFF");
        bool exact = held == text;
        return {std::move(held), exact};
    }
    case COL_OUTPUT: {
        int output = q4::AtoI(text);
        std::string held = output >= 1 && output <= OUTPUT_OFF ? q4::FormatD(output) : std::string("OFF");
        bool exact = held == text;
        return {std::move(held), exact};
    }
    default:
        break;
    }
    // The copies of the input's settings are held in the input's block: a number there is the
    // same in any spelling, as in the input's own cell.
    if (col >= COL_INPTP + 2 && col <= COL_MISC) {
        CellHolding parm = HoldParm(text);
        return {parm.exact ? parm.held : text, true};
    }
    return CNordaSetupType::GetHolding(row, col, text);
}

CellHolding CAlarm::HoldFlag(const std::string& text)
{
    // Only "ON" sets the flag's bit.
    std::string held = text == "ON" ? "ON" : "OFF";
    bool exact = held == text;
    return {std::move(held), exact};
}

std::vector<HeldValue> CAlarm::DescribeBlock(int k, const uint8_t* block) const
{
    int row = k + 1;
    std::vector<HeldValue> values;
    auto add = [&](int col, std::string text) { values.push_back({row, col, false, std::move(text)}); };
    const uint8_t spFlags = block[B_SETPOINT + 2];
    add(COL_INPREF, ReferenceName(block[B_INPREF]));
    add(COL_DYNREF, (spFlags & (SP_DYNRANGE | SP_DYNREF_MASK)) ? GetLogChnName((spFlags & SP_DYNREF_MASK) + 1) : "OFF");
    // A range goes out with the bit of "<"; a range without it is no sign the sheets have.
    uint8_t signBits = spFlags & (SP_DYNRANGE | SP_BELOW);
    add(COL_SIGN, signBits == (SP_DYNRANGE | SP_BELOW) ? "\xB1" : signBits == SP_BELOW ? "<" : signBits == 0 ? ">" : CodeText(signBits));
    const uint8_t value[3] = {block[B_SETPOINT], block[B_SETPOINT + 1], static_cast<uint8_t>(spFlags & 0x98)};
    add(COL_SETPOINT, DescribeParm(value));
    std::string text(reinterpret_cast<const char*>(block + B_TEXT), TEXT_LEN);
    text.erase(text.find_last_not_of(' ') + 1);
    add(COL_TEXT, text);
    add(COL_DELAY, DelayValue(block[B_COUNT], block[B_FACTOR] & 0x07));
    uint8_t led = block[B_LED];
    add(COL_LED, led < LED_OFF ? q4::FormatD(led + 1) : led == LED_OFF ? "OFF" : CodeText(led));
    uint8_t output = block[B_OUTPUT];
    add(COL_OUTPUT, output < OUTPUT_OFF ? q4::FormatD(output + 1) : output == OUTPUT_OFF ? "OFF" : CodeText(output));
    for (int i = 0; i < ALARM_FLAGS; ++i)
        values.push_back({row, i, true, (block[B_FLAGS] & (0x80 >> i)) ? "ON" : "OFF"});
    std::vector<uint8_t> unused(block + B_TEXT + TEXT_LEN, block + ALARM_BLOCK_SIZE);
    unused.push_back(static_cast<uint8_t>(block[B_FACTOR] & 0xF8));
    unused.push_back(static_cast<uint8_t>(block[B_FLAGS] & 0x1F));
    add(COL_LABEL, UnusedText(unused));
    return values;
}

std::string CAlarm::RefusalOfHeld(int row, int col) const
{
    if (row < 1 || row > ALARM_CHANNELS || GetCellText(row, COL_INPREF) == "OFF")
        return {};
    const std::string text = GetCellText(row, col);
    if (col == COL_DELAY) {
        double delay = q4::AtoF(text);
        if (!(delay >= 0.3 && delay <= 918000.0))
            return FormatString(IDS_HELD_OUTSIDE, {"0.3", "918000"});
    } else if (col == COL_SETPOINT) {
        std::string lo;
        std::string hi;
        if (!GetInputRange(row, lo, hi))
            return {};
        // In single precision, as the sheet's own check compares them.
        auto value = static_cast<float>(q4::AtoF(text));
        if (value < static_cast<float>(q4::AtoF(lo)) || value > static_cast<float>(q4::AtoF(hi)))
            return FormatString(IDS_HELD_OUTSIDE_OF, {lo, hi, GetCellText(row, COL_INPREF)});
    }
    return {};
}

std::string CAlarm::DelayText(int count, int factor)
{
    double delay = count * g_TimeFactors[factor].unit;
    // Up to a second as the unit's own program shows it; above, the exact value: a count of
    // hundredths or tenths with its decimals, whole seconds for the longer factors.
    if (delay <= 1)
        return q4::FormatF(delay, factor == 0 ? 3 : 2);
    if (factor == 0)
        return q4::FormatF(count / 100.0, count % 10 ? 2 : 1);
    if (factor == 1 && count % 10)
        return q4::FormatF(count / 10.0, 1);
    return q4::FormatD(static_cast<long>(std::lround(delay)));
}

void CAlarm::SetDelay(int row, const uint8_t in[2])
{
    if (CNdChnData* p = GetProperty(row, COL_DELAY))
        p->SetText(DelayText(in[0], in[1] & 0x07));
}

uint8_t CAlarm::GetFlags(int row) const
{
    uint8_t flags = 0;
    for (int i = 0; i < ALARM_FLAGS; ++i) {
        CNdChnData* flag = GetFlagCell(row - 1, i);
        if (flag && flag->GetDataAsString() == "ON")
            flags |= static_cast<uint8_t>(0x80 >> i);
    }
    return flags;
}

void CAlarm::SetFlags(int channel, uint8_t flags)
{
    for (int i = 0; i < ALARM_FLAGS; ++i) {
        if (CNdChnData* flag = GetFlagCell(channel, i))
            flag->SetSelText((flags & (0x80 >> i)) ? "ON" : "OFF");
    }
    if (CNdChnData* p = GetProperty(channel + 1, COL_FLAGS))
        p->SetText(FlagSummary(channel));
}

void CAlarm::GetAlarmText(int row, uint8_t out[10]) const
{
    std::string text = GetCellText(row, COL_TEXT);
    for (size_t j = 0; j < TEXT_LEN; ++j)
        out[j] = j < text.size() ? static_cast<uint8_t>(text[j]) : 0x20;
}

void CAlarm::SetAlarmText(int row, const uint8_t in[10])
{
    std::string text;
    for (int j = 0; j < TEXT_LEN && in[j] != 0; ++j)
        text += static_cast<char>(in[j]);
    if (CNdChnData* p = GetProperty(row, COL_TEXT))
        p->SetText(text);
}
