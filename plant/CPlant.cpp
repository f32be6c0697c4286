// The plant file: read, checked, written atomically as a document file is.
#include "plant/CPlant.h"

#include "model/CDocumentFile.h"
#include "model/CJsonError.h"
#include "model/CJsonReader.h"
#include "model/CJsonWriter.h"

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

namespace fs = std::filesystem;

namespace {

const char g_Format[] = "q4plant";

const std::string& StringMember(const JsonValue& object, const char* key, bool required, const std::string& none)
{
    const JsonValue* member = object.Find(key);
    if (!member) {
        if (required)
            throw CJsonError(object.Where() + "the object has no \"" + key + "\"");
        return none;
    }
    if (member->kind != JsonValue::Kind::String)
        throw CJsonError(member->Where() + "\"" + key + "\" must be a string");
    return member->text;
}

// An optional array of strings; empty when the key is not there.
std::vector<std::string> StringList(const JsonValue& object, const char* key)
{
    std::vector<std::string> list;
    const JsonValue* member = object.Find(key);
    if (!member)
        return list;
    if (member->kind != JsonValue::Kind::Array)
        throw CJsonError(member->Where() + "\"" + key + "\" must be an array of strings");
    for (const JsonValue& item : member->items) {
        if (item.kind != JsonValue::Kind::String)
            throw CJsonError(item.Where() + "\"" + key + "\" must be an array of strings");
        list.push_back(item.text);
    }
    return list;
}

}  // namespace

CPlant::CPlant(std::string path, std::string name) : m_path(std::move(path)), m_name(std::move(name)) {}

std::string CPlant::GetFolder() const
{
    fs::path parent = fs::path(m_path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

std::string CPlant::GetBackupFolder(const std::string& tag) const
{
    return (fs::path(GetFolder()) / "backups" / tag).lexically_normal().string();
}

std::string CPlant::FilePath(const PlantUnit& unit) const
{
    fs::path file(unit.file);
    return file.is_absolute() ? file.string() : (fs::path(GetFolder()) / file).lexically_normal().string();
}

std::string CPlant::RelativeFile(const std::string& path) const
{
    std::error_code error;
    fs::path file = fs::absolute(path, error);
    fs::path folder = fs::absolute(GetFolder(), error);
    fs::path relative = file.lexically_normal().lexically_relative(folder.lexically_normal());
    return relative.empty() ? file.lexically_normal().string() : relative.string();
}

const PlantUnit* CPlant::FindUnit(const std::string& tag) const
{
    for (const PlantUnit& unit : m_units) {
        if (unit.tag == tag)
            return &unit;
    }
    return nullptr;
}

std::string CPlant::TagProblem(const std::string& tag) const
{
    if (tag.empty())
        return "a unit needs a tag";
    // The tag names the unit's backup folder.
    if (tag == "." || tag == ".." || tag.find('/') != std::string::npos)
        return "the tag " + tag + " cannot name a folder (no \"/\", not \".\" or \"..\")";
    // --port TAG=PORT names a unit by its tag.
    if (tag.find('=') != std::string::npos)
        return "the tag " + tag + " holds \"=\"; a tag may hold any character but \"=\", \"/\" and control characters";
    for (char c : tag) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return "a tag holds no control characters";
    }
    if (FindUnit(tag))
        return "the plant has a unit " + tag + " already";
    return {};
}

q4::Status CPlant::AddUnit(PlantUnit unit)
{
    if (std::string problem = TagProblem(unit.tag); !problem.empty())
        return q4::Failure{problem};
    if (unit.file.empty())
        return q4::Failure{"the unit " + unit.tag + " needs its .q4g file"};
    m_units.push_back(std::move(unit));
    return {};
}

q4::Status CPlant::ReplaceUnit(PlantUnit unit)
{
    for (PlantUnit& known : m_units) {
        if (known.tag != unit.tag)
            continue;
        if (unit.file.empty())
            return q4::Failure{"the unit " + unit.tag + " needs its .q4g file"};
        known = std::move(unit);
        return {};
    }
    return q4::Failure{"the plant has no unit " + unit.tag};
}

std::string CPlant::ToJson() const
{
    std::ostringstream out;
    out << "{\n  \"format\": " << CJsonWriter::Quote(g_Format) << ",\n  \"version\": " << FORMAT_VERSION
        << ",\n  \"name\": " << CJsonWriter::Quote(m_name) << ",\n  \"units\": [";
    for (size_t i = 0; i < m_units.size(); ++i) {
        const PlantUnit& unit = m_units[i];
        out << (i ? ",\n" : "\n") << "    {\"tag\": " << CJsonWriter::Quote(unit.tag)
            << ", \"file\": " << CJsonWriter::Quote(unit.file);
        if (!unit.location.empty())
            out << ", \"location\": " << CJsonWriter::Quote(unit.location);
        if (!unit.note.empty())
            out << ", \"note\": " << CJsonWriter::Quote(unit.note);
        if (!unit.ignore.empty()) {
            out << ", \"ignore\": [";
            for (size_t r = 0; r < unit.ignore.size(); ++r)
                out << (r ? ", " : "") << CJsonWriter::Quote(unit.ignore[r]);
            out << ']';
        }
        out << '}';
    }
    out << (m_units.empty() ? "]\n}\n" : "\n  ]\n}\n");
    return out.str();
}

q4::Status CPlant::Save() const
{
    std::string text = ToJson();
    return CDocumentFile().WriteBytes(std::vector<uint8_t>(text.begin(), text.end()), m_path);
}

q4::Status CPlant::Load(const std::string& path)
{
    q4::Result<std::vector<uint8_t>> bytes = CDocumentFile().ReadBytes(path);
    if (!bytes)
        return q4::Failure{bytes.Reason()};
    CPlant read(path, "");
    try {
        read.Parse(std::string(bytes->begin(), bytes->end()));
    } catch (const CJsonError& e) {
        return q4::Failure{path + " is no plant file: " + e.what()};
    }
    *this = std::move(read);
    return {};
}

void CPlant::Parse(const std::string& text)
{
    JsonValue doc = CJsonReader::Parse(text);
    if (doc.kind != JsonValue::Kind::Object || !doc.Find("format") || doc.At("format").text != g_Format)
        throw CJsonError(doc.Where() + "expected an object with \"format\": \"q4plant\"");
    const JsonValue& version = doc.At("version");
    if (version.kind != JsonValue::Kind::Number || version.text != std::to_string(FORMAT_VERSION))
        throw CJsonError(version.Where() + "a plant file of version " + version.text + " is not known here");
    const std::string none;
    m_name = StringMember(doc, "name", false, none);
    const JsonValue& units = doc.At("units");
    if (units.kind != JsonValue::Kind::Array)
        throw CJsonError(units.Where() + "\"units\" must be an array");
    for (const JsonValue& item : units.items) {
        if (item.kind != JsonValue::Kind::Object)
            throw CJsonError(item.Where() + "a unit must be an object");
        PlantUnit unit{StringMember(item, "tag", true, none), StringMember(item, "file", true, none),
                       StringMember(item, "location", false, none), StringMember(item, "note", false, none),
                       StringList(item, "ignore")};
        if (q4::Status added = AddUnit(std::move(unit)); !added)
            throw CJsonError(item.Where() + added.Reason());
    }
}
