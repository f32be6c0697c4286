// "diff A B": every cell and alarm flag cell whose text differs between two documents.
#pragma once

#include "cli/ICliCommand.h"

#include <map>
#include <string>
#include <tuple>

class CCliSession;

class CDiffCommand : public ICliCommand {
public:
    const char* GetName() const override { return "diff"; }
    const char* GetUsage() const override { return "diff A B"; }
    const char* GetHelp() const override;
    int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out) override;

private:
    // Where a text stands: the sheet's name ("alarm-flag" for the flag cells), row and column.
    using CellKey = std::tuple<int, std::string, int, int>;
    using Texts = std::map<CellKey, std::string>;

    static Texts ReadTexts(CCliSession& session);
};
