// Writing a set-up as text, to standard output or whole into a file.
#include "cli/CExportCommand.h"

#include "cli/CCliArgs.h"
#include "cli/CCliError.h"
#include "cli/CCliSession.h"
#include "codec/CSetupCsv.h"
#include "codec/CSetupJson.h"
#include "model/CDocumentFile.h"

#include <iostream>
#include <sstream>

const char* CExportCommand::GetHelp() const
{
    return "Writes every sheet of FILE, hidden rows included, to standard output or whole to OUT.\n"
           "--format json (the default) writes what show --json prints. --format csv writes for\n"
           "spreadsheets and diff: a line [general], [physical], [logical] or [alarm], then a line\n"
           "per row of that sheet starting with its row number (0, the header row, first), then\n"
           "[alarm-flag] with a line per alarm channel: its row and its three flags below a line 0\n"
           "naming them. Texts are UTF-8 with control bytes as \\xHH and a backslash as \\\\; a field\n"
           "holding a comma, a quote or a line break is quoted, its quotes doubled.\n"
           "import reads either back; in CSV it passes over blank lines, lines starting with #,\n"
           "and empty fields past a row's end, as a spreadsheet may add them.";
}

void CExportCommand::Write(const CQ4kUnit& unit, bool csv, std::ostream& out)
{
    if (csv)
        CSetupCsv::Write(unit, out);
    else
        CSetupJson::Write(unit, -1, out);
}

int CExportCommand::Run(const std::vector<std::string>& args, std::istream&, std::ostream& out)
{
    CCliArgs parsed(args, {}, {"--format", "-o"});
    parsed.ExpectPositional(1, GetUsage());
    std::string format = parsed.Has("--format") ? parsed.Value("--format") : "json";
    if (format != "json" && format != "csv")
        throw CCliError("--format takes json or csv, not " + format);

    // Messages raised while loading must not mix with the text on standard output.
    CCliSession session(std::cerr, false);
    session.Load(parsed.Positional()[0]);
    std::ostringstream text;
    Write(session.GetUnit(), format == "csv", text);
    if (!parsed.Has("-o")) {
        out << text.str();
        return 0;
    }
    const std::string bytes = text.str();
    q4::Status written =
        CDocumentFile().WriteBytes(std::vector<uint8_t>(bytes.begin(), bytes.end()), parsed.Value("-o"));
    if (!written)
        throw CCliError(written.Reason());
    return 0;
}
