// Parsing the edit command's input lines.
#include "cli/CEditScript.h"

#include "cli/CCliError.h"
#include "cli/CCliSession.h"
#include "codec/SetupText.h"

#include <istream>

namespace {

const char g_LineForms[] = "expected SHEET ROW COL TEXT or cut SHEET ROW";

bool IsBlankLine(const std::string& line)
{
    return line.find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

std::vector<EditLine> CEditScript::Read(std::istream& in, const CCliSession& session)
{
    std::vector<EditLine> edits;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (IsBlankLine(line) || line[0] == '#')
            continue;
        try {
            EditLine edit = ParseLine(line, session);
            edit.line = number;
            edits.push_back(std::move(edit));
        } catch (const CCliError& e) {
            throw CCliError("line " + std::to_string(number) + ": " + e.what());
        }
    }
    if (in.bad())
        throw CCliError("cannot read the edits from standard input");
    return edits;
}

EditLine CEditScript::ParseLine(const std::string& line, const CCliSession& session)
{
    EditLine edit;
    std::vector<std::string> fields;
    size_t pos = 0;
    bool cut = line.compare(0, 4, "cut ") == 0;
    if (cut) {
        edit.kind = EditLine::Kind::Cut;
        pos = 4;
    }
    // SHEET and ROW, then COL for an edit; the text after COL is taken whole.
    size_t count = cut ? 2 : 3;
    for (size_t k = 0; k < count; ++k) {
        size_t blank = line.find(' ', pos);
        if (k + 1 < count) {
            if (blank == std::string::npos)
                throw CCliError(g_LineForms);
            fields.push_back(line.substr(pos, blank - pos));
            pos = blank + 1;
        } else {
            fields.push_back(line.substr(pos, blank == std::string::npos ? std::string::npos : blank - pos));
            pos = blank;
        }
    }
    if (pos != std::string::npos) {
        if (cut)
            throw CCliError(g_LineForms);
        q4::Result<std::string> text = q4::UnescapeText(line.substr(pos + 1));
        if (!text)
            throw CCliError(text.Reason());
        edit.text = std::move(text.Value());
    }

    edit.sheet = q4::ParseSheet(fields[0]);
    if (edit.sheet < 0)
        throw CCliError("unknown sheet \"" + fields[0] + "\" (general, physical, logical, alarm or 0 to 3)");
    CNordaSetupType* type = session.GetSheetType(edit.sheet);
    if (!type)
        throw CCliError(std::string("the set-up has no ") + q4::SheetName(edit.sheet) + " sheet");
    edit.row = ParseNumber(fields[1], "row");
    // The header row is no setting: the grids never edit it.
    if (edit.row == 0)
        throw CCliError("row 0 is the header");
    int rows = type->GetNumChannels();
    if (edit.row >= rows)
        throw CCliError("row " + fields[1] + " is not a row of the " + q4::SheetName(edit.sheet)
                        + " grid (1 to " + std::to_string(rows - 1) + ")");
    if (!cut) {
        edit.col = ParseNumber(fields[2], "column");
        int cols = type->GetSheet()->GetNumCells(0);
        if (edit.col >= cols)
            throw CCliError("column " + fields[2] + " is not a column of the " + q4::SheetName(edit.sheet)
                            + " grid (0 to " + std::to_string(cols - 1) + ")");
    }
    return edit;
}

int CEditScript::ParseNumber(const std::string& field, const char* what)
{
    if (field.empty() || field.size() > 6 || field.find_first_not_of("0123456789") != std::string::npos)
        throw CCliError(std::string("the ") + what + " \"" + field + "\" is not a number");
    int value = 0;
    for (char c : field)
        value = value * 10 + (c - '0');
    return value;
}
