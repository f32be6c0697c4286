// The memory of an emulated Q4000-30: 8 General blocks, 31 input blocks (physical inputs 0-23,
// logical inputs 24-30) and 48 alarm blocks of 32 bytes, with its factory contents and a text
// file form ("general N HEX", "physical N HEX", "alarm N HEX").
#pragma once

#include "model/Result.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

class CUnitEmulator {
public:
    enum class BlockSpace { General = 0, Input = 1, Alarm = 2 };
    static constexpr int BLOCK_LEN = 32;
    static constexpr int GENERAL_BLOCKS = 8;
    static constexpr int INPUT_BLOCKS = 31;
    static constexpr int LOGICAL_FIRST_BLOCK = 24;  // the logical inputs follow the 24 physical ones
    static constexpr int FIRST_LOGICAL_BLOCK = 24;
    static constexpr int ALARM_BLOCKS = 48;

    // Starts factory-fresh, or all zero when blank.
    explicit CUnitEmulator(bool blank = false);

    void Reset(bool blank);
    static int NumBlocks(BlockSpace space);
    // False when the block does not exist.
    bool GetBlock(BlockSpace space, int block, uint8_t* out) const;
    bool SetBlock(BlockSpace space, int block, const uint8_t* in);

    // Every block, one a line, in the order general, physical, alarm.
    std::string SaveText() const;
    // Replaces the blocks the text names. Empty lines and lines starting with "#" are skipped.
    // A malformed text changes nothing; the reason names the first fault.
    q4::Status LoadText(const std::string& text);
    q4::Status SaveFile(const std::string& path) const;
    q4::Status LoadFile(const std::string& path);

private:
    std::vector<uint8_t>& Space(BlockSpace space);
    const std::vector<uint8_t>& Space(BlockSpace space) const;

    mutable std::mutex m_lock;
    std::vector<uint8_t> m_general;
    std::vector<uint8_t> m_inputs;
    std::vector<uint8_t> m_alarms;
};
