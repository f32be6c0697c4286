// Writing a set-up as CSV sections and reading its cell texts back.
#include "codec/CSetupCsv.h"

#include "codec/SetupText.h"
#include "compare/CSetupComparison.h"
#include "setup/alarms/CAlarm.h"
#include "unit/CQ4kUnit.h"

#include <ostream>
#include <stdexcept>

namespace {

// What is wrong with the text, where Read turns it into its failure.
class CsvFault : public std::runtime_error {
public:
    explicit CsvFault(const std::string& what) : std::runtime_error(what) {}
};

constexpr int FLAG_SECTION = 4;
const char g_FlagSection[] = "alarm-flag";
const char g_Utf8Bom[] = "\xEF\xBB\xBF";

std::string SectionName(int section)
{
    return section < FLAG_SECTION ? q4::SheetName(section) : g_FlagSection;
}

// "the physical sheet", "the alarm-flag section"
std::string TheSection(int section)
{
    return "the " + SectionName(section) + (section < FLAG_SECTION ? " sheet" : " section");
}

bool AllEmpty(const std::vector<std::string>& fields, size_t from)
{
    for (size_t i = from; i < fields.size(); ++i) {
        if (!fields[i].empty())
            return false;
    }
    return true;
}

// Rows and columns of a section; 0 rows when the unit lacks it.
int CountRows(const CQ4kUnit& unit, int section)
{
    if (section == FLAG_SECTION)
        return CSetupComparison::CountFlagRows(unit) ? CSetupComparison::CountFlagRows(unit) + 1 : 0;
    CNordaSetupType* type = q4::SheetType(unit, section);
    return type ? type->GetSheet()->GetNumSections() : 0;
}

int CountColumns(const CQ4kUnit& unit, int section, int row)
{
    if (section == FLAG_SECTION)
        return CAlarm::ALARM_FLAGS;
    return q4::SheetType(unit, section)->GetSheet()->GetNumCells(row);
}

std::string Range(int count)
{
    return " (0 to " + std::to_string(count - 1) + ")";
}

}  // namespace

std::string CSetupCsv::Field(const std::string& utf8)
{
    if (utf8.find_first_of(",\"\r\n") == std::string::npos)
        return utf8;
    std::string out = "\"";
    for (char c : utf8) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + '"';
}

void CSetupCsv::Write(const CQ4kUnit& unit, std::ostream& out)
{
    for (int section = 0; section <= FLAG_SECTION; ++section) {
        int rows = CountRows(unit, section);
        if (!rows)
            continue;
        out << (section ? "\n[" : "[") << SectionName(section) << "]\n";
        for (int row = 0; row < rows; ++row) {
            out << row;
            for (int col = 0; col < CountColumns(unit, section, row); ++col) {
                std::string text;
                if (section < FLAG_SECTION)
                    text = unit.GetSetupType(section)->GetCellText(row, col);
                else if (const CNdChnData* flag = CSetupComparison::GetFlagCell(unit, row ? row : 1, col))
                    text = row ? flag->GetDataAsString() : flag->GetName();
                out << ',' << Field(q4::EscapeText(text));
            }
            out << '\n';
        }
    }
}

std::vector<CSetupCsv::Record> CSetupCsv::Split(const std::string& text)
{
    std::vector<Record> records;
    const size_t n = text.size();
    size_t i = text.compare(0, 3, g_Utf8Bom) == 0 ? 3 : 0;
    int line = 1;
    auto lineEnd = [&](size_t at) { return at >= n || text[at] == '\n' || text.compare(at, 2, "\r\n") == 0; };
    while (i < n) {
        Record record;
        record.line = line;
        while (true) {
            std::string field;
            if (i < n && text[i] == '"') {
                const int opened = line;
                for (++i;; ++i) {
                    if (i >= n)
                        throw CsvFault("line " + std::to_string(opened) + ": a quoted field is not closed");
                    if (text[i] == '"' && (i + 1 >= n || text[i + 1] != '"'))
                        break;
                    if (text[i] == '"')
                        ++i;  // a doubled quote stands for one
                    else if (text[i] == '\n')
                        ++line;
                    field += text[i];
                }
                ++i;
                if (!lineEnd(i) && text[i] != ',')
                    throw CsvFault("line " + std::to_string(line) + ": text after the closing quote of a field");
            } else {
                for (; !lineEnd(i) && text[i] != ','; ++i) {
                    if (text[i] == '"')
                        throw CsvFault("line " + std::to_string(line)
                                        + ": a quote in a field that does not start with one (quote the field and "
                                          "double its quotes)");
                    field += text[i];
                }
            }
            record.fields.push_back(std::move(field));
            if (i >= n || text[i] != ',')
                break;
            ++i;
        }
        i += i < n && text[i] == '\r' ? 2 : 1;
        ++line;
        records.push_back(std::move(record));
    }
    return records;
}

int CSetupCsv::ParseSection(const Record& record)
{
    const std::string& first = record.fields[0];
    if (first.empty() || first[0] != '[')
        return -1;
    std::string name = first.substr(1, first.size() - 1 - (first.back() == ']'));
    int section = name == g_FlagSection ? FLAG_SECTION : q4::ParseSheet(name);
    if (first.back() != ']' || section < 0 || !AllEmpty(record.fields, 1))
        throw CsvFault("expected a line [general], [physical], [logical], [alarm] or [alarm-flag], not " + first);
    return section;
}

int CSetupCsv::ReadRow(const Record& record, const CQ4kUnit& unit, int section, std::vector<CellText>& texts)
{
    const std::string& first = record.fields[0];
    const int rows = CountRows(unit, section);
    const std::string name = SectionName(section);
    int row = -1;
    if (!first.empty() && first.size() < 6 && first.find_first_not_of("0123456789") == std::string::npos)
        row = std::stoi(first);
    if (row < 0 || row >= rows)
        throw CsvFault("the row \"" + first + "\" is not a row of " + TheSection(section) + Range(rows));
    const int columns = CountColumns(unit, section, row);
    for (size_t f = 1; f < record.fields.size(); ++f) {
        const int col = static_cast<int>(f) - 1;
        if (col >= columns) {
            if (record.fields[f].empty())
                continue;  // a spreadsheet pads the rows of a narrower sheet
            throw CsvFault("column " + std::to_string(col) + " is not a column of " + TheSection(section)
                            + Range(columns));
        }
        CellText cell{section == FLAG_SECTION ? ST_ALARM : section, row, col, section == FLAG_SECTION, {}};
        q4::Result<std::string> text = q4::UnescapeText(record.fields[f]);
        if (!text)
            throw CsvFault(name + " " + first + " " + std::to_string(col) + ": " + text.Reason());
        cell.text = std::move(text.Value());
        if (row > 0)
            texts.push_back(std::move(cell));
    }
    return row;
}

q4::Result<std::vector<CellText>> CSetupCsv::Read(const std::string& text, const CQ4kUnit& unit)
{
    try {
        return ReadTexts(text, unit);
    } catch (const CsvFault& e) {
        return q4::Failure{e.what()};
    }
}

std::vector<CellText> CSetupCsv::ReadTexts(const std::string& text, const CQ4kUnit& unit)
{
    std::vector<CellText> texts;
    int section = -1;
    std::vector<bool> sectionsGiven(FLAG_SECTION + 1);
    std::vector<bool> rowsGiven;
    for (const Record& record : Split(text)) {
        if (AllEmpty(record.fields, 0) || record.fields[0].starts_with('#'))
            continue;
        try {
            if (int next = ParseSection(record); next >= 0) {
                if (!CountRows(unit, next))
                    throw CsvFault("the set-up has no " + SectionName(next) + " sheet");
                if (sectionsGiven[static_cast<size_t>(next)])
                    throw CsvFault("the section [" + SectionName(next) + "] appears twice");
                sectionsGiven[static_cast<size_t>(next)] = true;
                section = next;
                rowsGiven.assign(static_cast<size_t>(CountRows(unit, section)), false);
                continue;
            }
            if (section < 0)
                throw CsvFault("a row before the first [SHEET] line");
            auto row = static_cast<size_t>(ReadRow(record, unit, section, texts));
            if (rowsGiven[row])
                throw CsvFault("row " + record.fields[0] + " of " + TheSection(section) + " appears twice");
            rowsGiven[row] = true;
        } catch (const CsvFault& e) {
            throw CsvFault("line " + std::to_string(record.line) + ": " + e.what());
        }
    }
    return texts;
}
