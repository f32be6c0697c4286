// Plant log records as JSON lines, appended whole and read back line by line.
#include "plant/CPlantLog.h"

#include "model/CJsonError.h"
#include "model/CJsonReader.h"
#include "model/CJsonWriter.h"
#include "model/Cp1252.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const g_ActionNames[] = {"upload", "verify", "download", "backup", "identify"};
const char* const g_ResultNames[] = {"ok", "differs", "refused", "failed", "stopped", "named", "not-found", "ambiguous"};
const char* const g_SheetKeys[4] = {"general", "physical", "logical", "alarm"};
// The sheets' titles, as the grids' tabs name them.
const char* const g_SheetTitles[4] = {"General", "Physical Input", "Logical Input", "Alarm"};

// Where an action's cells are kept, and the names of their two texts.
struct CellKeys {
    const char* list;
    const char* a;
    const char* b;
};

const CellKeys* KeysFor(PlantAction action)
{
    static const CellKeys upload{"changes", "before", "after"};
    static const CellKeys verify{"differences", "file", "unit"};
    if (action == PlantAction::Upload)
        return &upload;
    return action == PlantAction::Verify ? &verify : nullptr;
}

template <typename Enum, size_t N>
Enum FromName(const JsonValue& value, const char* const (&names)[N])
{
    for (size_t i = 0; i < N; ++i) {
        if (value.kind == JsonValue::Kind::String && value.text == names[i])
            return static_cast<Enum>(i);
    }
    throw CJsonError(value.Where() + "unknown \"" + value.text + "\"");
}

std::string Text(const JsonValue& object, const char* key)
{
    const JsonValue* member = object.Find(key);
    if (!member || member->kind == JsonValue::Kind::Null)
        return {};
    if (member->kind != JsonValue::Kind::String)
        throw CJsonError(member->Where() + "\"" + key + "\" must be a string");
    return member->text;
}

long Number(const JsonValue& object, const char* key, long none)
{
    const JsonValue* member = object.Find(key);
    if (!member || member->kind == JsonValue::Kind::Null)
        return none;
    if (member->kind != JsonValue::Kind::Number || member->text.find_first_not_of("-0123456789") != std::string::npos
        || member->text.size() > 10)
        throw CJsonError(member->Where() + "\"" + key + "\" must be a whole number");
    return std::strtol(member->text.c_str(), nullptr, 10);
}

// A grid's heading or row name without the blanks that pad it.
std::string Trimmed(std::string text)
{
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string UserName()
{
    std::vector<char> buffer(4096);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return found->pw_name;
    const char* user = std::getenv("USER");
    return user ? user : std::to_string(::geteuid());
}

std::string HostName()
{
    char name[256] = "";
    if (::gethostname(name, sizeof name - 1) != 0)
        return {};
    return name;
}

}  // namespace

const char* CPlantLog::ActionName(PlantAction action)
{
    return g_ActionNames[static_cast<int>(action)];
}

const char* CPlantLog::ResultName(PlantResult result)
{
    return g_ResultNames[static_cast<int>(result)];
}

std::string CPlantLog::IsoTime(std::time_t time)
{
    std::tm local{};
    ::localtime_r(&time, &local);
    char text[64];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    long minutes = local.tm_gmtoff / 60;
    const char sign = minutes < 0 ? '-' : '+';
    minutes = minutes < 0 ? -minutes : minutes;
    char zone[16];
    std::snprintf(zone, sizeof zone, "%c%02ld:%02ld", sign, minutes / 60 % 100, minutes % 60);
    return std::string(text) + zone;
}

void CPlantLog::Stamp(PlantLogRecord& record)
{
    record.time = IsoTime(std::time(nullptr));
    record.user = UserName();
    record.host = HostName();
}

std::string CPlantLog::ToLine(const PlantLogRecord& record)
{
    std::ostringstream out;
    CJsonWriter json(out);
    json.BeginObject();
    json.Key("time");
    json.String(record.time);
    json.Key("user");
    json.String(record.user);
    json.Key("host");
    json.String(record.host);
    json.Key("tag");
    json.String(record.tag);
    json.Key("device");
    if (record.device < 0)
        json.Null();
    else
        json.Number(record.device);
    json.Key("action");
    json.String(ActionName(record.action));
    json.Key("port");
    json.String(record.port);
    json.Key("sha256");
    json.String(record.sha256);
    json.Key("result");
    json.String(ResultName(record.result));
    if (!record.reason.empty()) {
        json.Key("reason");
        json.String(record.reason);
    }
    json.Key("blocks_written");
    json.Number(record.blocksWritten);
    if (record.action == PlantAction::Upload) {
        json.Key("blocks_held");
        json.Number(record.blocksHeld);
        json.Key("blocks_total");
        json.Number(record.blocksTotal);
    }
    if (!record.confirmed.empty()) {
        json.Key("confirmed");
        json.BeginArray();
        for (const std::string& answer : record.confirmed)
            json.String(answer);
        json.EndArray();
    }
    if (!record.backup.empty()) {
        json.Key("backup");
        json.String(record.backup);
    }
    if (const CellKeys* keys = KeysFor(record.action)) {
        json.Key(keys->list);
        json.BeginArray();
        for (const CellDifference& cell : record.cells) {
            json.BeginObject();
            json.Key("sheet");
            json.String(g_SheetKeys[cell.sheet & 3]);
            json.Key("row");
            json.Number(cell.row);
            json.Key(cell.flag ? "flag" : "col");
            json.Number(cell.col);
            json.Key("channel");
            json.String(q4::Cp1252ToUtf8(Trimmed(cell.channel)));
            json.Key("setting");
            json.String(q4::Cp1252ToUtf8(Trimmed(cell.column)));
            json.Key(keys->a);
            json.String(q4::Cp1252ToUtf8(cell.textA));
            json.Key(keys->b);
            json.String(q4::Cp1252ToUtf8(cell.textB));
            json.EndObject();
        }
        json.EndArray();
    }
    json.EndObject();
    return out.str();
}

PlantLogRecord CPlantLog::FromLine(const std::string& line)
{
    JsonValue doc = CJsonReader::Parse(line);
    if (doc.kind != JsonValue::Kind::Object)
        throw CJsonError(doc.Where() + "a record is an object");
    PlantLogRecord record;
    record.time = Text(doc, "time");
    record.user = Text(doc, "user");
    record.host = Text(doc, "host");
    record.tag = Text(doc, "tag");
    record.device = Number(doc, "device", -1);
    record.action = FromName<PlantAction>(doc.At("action"), g_ActionNames);
    record.port = Text(doc, "port");
    record.sha256 = Text(doc, "sha256");
    record.result = FromName<PlantResult>(doc.At("result"), g_ResultNames);
    record.reason = Text(doc, "reason");
    record.blocksWritten = static_cast<int>(Number(doc, "blocks_written", 0));
    record.blocksHeld = static_cast<int>(Number(doc, "blocks_held", 0));
    record.blocksTotal = static_cast<int>(Number(doc, "blocks_total", 0));
    if (const JsonValue* confirmed = doc.Find("confirmed")) {
        if (confirmed->kind != JsonValue::Kind::Array)
            throw CJsonError(confirmed->Where() + "\"confirmed\" must be an array");
        for (const JsonValue& item : confirmed->items) {
            if (item.kind != JsonValue::Kind::String)
                throw CJsonError(item.Where() + "an answer must be a string");
            record.confirmed.push_back(item.text);
        }
    }
    record.backup = Text(doc, "backup");
    const CellKeys* keys = KeysFor(record.action);
    if (const JsonValue* cells = keys ? doc.Find(keys->list) : nullptr) {
        if (cells->kind != JsonValue::Kind::Array)
            throw CJsonError(cells->Where() + "\"" + keys->list + "\" must be an array");
        for (const JsonValue& item : cells->items) {
            if (item.kind != JsonValue::Kind::Object)
                throw CJsonError(item.Where() + "a cell must be an object");
            CellDifference cell;
            cell.sheet = static_cast<int>(FromName<int>(item.At("sheet"), g_SheetKeys));
            cell.sheetTitle = g_SheetTitles[cell.sheet];
            cell.row = static_cast<int>(Number(item, "row", 0));
            cell.flag = item.Find("flag") != nullptr;
            cell.col = static_cast<int>(Number(item, cell.flag ? "flag" : "col", 0));
            cell.channel = q4::Utf8ToCp1252(Text(item, "channel"));
            cell.column = q4::Utf8ToCp1252(Text(item, "setting"));
            cell.textA = q4::Utf8ToCp1252(Text(item, keys->a));
            cell.textB = q4::Utf8ToCp1252(Text(item, keys->b));
            record.cells.push_back(std::move(cell));
        }
    }
    return record;
}

q4::Status CPlantLog::Append(const PlantLogRecord& record) const
{
    std::string line = ToLine(record) + '\n';
    int fd = ::open(m_path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return q4::Failure{"cannot write " + m_path + ": " + std::strerror(errno)};
    // A last line a crash cut short gets its end first, in the same write, so that the record
    // starts a line of its own: the cut line stays one damaged line, and the record is read.
    struct stat st {};
    char last = '\n';
    if (::fstat(fd, &st) == 0 && st.st_size > 0 && ::pread(fd, &last, 1, st.st_size - 1) == 1 && last != '\n')
        line.insert(line.begin(), '\n');
    // One write, so that the whole line lands at the end at once; a short write is no record.
    ssize_t written;
    do {
        written = ::write(fd, line.data(), line.size());
    } while (written < 0 && errno == EINTR);
    int failure = written < 0 ? errno : static_cast<size_t>(written) != line.size() ? EIO : 0;
    if (!failure && ::fsync(fd) != 0)
        failure = errno;
    if (::close(fd) != 0 && !failure)
        failure = errno;
    if (failure)
        return q4::Failure{"cannot write " + m_path + ": " + std::strerror(failure)};
    return {};
}

CPlantLog::Contents CPlantLog::Read() const
{
    Contents contents;
    std::ifstream in(m_path, std::ios::binary);
    if (!in) {
        if (errno != ENOENT)
            contents.warnings.push_back("cannot read " + m_path + ": " + std::strerror(errno));
        return contents;
    }
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        try {
            contents.records.push_back(FromLine(line));
        } catch (const CJsonError& e) {
            contents.warnings.push_back(m_path + " line " + std::to_string(number) + ": a damaged record is skipped ("
                                        + e.what() + ")");
        }
    }
    return contents;
}
