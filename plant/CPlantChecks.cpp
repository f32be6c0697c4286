// Each unit of a plant read from its file and checked.
#include "plant/CPlantChecks.h"

#include "check/CSetupChecker.h"
#include "model/CDocumentFile.h"
#include "unit/CQ4kUnit.h"
#include "unit/CQuietPrompt.h"

std::vector<PlantUnitChecks> CPlantChecks::Of(const CPlantSurvey& survey, const std::vector<std::string>& alsoIgnored)
{
    std::vector<PlantUnitChecks> units;
    for (const PlantUnitFile& file : survey.GetFiles())
        units.push_back(OfUnit(file, alsoIgnored));
    return units;
}

PlantUnitChecks CPlantChecks::OfUnit(const PlantUnitFile& file, const std::vector<std::string>& alsoIgnored)
{
    PlantUnitChecks checks{file, false, {}, {}, {}};
    for (const std::string& rule : file.unit.ignore) {
        if (!FindCheckRule(rule))
            checks.unknownRules.push_back(rule);
    }
    if (!file.readable)
        return checks;
    CQuietPrompt prompt;
    CQ4kUnit unit(prompt);
    if (q4::Status loaded = CDocumentFile().Load(unit, file.path); !loaded) {
        // Changed or gone since the survey read it.
        checks.file.readable = false;
        checks.file.error = loaded.Reason();
        return checks;
    }
    std::vector<std::string> ignored = file.unit.ignore;
    ignored.insert(ignored.end(), alsoIgnored.begin(), alsoIgnored.end());
    checks.checked = true;
    checks.findings = CSetupChecker::Check(unit, ignored);
    checks.counts = CountFindings(checks.findings);
    return checks;
}

FindingCounts CPlantChecks::Total(const std::vector<PlantUnitChecks>& units)
{
    FindingCounts total;
    for (const PlantUnitChecks& unit : units) {
        total.errors += unit.counts.errors;
        total.warnings += unit.counts.warnings;
        total.notes += unit.counts.notes;
    }
    return total;
}
