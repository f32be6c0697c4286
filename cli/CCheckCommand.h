// "check FILE [--json] [--ignore RULE,...]": the findings of the set-up checks on a document, a
// line each and their count, or as JSON; and the writing of findings that plant check shares.
#pragma once

#include "check/Finding.h"
#include "cli/ICliCommand.h"

#include <iosfwd>
#include <string>
#include <vector>

class CCliArgs;
class CJsonWriter;

class CCheckCommand : public ICliCommand {
public:
    CCheckCommand();

    const char* GetName() const override { return "check"; }
    const char* GetUsage() const override { return "check FILE [--json] [--ignore RULE,...]"; }
    const char* GetHelp() const override { return m_help.c_str(); }
    int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out) override;

    // "SEVERITY RULE SHEET ROW COL: SENTENCE", UTF-8, after prefix.
    static std::string Line(const Finding& finding, const std::string& prefix = std::string());
    // The findings as a JSON array of objects.
    static void WriteJson(CJsonWriter& json, const std::vector<Finding>& findings);
    // The rules of an --ignore option (none without it); throws CCliError for a name that is no rule.
    static std::vector<std::string> IgnoredRules(const CCliArgs& args);
    // The rules' ids by severity, for the help texts: "  error    never-trips, ..." lines.
    static std::string RuleNames();
    // 0 without errors and warnings, 1 with some.
    static int ExitCode(const std::vector<Finding>& findings);

private:
    std::string m_help;
};
