// Printing a set-up as text tables or as JSON.
#include "cli/CShowCommand.h"

#include "cli/CCliArgs.h"
#include "cli/CCliError.h"
#include "cli/CCliSession.h"
#include "cli/CJsonWriter.h"
#include "cli/CTextTable.h"
#include "compare/CSetupComparison.h"
#include "model/Cp1252.h"
#include "setup/alarms/CAlarm.h"

#include <iostream>

const char* CShowCommand::GetHelp() const
{
    return "Prints each sheet (or only sheet S) as a table of the rows its grid shows, header row\n"
           "first; control bytes show as \\xHH and a backslash as \\\\, as the edit command reads\n"
           "them. With --json prints the whole set-up, hidden rows and every cell's presentation\n"
           "included, as one JSON object.";
}

int CShowCommand::Run(const std::vector<std::string>& args, std::istream&, std::ostream& out)
{
    CCliArgs parsed(args, {"--json"}, {"--sheet"});
    parsed.ExpectPositional(1, GetUsage());
    int onlySheet = CCliSession::SheetOption(parsed);

    // Messages raised while loading must not mix with the set-up on standard output.
    CCliSession session(std::cerr, false);
    session.Load(parsed.Positional()[0]);
    if (onlySheet >= 0 && !session.GetSheetType(onlySheet))
        throw CCliError(std::string("the set-up has no ") + CCliSession::GetSheetName(onlySheet) + " sheet");

    if (parsed.Has("--json")) {
        PrintJson(session, onlySheet, out);
        return 0;
    }
    bool first = true;
    for (int sheet = 0; sheet < 4; ++sheet) {
        CNordaSetupType* type = session.GetSheetType(sheet);
        if (!type || (onlySheet >= 0 && sheet != onlySheet))
            continue;
        if (!first)
            out << '\n';
        first = false;
        out << q4::Cp1252ToUtf8(type->m_strTitle) << '\n';
        PrintTable(*type, out);
    }
    return 0;
}

void CShowCommand::PrintTable(CNordaSetupType& type, std::ostream& out)
{
    CDataSheet* sheet = type.GetSheet();
    int columns = sheet->GetNumCells(0);
    CTextTable table;
    for (int row = 0; row < type.GetNumChannels() && row < sheet->GetNumSections(); ++row) {
        std::vector<std::string> texts;
        for (int col = 0; col < columns; ++col)
            texts.push_back(CCliSession::DisplayText(type.GetCellText(row, col)));
        table.AddRow(std::move(texts));
    }
    table.Print(out);
}

void CShowCommand::WriteCell(CJsonWriter& json, const CNdChnData* cell)
{
    if (!cell) {
        json.Null();  // never in a sheet built by its setup type; keeps the row's columns
        return;
    }
    json.BeginObject();
    json.Key("name");
    json.String(q4::Cp1252ToUtf8(cell->GetName()));
    json.Key("data_type");
    json.Number(cell->m_nDataType);
    json.Key("editable");
    json.Number(cell->m_bEditable);
    json.Key("sel");
    json.Number(cell->m_nCurSel);
    json.Key("style");
    json.Number(cell->m_nStyle);
    json.Key("text_len");
    json.Number(cell->m_nTextLen);
    json.Key("colour");
    json.Number(cell->m_crBkColour);
    json.Key("items");
    json.BeginArray();
    for (const auto& item : cell->GetData())
        json.String(q4::Cp1252ToUtf8(item));
    json.EndArray();
    json.Key("text");
    json.String(q4::Cp1252ToUtf8(cell->GetDataAsString()));
    json.EndObject();
}

void CShowCommand::PrintJson(CCliSession& session, int onlySheet, std::ostream& out)
{
    CJsonWriter json(out);
    json.BeginObject();
    json.Key("version");
    json.Number(CQ4kUnit::FILE_VERSION);
    json.Key("sheets");
    json.BeginArray();
    for (int s = 0; s < 4; ++s) {
        CNordaSetupType* type = session.GetSheetType(s);
        if (!type || (onlySheet >= 0 && s != onlySheet))
            continue;
        CDataSheet* sheet = type->GetSheet();
        json.BeginObject();
        json.Key("title");
        json.String(q4::Cp1252ToUtf8(type->m_strTitle));
        json.Key("type");
        json.Number(type->m_nSetupType);
        json.Key("rows_shown");
        json.Number(type->GetNumChannels());
        json.Key("rows");
        json.BeginArray();
        for (int row = 0; row < sheet->GetNumSections(); ++row) {
            json.BeginArray();
            for (int col = 0; col < sheet->GetNumCells(row); ++col)
                WriteCell(json, sheet->GetProperty(row, col));
            json.EndArray();
        }
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
    json.Key("alarm_flags");
    json.BeginArray();
    if (onlySheet < 0 || onlySheet == ST_ALARM) {
        for (int row = 1; row <= CSetupComparison::CountFlagRows(session.GetUnit()); ++row) {
            json.BeginArray();
            for (int i = 0; i < CAlarm::ALARM_FLAGS; ++i)
                WriteCell(json, CSetupComparison::GetFlagCell(session.GetUnit(), row, i));
            json.EndArray();
        }
    }
    json.EndArray();
    json.EndObject();
    out << '\n';
}
