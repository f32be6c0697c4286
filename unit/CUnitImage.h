// The unit's memory as blocks: each setup type's blocks of 32 bytes in transfer order, as an
// upload writes them or a download reads them.
#pragma once

#include "model/CNordaSetupType.h"

#include <array>
#include <cstdint>
#include <vector>

class CQ4kUnit;

class CUnitImage {
public:
    using Block = std::array<uint8_t, CNordaSetupType::BLOCK_LEN>;

    // The blocks an upload of the unit's set-up writes. A setup type that holds only part of
    // its blocks merges into held's blocks, the unit's memory as read; into zeros without it.
    static CUnitImage FromUpload(CQ4kUnit& unit, const CUnitImage* held);

    // Hands every block to its setup type as a download does, then tells each that all came.
    void TakeApartInto(CQ4kUnit& unit) const;

    std::vector<Block>& GetBlocks(int slot) { return m_blocks[slot]; }
    const std::vector<Block>& GetBlocks(int slot) const { return m_blocks[slot]; }
    bool operator==(const CUnitImage& other) const = default;

private:
    std::vector<Block> m_blocks[4];
};
