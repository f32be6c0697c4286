// "show FILE [--sheet S] [--json]": the set-up as aligned text tables of the rows each grid
// shows, or the whole set-up, every cell with its presentation, as one JSON object.
#pragma once

#include "cli/ICliCommand.h"

#include <cstddef>
#include <iosfwd>
#include <string>

class CNordaSetupType;
class CQ4kUnit;

class CShowCommand : public ICliCommand {
public:
    const char* GetName() const override { return "show"; }
    const char* GetUsage() const override { return "show FILE [--sheet S] [--json]"; }
    const char* GetHelp() const override;
    int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out) override;
    // Names on err the cells of the set-up read from path whose text the unit cannot hold as
    // written, with what it will hold; returns how many there are.
    static size_t NameCellsNotHeld(const CQ4kUnit& unit, const std::string& path, std::ostream& err);

private:
    static void PrintTable(CNordaSetupType& type, std::ostream& out);
};
