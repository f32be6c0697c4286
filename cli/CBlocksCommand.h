// "blocks FILE [--sheet S]": the 32-byte blocks an upload of the document would send, in
// transfer order, one a line as "SHEET BLOCK HEX".
#pragma once

#include "cli/ICliCommand.h"

class CBlocksCommand : public ICliCommand {
public:
    const char* GetName() const override { return "blocks"; }
    const char* GetUsage() const override { return "blocks FILE [--sheet S]"; }
    const char* GetHelp() const override;
    int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out) override;
};
