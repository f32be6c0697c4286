// Parsing the edit command's input lines.
#include "cli/CEditScript.h"

#include "model/HexText.h"

#include "cli/CCliError.h"
#include "cli/CCliSession.h"
#include "model/Cp1252.h"

#include <istream>

namespace {

const char g_LineForms[] = "expected SHEET ROW COL TEXT or cut SHEET ROW";

// UTF-8 text as Windows-1252; refused when it is not UTF-8 or holds a character the code
// page lacks, rather than letting it turn into '?'.
std::string ToCp1252(const std::string& utf8)
{
    std::string text = q4::Utf8ToCp1252(utf8);
    if (q4::Cp1252ToUtf8(text) != utf8)
        throw CCliError("the text is not UTF-8 or holds a character outside Windows-1252 (write bytes as \\xHH)");
    return text;
}

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
        edit.text = Unescape(line.substr(pos + 1));
    }

    edit.sheet = CCliSession::ParseSheet(fields[0]);
    if (edit.sheet < 0)
        throw CCliError("unknown sheet \"" + fields[0] + "\" (general, physical, logical, alarm or 0 to 3)");
    CNordaSetupType* type = session.GetSheetType(edit.sheet);
    if (!type)
        throw CCliError(std::string("the set-up has no ") + CCliSession::GetSheetName(edit.sheet) + " sheet");
    edit.row = ParseNumber(fields[1], "row");
    // The header row is no setting: the grids never edit it.
    if (edit.row == 0)
        throw CCliError("row 0 is the header");
    int rows = type->GetNumChannels();
    if (edit.row >= rows)
        throw CCliError("row " + fields[1] + " is not a row of the " + CCliSession::GetSheetName(edit.sheet)
                        + " grid (1 to " + std::to_string(rows - 1) + ")");
    if (!cut) {
        edit.col = ParseNumber(fields[2], "column");
        int cols = type->GetSheet()->GetNumCells(0);
        if (edit.col >= cols)
            throw CCliError("column " + fields[2] + " is not a column of the " + CCliSession::GetSheetName(edit.sheet)
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

std::string CEditScript::Unescape(const std::string& text)
{
    std::string out;
    std::string literal;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            literal += text[i];
            continue;
        }
        out += ToCp1252(literal);
        literal.clear();
        if (i + 1 < text.size() && text[i + 1] == '\\') {
            out += '\\';
            ++i;
        } else if (i + 3 < text.size() && text[i + 1] == 'x' && q4::HexDigit(text[i + 2]) >= 0 && q4::HexDigit(text[i + 3]) >= 0) {
            out += static_cast<char>(q4::HexDigit(text[i + 2]) * 16 + q4::HexDigit(text[i + 3]));
            i += 3;
        } else {
            throw CCliError("a backslash in the text must start \\xHH or \\\\");
        }
    }
    return out + ToCp1252(literal);
}
