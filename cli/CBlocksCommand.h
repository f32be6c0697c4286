// "blocks FILE [--sheet S]": the 32-byte blocks an upload of the document would send, in
// transfer order, one a line as "SHEET BLOCK HEX".
#pragma once

#include "cli/ICliCommand.h"

#include <array>
#include <cstdint>
#include <vector>

class CQ4kUnit;

class CBlocksCommand : public ICliCommand {
public:
    using Block = std::array<uint8_t, 32>;

    const char* GetName() const override { return "blocks"; }
    const char* GetUsage() const override { return "blocks FILE [--sheet S]"; }
    const char* GetHelp() const override;
    int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out) override;

    // The blocks of sheet 0 to 3 as an upload fills them, block 0 first; the General blocks
    // merged over zero bytes in place of what the unit holds.
    static std::vector<Block> UploadBlocks(CQ4kUnit& unit, int sheet);
};
