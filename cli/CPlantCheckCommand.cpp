// A plant's units checked one after the other, told per unit and together.
#include "cli/CPlantCheckCommand.h"

#include "cli/CCheckCommand.h"
#include "cli/CCliArgs.h"
#include "cli/CCliError.h"
#include "model/CJsonWriter.h"
#include "plant/CPlantChecks.h"

#include <iostream>

namespace {

void WriteCounts(CJsonWriter& json, const FindingCounts& counts)
{
    json.BeginObject();
    json.Key("errors");
    json.Number(counts.errors);
    json.Key("warnings");
    json.Number(counts.warnings);
    json.Key("notes");
    json.Number(counts.notes);
    json.EndObject();
}

void WriteJson(std::ostream& out, const CPlant& plant, const CPlantSurvey& survey, const std::vector<PlantUnitChecks>& units)
{
    CJsonWriter json(out);
    json.BeginObject();
    json.Key("plant");
    json.String(plant.GetName());
    json.Key("units");
    json.BeginArray();
    for (const PlantUnitChecks& unit : units) {
        const PlantUnitFile& file = unit.file;
        json.BeginObject();
        json.Key("tag");
        json.String(file.unit.tag);
        json.Key("file");
        json.String(file.unit.file);
        json.Key("device");
        if (file.readable)
            json.Number(static_cast<int64_t>(file.device));
        else
            json.Null();
        json.Key("error");
        if (unit.checked)
            json.Null();
        else
            json.String(file.error);
        json.Key("ignore");
        json.BeginArray();
        for (const std::string& rule : file.unit.ignore)
            json.String(rule);
        json.EndArray();
        json.Key("counts");
        WriteCounts(json, unit.counts);
        json.Key("findings");
        CCheckCommand::WriteJson(json, unit.findings);
        json.EndObject();
    }
    json.EndArray();
    json.Key("shared_devices");
    json.BeginArray();
    for (const auto& group : survey.SharedDevices()) {
        json.BeginArray();
        for (const PlantUnitFile* file : group)
            json.String(file->unit.tag);
        json.EndArray();
    }
    json.EndArray();
    json.EndObject();
    out << '\n';
}

}  // namespace

int CPlantCheckCommand::Run(const std::vector<std::string>& args, std::ostream& out)
{
    CCliArgs parsed(args, {"--json"}, {});
    parsed.ExpectPositional(1, USAGE);
    CPlant plant;
    if (q4::Status loaded = plant.Load(parsed.Positional()[0]); !loaded)
        throw CCliError(loaded.Reason());
    const CPlantSurvey survey(plant);
    // Unreadable files and shared device numbers, as plant status tells them.
    for (const std::string& warning : survey.Warnings())
        std::cerr << "q4150cli: " << warning << '\n';
    const std::vector<PlantUnitChecks> units = CPlantChecks::Of(survey);
    int unchecked = 0;
    int failing = 0;
    for (const PlantUnitChecks& unit : units) {
        for (const std::string& rule : unit.unknownRules)
            std::cerr << "q4150cli: " << unit.file.unit.tag << " ignores \"" << rule << "\", which is no rule\n";
        unchecked += unit.checked ? 0 : 1;
        failing += unit.checked && CCheckCommand::ExitCode(unit.findings) != 0 ? 1 : 0;
    }
    if (parsed.Has("--json")) {
        WriteJson(out, plant, survey, units);
    } else {
        for (const PlantUnitChecks& unit : units) {
            const std::string& tag = unit.file.unit.tag;
            if (!unit.checked) {
                out << tag << ": not checked: " << unit.file.error << '\n';
                continue;
            }
            for (const Finding& finding : unit.findings)
                out << CCheckCommand::Line(finding, tag + ' ') << '\n';
            out << tag << ": " << CountText(unit.counts) << '\n';
        }
        out << units.size() << (units.size() == 1 ? " unit" : " units");
        if (unchecked)
            out << ", " << unchecked << " not checked";
        out << ": " << CountText(CPlantChecks::Total(units)) << '\n';
    }
    return unchecked + failing > 0 ? 1 : 0;
}
