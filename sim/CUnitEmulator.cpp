// Emulated unit memory: factory contents, block access and the memory file.
#include "sim/CUnitEmulator.h"

#include "model/HexText.h"

#include <cstring>
#include <fstream>
#include <sstream>

namespace {

const char* const g_SpaceNames[3] = {"general", "physical", "alarm"};

// What a fresh alarm channel holds: no input (48), positive sign, delay and LED defaults,
// ten blanks of LCD text.
const uint8_t g_FactoryAlarm[32] = {0x30, 0x00, 0x00, 0x20, 0x1E, 0x00, 0x18, 0x0E, 0x00, 0x20, 0x20,
                                    0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x00, 0x00, 0x00,
                                    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

void PutConstant(uint8_t* block, int index, uint32_t value)
{
    for (int b = 0; b < 4; ++b)
        block[4 * index + b] = static_cast<uint8_t>((value >> (8 * b)) & 0xFF);
}

}  // namespace

CUnitEmulator::CUnitEmulator(bool blank)
{
    Reset(blank);
}

int CUnitEmulator::NumBlocks(BlockSpace space)
{
    switch (space) {
    case BlockSpace::General: return GENERAL_BLOCKS;
    case BlockSpace::Input: return INPUT_BLOCKS;
    case BlockSpace::Alarm: return ALARM_BLOCKS;
    }
    return 0;
}

std::vector<uint8_t>& CUnitEmulator::Space(BlockSpace space)
{
    return space == BlockSpace::General ? m_general : space == BlockSpace::Input ? m_inputs : m_alarms;
}

const std::vector<uint8_t>& CUnitEmulator::Space(BlockSpace space) const
{
    return space == BlockSpace::General ? m_general : space == BlockSpace::Input ? m_inputs : m_alarms;
}

void CUnitEmulator::Reset(bool blank)
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_general.assign(GENERAL_BLOCKS * BLOCK_LEN, 0);
    m_inputs.assign(INPUT_BLOCKS * BLOCK_LEN, 0);
    m_alarms.assign(ALARM_BLOCKS * BLOCK_LEN, 0);
    if (blank)
        return;
    // General: protocol MODBUS, device number 1, both baud rates 9600.
    PutConstant(m_general.data(), 2, 1);
    PutConstant(m_general.data(), 3, 1);
    PutConstant(m_general.data(), 5, 9600);
    PutConstant(m_general.data(), 6, 9600);
    for (int b = 0; b < INPUT_BLOCKS; ++b) {
        uint8_t* block = m_inputs.data() + b * BLOCK_LEN;
        if (b >= FIRST_LOGICAL_BLOCK)
            std::memset(block + 16, 0x30, 12);
        std::memset(block + 28, 0x20, 4);
    }
    for (int b = 0; b < ALARM_BLOCKS; ++b)
        std::memcpy(m_alarms.data() + b * BLOCK_LEN, g_FactoryAlarm, BLOCK_LEN);
}

bool CUnitEmulator::GetBlock(BlockSpace space, int block, uint8_t* out) const
{
    if (block < 0 || block >= NumBlocks(space))
        return false;
    std::lock_guard<std::mutex> lock(m_lock);
    std::memcpy(out, Space(space).data() + block * BLOCK_LEN, BLOCK_LEN);
    return true;
}

bool CUnitEmulator::SetBlock(BlockSpace space, int block, const uint8_t* in)
{
    if (block < 0 || block >= NumBlocks(space))
        return false;
    std::lock_guard<std::mutex> lock(m_lock);
    std::memcpy(Space(space).data() + block * BLOCK_LEN, in, BLOCK_LEN);
    return true;
}

std::string CUnitEmulator::SaveText() const
{
    std::string text;
    std::lock_guard<std::mutex> lock(m_lock);
    for (int s = 0; s < 3; ++s) {
        auto space = static_cast<BlockSpace>(s);
        for (int b = 0; b < NumBlocks(space); ++b) {
            text += g_SpaceNames[s];
            text += ' ' + std::to_string(b) + ' ';
            const uint8_t* block = Space(space).data() + b * BLOCK_LEN;
            text += q4::ToHex(block, BLOCK_LEN);
            text += '\n';
        }
    }
    return text;
}

q4::Status CUnitEmulator::LoadText(const std::string& text)
{
    struct Loaded {
        BlockSpace space;
        int block;
        uint8_t data[BLOCK_LEN];
    };
    std::vector<Loaded> loaded;
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string name, number, hex, extra;
        fields >> name >> number >> hex;
        auto fail = [&](const std::string& why) { return q4::Failure{"line " + std::to_string(lineNo) + ": " + why}; };
        if (fields >> extra)
            return fail("more than three fields");
        int s = -1;  // the space's number
        for (int i = 0; i < 3; ++i) {
            if (name == g_SpaceNames[i])
                s = i;
        }
        // The logical inputs, as q4150cli blocks numbers them, follow the physical ones.
        const bool logical = name == "logical";
        if (logical)
            s = static_cast<int>(BlockSpace::Input);
        if (s < 0)
            return fail("unknown block kind \"" + name + "\" (general, physical, logical or alarm)");
        Loaded entry{static_cast<BlockSpace>(s), 0, {}};
        if (number.empty() || number.size() > 3 || number.find_first_not_of("0123456789") != std::string::npos)
            return fail("block number \"" + number + "\" is not a number");
        entry.block = std::stoi(number);
        const int count = logical ? NumBlocks(BlockSpace::Input) - LOGICAL_FIRST_BLOCK : NumBlocks(entry.space);
        if (entry.block >= count)
            return fail(name + " block " + number + " does not exist (0 to " + std::to_string(count - 1) + ")");
        if (logical)
            entry.block += LOGICAL_FIRST_BLOCK;
        if (hex.size() != 2 * BLOCK_LEN)
            return fail("expected 64 hex digits, found " + std::to_string(hex.size()) + " characters");
        for (int i = 0; i < BLOCK_LEN; ++i) {
            int hi = q4::HexDigit(hex[2 * i]);
            int lo = q4::HexDigit(hex[2 * i + 1]);
            if (hi < 0 || lo < 0)
                // Appended, not prepended to a temporary: GCC 12 at -O3 reports a false -Wrestrict there.
                return fail(std::string(1, '"').append(hex, 2 * i, 2).append("\" is not a hex byte"));
            entry.data[i] = static_cast<uint8_t>((hi << 4) | lo);
        }
        loaded.push_back(entry);
    }
    for (const Loaded& entry : loaded)
        SetBlock(entry.space, entry.block, entry.data);
    return {};
}

q4::Status CUnitEmulator::SaveFile(const std::string& path) const
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out) {
        out << SaveText();
        out.close();
    }
    if (!out)
        return q4::Failure{"cannot write " + path};
    return {};
}

q4::Status CUnitEmulator::LoadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return q4::Failure{"cannot read " + path};
    std::ostringstream text;
    text << in.rdbuf();
    if (q4::Status loaded = LoadText(text.str()); !loaded)
        return q4::Failure{path + " " + loaded.Reason()};
    return {};
}
