// One command of the command-line companion.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class ICliCommand {
public:
    virtual ~ICliCommand() = default;

    virtual const char* GetName() const = 0;
    // The synopsis, e.g. "show FILE [--sheet S] [--json]".
    virtual const char* GetUsage() const = 0;
    // A few lines on what the command does, for --help.
    virtual const char* GetHelp() const = 0;
    // The exit code; throws CCliError for a failure with exit code 2.
    virtual int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out) = 0;
};
