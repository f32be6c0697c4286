// Reading a set-up's text and typing it into the default set-up.
#include "cli/CImportCommand.h"

#include "cli/CCliArgs.h"
#include "cli/CCliError.h"
#include "cli/CCliPrompt.h"
#include "cli/CCliSession.h"
#include "codec/CSetupImport.h"
#include "codec/SetupText.h"
#include "model/CDocumentFile.h"
#include "model/Cp1252.h"
#include "unit/CQ4kUnit.h"

#include <iostream>
#include <istream>
#include <iterator>
#include <ostream>

const char* CImportCommand::GetHelp() const
{
    return "Builds a set-up from TEXT as export writes it (JSON or CSV, told apart by the first\n"
           "character; TEXT - reads standard input) and saves it to FILE. Every cell's text is typed\n"
           "into the default set-up through the checks of the grids, as edit types it: General, the\n"
           "physical inputs, the logical inputs, the alarms, each row left to right and then its\n"
           "flags, again while that helps. Questions are answered OK (the text says what was\n"
           "chosen) and print \"question: TEXT -> OK\". Headers and row names stay the sheet's own.\n"
           "Cells no one types into (copied parameters, an alarm's Flags cell) then take their text\n"
           "as written, and a number typing wrote another way (\" 0\" for \"0\") keeps its spelling\n"
           "where the unit would hold the same; a cell the text leaves out keeps its default, and a\n"
           "sheet of which it holds no cell is named on standard error.\n"
           "A cell that does not hold its text in the end prints \"SHEET ROW COL: refused ID MESSAGE\",\n"
           "or \"SHEET ROW COL: taken as TEXT\" when it took the text but changed it; a flag is\n"
           "named alarm-flag ROW FLAG. FILE is written in either case, so that show and diff can\n"
           "tell what came of it. Exit status 0 when every cell took its text, 1 when some did\n"
           "not; 2 on a malformed text (its line named), a text without a single cell or a file\n"
           "error, and then nothing is written.";
}

std::vector<CellText> CImportCommand::ReadTexts(const std::string& text, const CQ4kUnit& unit)
{
    q4::Result<std::vector<CellText>> texts = CSetupImport::ReadTexts(text, unit);
    if (!texts)
        throw CCliError(texts.Reason());
    return std::move(texts.Value());
}

std::string CImportCommand::Describe(const TypingRefusal& refusal)
{
    std::string line = CSetupImport::CellName(refusal.cell) + ": ";
    if (!refusal.errorId)
        return line + "taken as " + q4::EscapeText(refusal.kept);
    std::string message = CCliPrompt::OneLine(refusal.message);
    return line + "refused " + std::to_string(refusal.errorId) + (message.empty() ? "" : " ") + message;
}

std::string CImportCommand::SheetsLeftOut(const CQ4kUnit& unit, const std::vector<int>& sheets)
{
    std::string left;
    for (int sheet : sheets)
        left += (left.empty() ? "" : ", ") + q4::Cp1252ToUtf8(unit.GetSetupType(sheet)->m_strTitle);
    return left;
}

int CImportCommand::Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out)
{
    CCliArgs parsed(args, {}, {"-o"});
    parsed.ExpectPositional(1, GetUsage());
    if (!parsed.Has("-o"))
        throw CCliError(std::string("usage: ") + GetUsage());
    const std::string& source = parsed.Positional()[0];

    std::string text;
    if (source == "-") {
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad())
            throw CCliError("cannot read the text from standard input");
    } else {
        q4::Result<std::vector<uint8_t>> bytes = CDocumentFile().ReadBytes(source);
        if (!bytes)
            throw CCliError(bytes.Reason());
        text.assign(bytes->begin(), bytes->end());
    }

    CCliSession session(out, true);
    session.Reset();
    const std::string sourceName = source == "-" ? std::string("standard input") : source;
    q4::Result<ImportReport> report = CSetupImport::Import(text, session.GetUnit());
    if (!report)
        throw CCliError(sourceName + ": " + report.Reason());
    if (std::string left = SheetsLeftOut(session.GetUnit(), report->sheetsLeftOut); !left.empty())
        std::cerr << "q4150cli: the text holds no cells of " << left << "; "
                  << (left.find(',') == std::string::npos ? "it keeps its defaults" : "they keep their defaults") << '\n';
    for (const TypingRefusal& refusal : report->refusals)
        out << Describe(refusal) << '\n';
    out.flush();
    session.Save(parsed.Value("-o"));
    return report->refusals.empty() ? 0 : 1;
}
