// Listing the blocks of an upload.
#include "cli/CBlocksCommand.h"

#include "model/HexText.h"

#include "cli/CCliArgs.h"
#include "cli/CCliError.h"
#include "cli/CCliSession.h"
#include "codec/SetupText.h"
#include "unit/CUnitImage.h"

#include <iostream>

const char* CBlocksCommand::GetHelp() const
{
    return "Prints the blocks an upload of FILE would send to the unit, in transfer order (or only\n"
           "those of sheet S), one a line: SHEET BLOCK HEX, with BLOCK numbered within its sheet\n"
           "(general 0-7, physical 0-23, logical 0-6, alarm 0-47) and the block's 32 bytes as 64\n"
           "hex digits. An upload merges the General constants into the blocks the unit holds;\n"
           "here they are merged over zero bytes.";
}

int CBlocksCommand::Run(const std::vector<std::string>& args, std::istream&, std::ostream& out)
{
    CCliArgs parsed(args, {}, {"--sheet"});
    parsed.ExpectPositional(1, GetUsage());
    int onlySheet = CCliSession::SheetOption(parsed);
    CCliSession session(std::cerr, false);
    session.Load(parsed.Positional()[0]);

    CUnitImage image = CUnitImage::FromUpload(session.GetUnit(), nullptr);
    for (int sheet = 0; sheet < 4; ++sheet) {
        if (onlySheet >= 0 && sheet != onlySheet)
            continue;
        const std::vector<CUnitImage::Block>& blocks = image.GetBlocks(sheet);
        for (size_t b = 0; b < blocks.size(); ++b) {
            std::string hex = q4::ToHex(blocks[b].data(), blocks[b].size());
            out << q4::SheetName(sheet) << ' ' << b << ' ' << hex << '\n';
        }
    }
    return 0;
}
