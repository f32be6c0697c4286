// "plant new|add|set|status|check|verify|upload PLANT ...": a plant file made, extended and
// changed, the state of its units from their files and the plant log, their set-ups checked, and
// its units verified or uploaded side by side, each on its own port and thread.
#pragma once

#include "cli/ICliCommand.h"

#include <iosfwd>
#include <string>
#include <vector>

class CUnitJob;

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
    // "AN-101: holds its file", "AN-102: stopped by SIGINT after 12 of 87 blocks read", ...
    static std::string EndLine(const CUnitJob& job, int signal);
};
