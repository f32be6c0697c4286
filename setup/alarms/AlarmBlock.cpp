// The alarm's 32-byte device block: packing a channel row and taking a received block apart,
// with the delay's count and time factor, the set point's dynamic-reference bits and the flags.
#include "setup/alarms/CAlarm.h"

#include "model/ChannelNames.h"
#include "model/NumberText.h"
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
        DoValidateData(row, c, GetCellText(row, c), 0);
}

uint8_t CAlarm::GetInputReference(int row) const
{
    std::string text = GetCellText(row, COL_INPREF);
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

void CAlarm::SetInputReference(int row, uint8_t code)
{
    std::string name;
    if (code <= 23)
        name = GetPhChnName(code + 1);
    else if (code <= 46)
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
    std::string dynRef = "OFF";
    if (flags & SP_DYNRANGE) {
        sign = "\xB1";
        if (IsChannelActive(row))
            dynRef = GetLogChnName((flags & SP_DYNREF_MASK) + 1);
    }
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
    case COL_SETPOINT:
        return HoldParm(text);
    case COL_DELAY: {
        int count = 0;
        uint8_t factor = 0;
        EncodeDelay(text, count, factor);
        double delay = count * g_TimeFactors[factor].unit;
        // Up to a second as a download writes it; above, with the tenth a download drops.
        std::string held = delay <= 1                  ? q4::FormatF(delay, factor == 0 ? 3 : 2)
                           : factor == 1 && count % 10 ? q4::FormatF(delay, 1)
                                                       : q4::FormatD(std::lround(delay));
        return HoldNumber(text, std::move(held));
    }
    case COL_TEXT: {
        std::string held = text.substr(0, std::min<size_t>(text.size(), TEXT_LEN));
        held.resize(TEXT_LEN, ' ');
        size_t end = text.find_last_not_of(' ');
        bool exact = end == std::string::npos || end < TEXT_LEN;
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
        return CNordaSetupType::GetHolding(row, col, text);
    }
}

void CAlarm::SetDelay(int row, const uint8_t in[2])
{
    int count = in[0];
    int factor = in[1] & 0x07;
    double delay = count * g_TimeFactors[factor].unit;
    std::string text;
    if (delay > 1)
        text = q4::FormatD(static_cast<long>(delay));
    else
        text = q4::FormatF(delay, factor == 0 ? 3 : 2);
    if (CNdChnData* p = GetProperty(row, COL_DELAY))
        p->SetText(text);
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
