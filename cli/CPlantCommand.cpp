// The plant's commands on the command line.
#include "cli/CPlantCommand.h"

#include "cli/CCheckCommand.h"
#include "cli/CCliArgs.h"
#include "cli/CCliError.h"
#include "cli/CCliJobUi.h"
#include "cli/CCliPort.h"
#include "cli/CDiffCommand.h"
#include "cli/CPlantCheckCommand.h"
#include "cli/CSignalWatch.h"
#include "cli/CTextTable.h"
#include "model/CJsonWriter.h"
#include "plant/CPlant.h"
#include "plant/CPlantStatus.h"
#include "plant/CPlantUnitJob.h"

#include <condition_variable>
#include <csignal>
#include <deque>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <sstream>
#include <thread>
#include <utility>

namespace {

const char g_NewUsage[] = "plant new PLANT [--name NAME]";
const char g_AddUsage[] = "plant add PLANT FILE --tag TAG [--location TEXT] [--note TEXT] [--ignore RULE,...]";
const char g_SetUsage[] = "plant set PLANT --tag TAG [--file FILE] [--location TEXT] [--note TEXT] [--ignore RULE,...]";
const char g_StatusUsage[] = "plant status PLANT [--json]";
const std::string g_VerifyUsage =
    "plant verify PLANT --port TAG=PORT [--port TAG=PORT ...] [--retries N] [--baud N] [--fixed-wait MS]";
const std::string g_UploadUsage = "plant upload PLANT --port TAG=PORT [--port TAG=PORT ...] [--force] [--strict] "
                                  "[--all-blocks] [--retries N] [--baud N] [--fixed-wait MS]";
const char g_LogUsage[] = "plant log PLANT [--tag TAG] [--json]";

CPlant LoadPlant(const std::string& path)
{
    CPlant plant;
    if (q4::Status loaded = plant.Load(path); !loaded)
        throw CCliError(loaded.Reason());
    return plant;
}

void SavePlant(CPlant& plant)
{
    if (q4::Status saved = plant.Save(); !saved)
        throw CCliError(saved.Reason());
}

std::string Signal(int signal)
{
    return signal == SIGTERM ? "SIGTERM" : "SIGINT";
}

std::string Cells(size_t count, const char* one, const char* many)
{
    return std::to_string(count) + (count == 1 ? one : many);
}

// "2024-05-02T14:03:22+02:00 ok", or "-".
std::string LastText(const std::optional<PlantLogRecord>& record)
{
    return record ? record->time + " " + CPlantLog::ResultName(record->result) : "-";
}

void WriteLast(CJsonWriter& json, const char* key, const std::optional<PlantLogRecord>& record)
{
    json.Key(key);
    if (!record) {
        json.Null();
        return;
    }
    json.BeginObject();
    json.Key("time");
    json.String(record->time);
    json.Key("result");
    json.String(CPlantLog::ResultName(record->result));
    json.EndObject();
}

}  // namespace

const char* CPlantCommand::GetUsage() const
{
    static const std::string usage = std::string(g_NewUsage) + "\nq4150cli " + g_AddUsage + "\nq4150cli " + g_SetUsage +
                                     "\nq4150cli " + g_StatusUsage + "\nq4150cli " + CPlantCheckCommand::USAGE +
                                     "\nq4150cli " + g_VerifyUsage + "\nq4150cli " + g_UploadUsage + "\nq4150cli " + g_LogUsage;
    return usage.c_str();
}

const char* CPlantCommand::GetHelp() const
{
    return "A plant file (NAME.q4plant, JSON) names a plant's units: each with its tag, the .q4g\n"
           "of its set-up (kept relative to the plant file) and an optional location and note;\n"
           "the device number is read from the .q4g. Beside it, PLANT.log records every action\n"
           "on a unit, one JSON line each; backups go to backups/TAG beside the plant file.\n"
           "new: an empty plant (NAME: the file's name unless given); PLANT must not exist yet.\n"
           "add: the unit TAG with its FILE; a FILE that cannot be read, or a device number\n"
           "another unit has too, is said on standard error, and the unit is added all the same.\n"
           "--ignore names the set-up checks' rules not applied to the unit (see check).\n"
           "set: changes what is given of the unit TAG (--ignore \"\" ignores no rule again).\n"
           "status: every unit with its device number, file, state, whether the file changed\n"
           "since its last upload, and its last upload and verify from the log; --json as JSON.\n"
           "check: every unit's set-up checked as check does, without the rules the unit\n"
           "ignores: its findings as \"TAG SEVERITY RULE SHEET ROW COL: SENTENCE\", then its\n"
           "count; --json as JSON. Exit status 1 when a unit has errors or warnings or cannot\n"
           "be checked.\n"
           "verify, upload: the units given a port, side by side, each on its own port; upload\n"
           "backs each unit up first, names the cells the unit cannot hold as written (--strict:\n"
           "nothing is written into that unit), writes nothing into a unit of another device\n"
           "number unless --force, and writes only the blocks the unit does not hold unless\n"
           "--all-blocks; --retries, --baud and --fixed-wait as for upload. A line per unit as\n"
           "it ends, a verify's differing cells as \"TAG SHEET ROW COL: FILE -> UNIT\", then a\n"
           "summary; every action goes to the log. Ctrl+C or SIGTERM stops every transfer after\n"
           "its block in flight and says how far each got.\n"
           "log: every record of the log as a table (time, unit, action, result, port, blocks,\n"
           "cells, what it says), the unit TAG's alone with --tag; --json as JSON lines.\n"
           "Exit status 0 when every unit is fine, 1 when any differs or failed or a record could\n"
           "not be written to the plant's log, 2 on a usage or file error, 130 after Ctrl+C, 143\n"
           "after SIGTERM.";
}

int CPlantCommand::Run(const std::vector<std::string>& args, std::istream&, std::ostream& out)
{
    if (args.empty())
        throw CCliError(std::string("usage: q4150cli ") + GetUsage());
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (!rest.empty() && (rest[0] == "--help" || rest[0] == "-h")) {
        const std::pair<const char*, std::string> usages[] = {
            {"new", g_NewUsage}, {"add", g_AddUsage}, {"set", g_SetUsage}, {"status", g_StatusUsage},
            {"check", CPlantCheckCommand::USAGE}, {"verify", g_VerifyUsage}, {"upload", g_UploadUsage},
            {"log", g_LogUsage}};
        for (const auto& [name, usage] : usages) {
            if (args[0] == name) {
                out << "usage: q4150cli " << usage << '\n' << GetHelp() << '\n';
                return 0;
            }
        }
    }
    if (args[0] == "new")
        return New(rest);
    if (args[0] == "add")
        return Add(rest);
    if (args[0] == "set")
        return Set(rest);
    if (args[0] == "status")
        return Status(rest, out);
    if (args[0] == "check")
        return CPlantCheckCommand::Run(rest, out);
    if (args[0] == "verify" || args[0] == "upload")
        return SideBySide(rest, args[0] == "upload", out);
    if (args[0] == "log")
        return Log(rest, out);
    throw CCliError("unknown plant command " + args[0] + " (new, add, set, status, check, verify, upload or log)");
}

int CPlantCommand::New(const std::vector<std::string>& args)
{
    CCliArgs parsed(args, {}, {"--name"});
    parsed.ExpectPositional(1, g_NewUsage);
    const std::string path = parsed.Positional()[0];
    std::error_code error;
    if (std::filesystem::exists(path, error))
        throw CCliError(path + " exists already");
    std::string name = parsed.Has("--name") ? parsed.Value("--name") : std::filesystem::path(path).stem().string();
    CPlant plant(path, name);
    SavePlant(plant);
    return 0;
}

int CPlantCommand::Add(const std::vector<std::string>& args)
{
    CCliArgs parsed(args, {}, {"--tag", "--location", "--note", "--ignore"});
    parsed.ExpectPositional(2, g_AddUsage);
    if (!parsed.Has("--tag"))
        throw CCliError(std::string("usage: ") + g_AddUsage);
    const std::vector<std::string> ignore = CCheckCommand::IgnoredRules(parsed);
    CPlant plant = LoadPlant(parsed.Positional()[0]);
    PlantUnit unit{parsed.Value("--tag"), plant.RelativeFile(parsed.Positional()[1]), parsed.Value("--location"),
                   parsed.Value("--note"), ignore};
    if (q4::Status added = plant.AddUnit(unit); !added)
        throw CCliError(added.Reason());
    SavePlant(plant);
    // What is wrong with the new unit's file is said, not refused: the file may come later.
    CPlantSurvey survey(plant);
    const PlantUnitFile* file = survey.Find(unit.tag);
    if (!file->readable) {
        std::cerr << "q4150cli: " << unit.tag << ": " << file->error << "; the unit is added all the same\n";
        return 0;
    }
    const std::string shared = " device " + std::to_string(file->device);
    for (const std::string& warning : survey.Warnings()) {
        if (warning.size() > shared.size() && warning.compare(warning.size() - shared.size(), shared.size(), shared) == 0)
            std::cerr << "q4150cli: " << warning << '\n';
    }
    return 0;
}

int CPlantCommand::Set(const std::vector<std::string>& args)
{
    CCliArgs parsed(args, {}, {"--tag", "--file", "--location", "--note", "--ignore"});
    parsed.ExpectPositional(1, g_SetUsage);
    const bool change = parsed.Has("--file") || parsed.Has("--location") || parsed.Has("--note") || parsed.Has("--ignore");
    if (!parsed.Has("--tag") || !change)
        throw CCliError(std::string("usage: ") + g_SetUsage);
    CPlant plant = LoadPlant(parsed.Positional()[0]);
    const PlantUnit* known = plant.FindUnit(parsed.Value("--tag"));
    if (!known)
        throw CCliError(parsed.Positional()[0] + " has no unit " + parsed.Value("--tag"));
    PlantUnit unit = *known;
    if (parsed.Has("--file"))
        unit.file = plant.RelativeFile(parsed.Value("--file"));
    if (parsed.Has("--location"))
        unit.location = parsed.Value("--location");
    if (parsed.Has("--note"))
        unit.note = parsed.Value("--note");
    if (parsed.Has("--ignore"))
        unit.ignore = CCheckCommand::IgnoredRules(parsed);
    if (q4::Status replaced = plant.ReplaceUnit(unit); !replaced)
        throw CCliError(replaced.Reason());
    SavePlant(plant);
    return 0;
}

int CPlantCommand::Status(const std::vector<std::string>& args, std::ostream& out)
{
    CCliArgs parsed(args, {"--json"}, {});
    parsed.ExpectPositional(1, g_StatusUsage);
    CPlant plant = LoadPlant(parsed.Positional()[0]);
    CPlantSurvey survey(plant);
    CPlantLog::Contents log = CPlantLog(plant.GetLogPath()).Read();
    for (const std::string& warning : log.warnings)
        std::cerr << "q4150cli: " << warning << '\n';
    for (const std::string& warning : survey.Warnings())
        std::cerr << "q4150cli: " << warning << '\n';
    std::vector<PlantUnitStatus> statuses = CPlantStatus::Of(survey, log.records);

    if (parsed.Has("--json")) {
        CJsonWriter json(out);
        json.BeginObject();
        json.Key("plant");
        json.String(plant.GetName());
        json.Key("units");
        json.BeginArray();
        for (const PlantUnitStatus& status : statuses) {
            const PlantUnitFile& file = status.file;
            json.BeginObject();
            json.Key("tag");
            json.String(file.unit.tag);
            json.Key("location");
            json.String(file.unit.location);
            json.Key("note");
            json.String(file.unit.note);
            json.Key("file");
            json.String(file.unit.file);
            json.Key("device");
            if (file.readable)
                json.Number(static_cast<int64_t>(file.device));
            else
                json.Null();
            json.Key("error");
            if (file.readable)
                json.Null();
            else
                json.String(file.error);
            json.Key("state");
            json.String(CPlantStatus::StateText(status));
            json.Key("changed_since_upload");
            if (status.changedSinceUpload)
                json.Bool(*status.changedSinceUpload);
            else
                json.Null();
            WriteLast(json, "last_upload", status.lastUpload);
            WriteLast(json, "last_verify", status.lastVerify);
            json.EndObject();
        }
        json.EndArray();
        json.EndObject();
        out << '\n';
        return 0;
    }
    CTextTable table;
    table.AddRow({"TAG", "LOCATION", "DEVICE", "FILE", "STATE", "CHANGED", "LAST UPLOAD", "LAST VERIFY"});
    for (const PlantUnitStatus& status : statuses) {
        const PlantUnitFile& file = status.file;
        table.AddRow({file.unit.tag, file.unit.location.empty() ? "-" : file.unit.location,
                      file.readable ? std::to_string(file.device) : "?", file.unit.file,
                      CPlantStatus::StateText(status),
                      !status.changedSinceUpload ? "-" : *status.changedSinceUpload ? "yes" : "no",
                      LastText(status.lastUpload), LastText(status.lastVerify)});
    }
    table.Print(out);
    return 0;
}

std::string CPlantCommand::EndLine(const CPlantUnitJob& job, int signal)
{
    const JobResult& result = job.GetResult();
    std::string line = job.GetUnit().tag + ": ";
    const bool upload = job.GetAction() == JobAction::Upload;
    switch (result.outcome) {
    case JobOutcome::Ok:
        if (!upload)
            return line + "holds its file";
        return line + "uploaded, " + Cells(result.blocksWritten, " block", " blocks") + " written, "
               + std::to_string(result.blocksHeld) + " held already, " + Cells(result.cells.size(), " cell", " cells")
               + " changed; the unit held before in " + result.backupPath;
    case JobOutcome::Differs:
        return line + "differs in "
               + (result.cells.empty() ? result.reason : Cells(result.cells.size(), " cell", " cells"));
    case JobOutcome::Refused:
        return line + "refused: " + result.reason;
    case JobOutcome::Stopped:
        return line + "stopped" + (signal ? " by " + Signal(signal) : std::string()) + ": " + result.reason;
    case JobOutcome::Failed:
        break;
    }
    return line + "failed: " + result.reason;
}

int CPlantCommand::SideBySide(const std::vector<std::string>& args, bool upload, std::ostream& out)
{
    const std::string& usage = upload ? g_UploadUsage : g_VerifyUsage;
    CCliArgs parsed(args, upload ? std::set<std::string>{"--force", "--strict", "--all-blocks"} : std::set<std::string>{},
                    CCliPort::OptionNames());
    parsed.ExpectPositional(1, usage);
    const std::string path = parsed.Positional()[0];
    const CPlant plant = LoadPlant(path);
    JobSettings settings;
    CliAnswers answers;
    settings.port = CCliPort::ParseSettings(parsed, answers.retries);
    settings.allBlocks = parsed.Has("--all-blocks");
    answers.force = parsed.Has("--force");
    answers.strict = parsed.Has("--strict");
    std::vector<std::string> ports = parsed.Values("--port");
    if (ports.empty())
        throw CCliError("usage: " + usage);

    std::mutex said;  // one unit's lines at a time
    std::vector<std::unique_ptr<CPlantUnitJob>> jobs;
    std::vector<std::unique_ptr<CCliJobUi>> answerers;
    std::set<std::string> tags, names;
    for (const std::string& given : ports) {
        size_t equals = given.find('=');
        if (equals == std::string::npos || equals == 0 || equals + 1 == given.size())
            throw CCliError("--port takes TAG=PORT, not " + given);
        const std::string tag = given.substr(0, equals);
        settings.port.port = given.substr(equals + 1);
        const PlantUnit* unit = plant.FindUnit(tag);
        if (!unit)
            throw CCliError(path + " has no unit " + tag);
        if (!tags.insert(tag).second)
            throw CCliError("the unit " + tag + " is given two ports");
        if (!names.insert(settings.port.port).second)
            throw CCliError("the port " + settings.port.port + " is given to two units");
        jobs.push_back(std::make_unique<CPlantUnitJob>(plant, *unit, upload ? JobAction::Upload : JobAction::Verify,
                                                       settings));
        answerers.push_back(std::make_unique<CCliJobUi>(std::cerr, answers, plant.FilePath(*unit)));
        answerers.back()->SetUnit(tag, &said);
        jobs.back()->GetJob().SetAnswerer(answerers.back().get());
    }

    std::mutex lock;
    std::condition_variable ended;
    std::deque<size_t> finished;
    int signal = 0;
    bool recordsLost = false;
    {
        // Blocks the signals before the workers start, so that they inherit it.
        CSignalWatch watch([&jobs] {
            for (auto& job : jobs)
                job->Cancel();
        });
        std::vector<std::thread> workers;
        // However this scope is left, every worker stops and is joined first.
        struct Joiner {
            std::vector<std::thread>& threads;
            std::vector<std::unique_ptr<CPlantUnitJob>>& jobs;
            ~Joiner()
            {
                for (auto& job : jobs)
                    job->Cancel();
                for (std::thread& thread : threads)
                    thread.join();
            }
        } joiner{workers, jobs};
        for (size_t i = 0; i < jobs.size(); ++i) {
            workers.emplace_back([&, i] {
                jobs[i]->Run();
                std::lock_guard<std::mutex> guard(lock);
                finished.push_back(i);
                ended.notify_one();
            });
        }
        for (size_t n = 0; n < jobs.size(); ++n) {
            size_t i = 0;
            {
                std::unique_lock<std::mutex> guard(lock);
                ended.wait(guard, [&finished] { return !finished.empty(); });
                i = finished.front();
                finished.pop_front();
            }
            std::lock_guard<std::mutex> guard(said);
            out << EndLine(*jobs[i], watch.GetSignal()) << std::endl;
            if (!jobs[i]->GetResult().recordError.empty()) {
                recordsLost = true;
                std::cerr << "q4150cli: " << jobs[i]->GetUnit().tag << ": " << jobs[i]->GetResult().recordError
                          << " (not in the plant log)\n";
            }
        }
        signal = watch.GetSignal();
    }

    std::map<JobOutcome, int> counts;
    for (const auto& job : jobs) {
        const JobResult& result = job->GetResult();
        ++counts[result.outcome];
        if (result.outcome == JobOutcome::Differs) {
            std::ostringstream cells;
            CDiffCommand::Print(result.cells, cells);
            std::istringstream lines(cells.str());
            for (std::string line; std::getline(lines, line);)
                out << job->GetUnit().tag << ' ' << line << '\n';
        }
    }
    const std::pair<JobOutcome, const char*> words[] = {
        {JobOutcome::Ok, upload ? " uploaded" : " hold their files"}, {JobOutcome::Differs, " differ"},
        {JobOutcome::Refused, " refused"}, {JobOutcome::Failed, " failed"}, {JobOutcome::Stopped, " stopped"}};
    out << jobs.size() << (jobs.size() == 1 ? " unit" : " units");
    for (const auto& [result, word] : words) {
        if (counts[result])
            out << ", " << counts[result] << word;
    }
    out << '\n';
    if (signal)
        return 128 + signal;
    return counts[JobOutcome::Ok] == static_cast<int>(jobs.size()) && !recordsLost ? 0 : 1;
}

int CPlantCommand::Log(const std::vector<std::string>& args, std::ostream& out)
{
    CCliArgs parsed(args, {"--json"}, {"--tag"});
    parsed.ExpectPositional(1, g_LogUsage);
    const CPlant plant = LoadPlant(parsed.Positional()[0]);
    const std::string tag = parsed.Value("--tag");
    if (parsed.Has("--tag") && !plant.FindUnit(tag))
        throw CCliError(parsed.Positional()[0] + " has no unit " + tag);
    CPlantLog::Contents log = CPlantLog(plant.GetLogPath()).Read();
    for (const std::string& warning : log.warnings)
        std::cerr << "q4150cli: " << warning << '\n';
    CTextTable table;
    table.AddRow({"TIME", "UNIT", "ACTION", "RESULT", "PORT", "BLOCKS", "CELLS", "NOTE"});
    for (const PlantLogRecord& record : log.records) {
        if (parsed.Has("--tag") && record.tag != tag)
            continue;
        if (parsed.Has("--json")) {
            out << CPlantLog::ToLine(record) << '\n';
            continue;
        }
        std::string note = record.reason;
        for (const std::string& answer : record.confirmed)
            note += (note.empty() ? "" : "; ") + answer;
        if (!record.backup.empty())
            note += (note.empty() ? "backup " : "; backup ") + record.backup;
        const bool upload = record.action == PlantAction::Upload;
        table.AddRow({record.time, record.tag.empty() ? "-" : record.tag, CPlantLog::ActionName(record.action),
                      CPlantLog::ResultName(record.result), record.port.empty() ? "-" : record.port,
                      upload ? std::to_string(record.blocksWritten) + " written, " + std::to_string(record.blocksHeld)
                                   + " held"
                             : "-",
                      std::to_string(record.cells.size()), note.empty() ? "-" : note});
    }
    if (!parsed.Has("--json"))
        table.Print(out);
    return 0;
}
