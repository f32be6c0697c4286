// Checking a document's set-up as a whole.
#include "cli/CCheckCommand.h"

#include "check/CSetupChecker.h"
#include "cli/CCliArgs.h"
#include "cli/CCliError.h"
#include "cli/CCliSession.h"
#include "codec/SetupText.h"
#include "model/CJsonWriter.h"
#include "model/Cp1252.h"

#include <iostream>

namespace {

constexpr size_t HELP_WIDTH = 92;

}  // namespace

CCheckCommand::CCheckCommand()
{
    m_help = "Checks the set-up of FILE as a whole for the mistakes that no rule of the sheets refuses:\n"
             "a set point at the end of its input's display range, an alarm that nobody sees, two\n"
             "alarms alike, an input that no alarm watches, ... A line per finding as \"SEVERITY RULE\n"
             "SHEET ROW COL: SENTENCE\" (the cell it concerns, as diff names cells), then their count.\n"
             "--ignore leaves out the rules it names, commas between them; --json prints the\n"
             "findings as a JSON array instead. The rules (the manual tells why each exists):\n" +
             RuleNames() +
             "Exit status 0 when there is no error or warning (notes do not count), 1 when there is,\n"
             "2 on a file or usage error.";
}

std::string CCheckCommand::RuleNames()
{
    std::string text;
    for (Severity severity : {Severity::Error, Severity::Warning, Severity::Note}) {
        std::string line = "  " + std::string(SeverityName(severity));
        line.resize(11, ' ');
        const size_t indent = line.size();
        bool first = true;
        for (const CheckRule& rule : GetCheckRules()) {
            if (rule.severity != severity)
                continue;
            const std::string word = (first ? "" : ", ") + std::string(rule.id);
            if (line.size() + word.size() > HELP_WIDTH) {
                text += line + ",\n";
                line = std::string(indent, ' ') + rule.id;
            } else {
                line += word;
            }
            first = false;
        }
        text += line + '\n';
    }
    return text;
}

std::string CCheckCommand::Line(const Finding& finding, const std::string& prefix)
{
    return prefix + SeverityName(finding.severity) + ' ' + finding.rule + ' ' + q4::SheetName(finding.cell.sheet) +
           ' ' + std::to_string(finding.cell.row) + ' ' + std::to_string(finding.cell.col) + ": " +
           q4::EscapeText(finding.text);
}

void CCheckCommand::WriteJson(CJsonWriter& json, const std::vector<Finding>& findings)
{
    auto cell = [&json](const FindingCell& c) {
        json.Key("sheet");
        json.String(q4::SheetName(c.sheet));
        json.Key("row");
        json.Number(c.row);
        json.Key("col");
        json.Number(c.col);
    };
    json.BeginArray();
    for (const Finding& finding : findings) {
        json.BeginObject();
        json.Key("severity");
        json.String(SeverityName(finding.severity));
        json.Key("rule");
        json.String(finding.rule);
        cell(finding.cell);
        json.Key("channel");
        json.String(q4::Cp1252ToUtf8(PartText(finding.channel)));
        json.Key("text");
        json.String(q4::Cp1252ToUtf8(finding.text));
        json.Key("others");
        json.BeginArray();
        for (const FindingCell& other : finding.others) {
            json.BeginObject();
            cell(other);
            json.EndObject();
        }
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
}

std::vector<std::string> CCheckCommand::IgnoredRules(const CCliArgs& args)
{
    std::vector<std::string> rules;
    for (const std::string& list : args.Values("--ignore")) {
        std::vector<std::string> more;
        std::string error;
        if (!ParseRuleList(list, more, error))
            throw CCliError("--ignore: " + error);
        rules.insert(rules.end(), more.begin(), more.end());
    }
    return rules;
}

int CCheckCommand::ExitCode(const std::vector<Finding>& findings)
{
    const FindingCounts counts = CountFindings(findings);
    return counts.errors + counts.warnings > 0 ? 1 : 0;
}

int CCheckCommand::Run(const std::vector<std::string>& args, std::istream&, std::ostream& out)
{
    CCliArgs parsed(args, {"--json"}, {"--ignore"});
    parsed.ExpectPositional(1, GetUsage());
    const std::vector<std::string> ignored = IgnoredRules(parsed);
    CCliSession session(std::cerr, false);
    session.Load(parsed.Positional()[0]);
    const std::vector<Finding> findings = CSetupChecker::Check(session.GetUnit(), ignored);
    if (parsed.Has("--json")) {
        CJsonWriter json(out);
        WriteJson(json, findings);
        out << '\n';
    } else {
        for (const Finding& finding : findings)
            out << Line(finding) << '\n';
        out << CountText(CountFindings(findings)) << '\n';
    }
    return ExitCode(findings);
}
