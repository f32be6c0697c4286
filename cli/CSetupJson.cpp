// Writing a set-up as JSON and reading its cell texts back.
#include "cli/CSetupJson.h"

#include "cli/CCliError.h"
#include "cli/CCliSession.h"
#include "model/CJsonError.h"
#include "model/CJsonReader.h"
#include "model/CJsonWriter.h"
#include "compare/CSetupComparison.h"
#include "model/Cp1252.h"
#include "setup/alarms/CAlarm.h"
#include "unit/CQ4kUnit.h"

#include <ostream>

namespace {

const char* const g_KindNames[] = {"null", "true or false", "a number", "a string", "an array", "an object"};

std::string Range(int first, int count)
{
    return " (" + std::to_string(first) + " to " + std::to_string(count - 1) + ")";
}

}  // namespace

void CSetupJson::WriteCell(CJsonWriter& json, const CNdChnData* cell)
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

void CSetupJson::Write(const CQ4kUnit& unit, int onlySheet, std::ostream& out)
{
    CJsonWriter json(out);
    json.BeginObject();
    json.Key("version");
    json.Number(CQ4kUnit::FILE_VERSION);
    json.Key("sheets");
    json.BeginArray();
    for (int s = 0; s < 4; ++s) {
        CNordaSetupType* type = CCliSession::GetSheetType(unit, s);
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
        for (int row = 1; row <= CSetupComparison::CountFlagRows(unit); ++row) {
            json.BeginArray();
            for (int i = 0; i < CAlarm::ALARM_FLAGS; ++i)
                WriteCell(json, CSetupComparison::GetFlagCell(unit, row, i));
            json.EndArray();
        }
    }
    json.EndArray();
    json.EndObject();
    out << '\n';
}

const JSON_VALUE& CSetupJson::Member(const JSON_VALUE& object, const char* key, int kind)
{
    const JSON_VALUE& member = object.At(key);
    if (member.nKind != kind)
        throw CCliError(member.Where() + "\"" + key + "\" must be " + g_KindNames[kind]);
    return member;
}

bool CSetupJson::ReadCell(const JSON_VALUE& cell, std::string& text)
{
    if (cell.nKind == JSON_VALUE::NUL)
        return false;
    if (cell.nKind != JSON_VALUE::OBJECT)
        throw CCliError(cell.Where() + "a cell must be null or an object with its \"text\"");
    const JSON_VALUE& utf8 = Member(cell, "text", JSON_VALUE::STRING);
    text = q4::Utf8ToCp1252(utf8.strText);
    if (q4::Cp1252ToUtf8(text) != utf8.strText)
        throw CCliError(utf8.Where() + "the text is not UTF-8 or holds a character outside Windows-1252");
    return true;
}

std::vector<CellText> CSetupJson::Read(const std::string& json, const CQ4kUnit& unit)
{
    try {
        return ReadTexts(json, unit);
    } catch (const CJsonError& e) {
        throw CCliError(e.what());
    }
}

std::vector<CellText> CSetupJson::ReadTexts(const std::string& json, const CQ4kUnit& unit)
{
    JSON_VALUE doc = CJsonReader::Parse(json);
    if (doc.nKind != JSON_VALUE::OBJECT)
        throw CCliError(doc.Where() + "expected an object with the set-up's \"sheets\"");
    std::vector<CellText> texts;
    bool seen[4] = {};
    for (const JSON_VALUE& sheet : Member(doc, "sheets", JSON_VALUE::ARRAY).arItems) {
        if (sheet.nKind != JSON_VALUE::OBJECT)
            throw CCliError(sheet.Where() + "a sheet must be an object");
        const JSON_VALUE& slot = Member(sheet, "type", JSON_VALUE::NUMBER);
        int s = CCliSession::ParseSheet(slot.strText);
        CNordaSetupType* type = s >= 0 ? CCliSession::GetSheetType(unit, s) : nullptr;
        if (!type)
            throw CCliError(slot.Where() + "no sheet has the type " + slot.strText + " (0 to 3)");
        if (seen[s])
            throw CCliError(slot.Where() + "the " + CCliSession::GetSheetName(s) + " sheet appears twice");
        seen[s] = true;
        const CDataSheet* cells = type->GetSheet();
        const auto& rows = Member(sheet, "rows", JSON_VALUE::ARRAY).arItems;
        for (size_t r = 0; r < rows.size(); ++r) {
            const int row = static_cast<int>(r);
            if (rows[r].nKind != JSON_VALUE::ARRAY)
                throw CCliError(rows[r].Where() + "a row must be an array of cells");
            if (row >= cells->GetNumSections())
                throw CCliError(rows[r].Where() + "row " + std::to_string(row) + " is not a row of the "
                                + CCliSession::GetSheetName(s) + " sheet" + Range(0, cells->GetNumSections()));
            const auto& items = rows[r].arItems;
            if (static_cast<int>(items.size()) > cells->GetNumCells(row))
                throw CCliError(items[static_cast<size_t>(cells->GetNumCells(row))].Where() + "column "
                                + std::to_string(cells->GetNumCells(row)) + " is not a column of the "
                                + CCliSession::GetSheetName(s) + " sheet" + Range(0, cells->GetNumCells(row)));
            for (size_t c = 0; c < items.size(); ++c) {
                CellText cell{s, row, static_cast<int>(c), false, {}};
                if (ReadCell(items[c], cell.text) && row > 0)
                    texts.push_back(std::move(cell));
            }
        }
    }
    const JSON_VALUE* flags = doc.Find("alarm_flags");
    if (!flags)
        return texts;
    const int channels = CSetupComparison::CountFlagRows(unit);
    if (flags->nKind != JSON_VALUE::ARRAY)
        throw CCliError(flags->Where() + "\"alarm_flags\" must be an array");
    for (size_t k = 0; k < flags->arItems.size(); ++k) {
        const JSON_VALUE& channel = flags->arItems[k];
        if (channel.nKind != JSON_VALUE::ARRAY)
            throw CCliError(channel.Where() + "an alarm channel's flags must be an array of cells");
        if (static_cast<int>(k) >= channels)
            throw CCliError(channel.Where() + "alarm channel " + std::to_string(k + 1) + " does not exist"
                            + Range(1, channels + 1));
        if (channel.arItems.size() > CAlarm::ALARM_FLAGS)
            throw CCliError(channel.arItems[CAlarm::ALARM_FLAGS].Where() + "an alarm channel has "
                            + std::to_string(CAlarm::ALARM_FLAGS) + " flags");
        for (size_t i = 0; i < channel.arItems.size(); ++i) {
            CellText cell{ST_ALARM, static_cast<int>(k) + 1, static_cast<int>(i), true, {}};
            if (ReadCell(channel.arItems[i], cell.text))
                texts.push_back(std::move(cell));
        }
    }
    return texts;
}
