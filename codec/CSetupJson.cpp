// Writing a set-up as JSON and reading its cell texts back.
#include "codec/CSetupJson.h"

#include "codec/SetupText.h"
#include "compare/CSetupComparison.h"
#include "model/CJsonError.h"
#include "model/CJsonReader.h"
#include "model/CJsonWriter.h"
#include "model/Cp1252.h"
#include "setup/alarms/CAlarm.h"
#include "unit/CQ4kUnit.h"

#include <ostream>

namespace {

const char* KindName(JsonValue::Kind kind)
{
    switch (kind) {
    case JsonValue::Kind::Null:
        return "null";
    case JsonValue::Kind::Boolean:
        return "true or false";
    case JsonValue::Kind::Number:
        return "a number";
    case JsonValue::Kind::String:
        return "a string";
    case JsonValue::Kind::Array:
        return "an array";
    case JsonValue::Kind::Object:
        break;
    }
    return "an object";
}

const JsonValue& Member(const JsonValue& object, const char* key, JsonValue::Kind kind)
{
    const JsonValue& member = object.At(key);
    if (member.kind != kind)
        throw CJsonError(member.Where() + "\"" + key + "\" must be " + KindName(kind));
    return member;
}

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
        CNordaSetupType* type = q4::SheetType(unit, s);
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

bool CSetupJson::ReadCell(const JsonValue& cell, std::string& text)
{
    if (cell.kind == JsonValue::Kind::Null)
        return false;
    if (cell.kind != JsonValue::Kind::Object)
        throw CJsonError(cell.Where() + "a cell must be null or an object with its \"text\"");
    const JsonValue& utf8 = Member(cell, "text", JsonValue::Kind::String);
    text = q4::Utf8ToCp1252(utf8.text);
    if (q4::Cp1252ToUtf8(text) != utf8.text)
        throw CJsonError(utf8.Where() + "the text is not UTF-8 or holds a character outside Windows-1252");
    return true;
}

q4::Result<std::vector<CellText>> CSetupJson::Read(const std::string& json, const CQ4kUnit& unit)
{
    try {
        return ReadTexts(json, unit);
    } catch (const CJsonError& e) {
        return q4::Failure{e.what()};
    }
}

std::vector<CellText> CSetupJson::ReadTexts(const std::string& json, const CQ4kUnit& unit)
{
    JsonValue doc = CJsonReader::Parse(json);
    if (doc.kind != JsonValue::Kind::Object)
        throw CJsonError(doc.Where() + "expected an object with the set-up's \"sheets\"");
    std::vector<CellText> texts;
    bool seen[4] = {};
    for (const JsonValue& sheet : Member(doc, "sheets", JsonValue::Kind::Array).items) {
        if (sheet.kind != JsonValue::Kind::Object)
            throw CJsonError(sheet.Where() + "a sheet must be an object");
        const JsonValue& slot = Member(sheet, "type", JsonValue::Kind::Number);
        int s = q4::ParseSheet(slot.text);
        CNordaSetupType* type = s >= 0 ? q4::SheetType(unit, s) : nullptr;
        if (!type)
            throw CJsonError(slot.Where() + "no sheet has the type " + slot.text + " (0 to 3)");
        if (seen[s])
            throw CJsonError(slot.Where() + "the " + q4::SheetName(s) + " sheet appears twice");
        seen[s] = true;
        const CDataSheet* cells = type->GetSheet();
        const auto& rows = Member(sheet, "rows", JsonValue::Kind::Array).items;
        for (size_t r = 0; r < rows.size(); ++r) {
            const int row = static_cast<int>(r);
            if (rows[r].kind != JsonValue::Kind::Array)
                throw CJsonError(rows[r].Where() + "a row must be an array of cells");
            if (row >= cells->GetNumSections())
                throw CJsonError(rows[r].Where() + "row " + std::to_string(row) + " is not a row of the "
                                + q4::SheetName(s) + " sheet" + Range(0, cells->GetNumSections()));
            const auto& items = rows[r].items;
            if (static_cast<int>(items.size()) > cells->GetNumCells(row))
                throw CJsonError(items[static_cast<size_t>(cells->GetNumCells(row))].Where() + "column "
                                + std::to_string(cells->GetNumCells(row)) + " is not a column of the "
                                + q4::SheetName(s) + " sheet" + Range(0, cells->GetNumCells(row)));
            for (size_t c = 0; c < items.size(); ++c) {
                CellText cell{s, row, static_cast<int>(c), false, {}};
                if (ReadCell(items[c], cell.text) && row > 0)
                    texts.push_back(std::move(cell));
            }
        }
    }
    const JsonValue* flags = doc.Find("alarm_flags");
    if (!flags)
        return texts;
    const int channels = CSetupComparison::CountFlagRows(unit);
    if (flags->kind != JsonValue::Kind::Array)
        throw CJsonError(flags->Where() + "\"alarm_flags\" must be an array");
    for (size_t k = 0; k < flags->items.size(); ++k) {
        const JsonValue& channel = flags->items[k];
        if (channel.kind != JsonValue::Kind::Array)
            throw CJsonError(channel.Where() + "an alarm channel's flags must be an array of cells");
        if (static_cast<int>(k) >= channels)
            throw CJsonError(channel.Where() + "alarm channel " + std::to_string(k + 1) + " does not exist"
                            + Range(1, channels + 1));
        if (channel.items.size() > CAlarm::ALARM_FLAGS)
            throw CJsonError(channel.items[CAlarm::ALARM_FLAGS].Where() + "an alarm channel has "
                            + std::to_string(CAlarm::ALARM_FLAGS) + " flags");
        for (size_t i = 0; i < channel.items.size(); ++i) {
            CellText cell{ST_ALARM, static_cast<int>(k) + 1, static_cast<int>(i), true, {}};
            if (ReadCell(channel.items[i], cell.text))
                texts.push_back(std::move(cell));
        }
    }
    return texts;
}
