// "show FILE [--sheet S] [--json]": the set-up as aligned text tables of the rows each grid
// shows, or the whole set-up, every cell with its presentation, as one JSON object.
#pragma once

#include "cli/ICliCommand.h"

class CNordaSetupType;

class CShowCommand : public ICliCommand {
public:
    const char* GetName() const override { return "show"; }
    const char* GetUsage() const override { return "show FILE [--sheet S] [--json]"; }
    const char* GetHelp() const override;
    int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out) override;

private:
    static void PrintTable(CNordaSetupType& type, std::ostream& out);
};
