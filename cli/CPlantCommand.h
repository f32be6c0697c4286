// "plant new|add|set|status|check|verify|upload|log PLANT ...": a plant file made, extended and
// changed, the state of its units from their files and the plant log, their set-ups checked, its
// units verified or uploaded side by side, each on its own port and thread, and a unit's history.
#pragma once

#include "cli/ICliCommand.h"

#include <iosfwd>
#include <string>
#include <vector>

class CPlantUnitJob;

class CPlantCommand : public ICliCommand {
public:
    const char* GetName() const override { return "plant"; }
    const char* GetUsage() const override;
    const char* GetHelp() const override;
    int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out) override;

private:
    static int New(const std::vector<std::string>& args);
    static int Add(const std::vector<std::string>& args);
    static int Set(const std::vector<std::string>& args);
    static int Status(const std::vector<std::string>& args, std::ostream& out);
    static int SideBySide(const std::vector<std::string>& args, bool upload, std::ostream& out);
    static int Log(const std::vector<std::string>& args, std::ostream& out);
    // "AN-101: holds its file", "AN-102: stopped by SIGINT: the read of the unit was stopped ...".
    static std::string EndLine(const CPlantUnitJob& job, int signal);
};
