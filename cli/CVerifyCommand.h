// "verify FILE --port PORT ...": does the unit hold the set-up of FILE?
#pragma once

#include "cli/ICliCommand.h"

#include <iosfwd>
#include <string>

class CCliJobUi;
class CUnitJob;

class CVerifyCommand : public ICliCommand {
public:
    CVerifyCommand();

    const char* GetName() const override { return "verify"; }
    const char* GetUsage() const override { return m_usage.c_str(); }
    const char* GetHelp() const override;
    int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out) override;

private:
    // Says how the job ended, the differing cells on out; the exit status.
    static int Tell(CUnitJob& job, const CCliJobUi& ui, std::ostream& out);

    std::string m_usage;
};
