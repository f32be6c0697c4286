// The set-up checks of a plant's units: each unit's .q4g checked with the rules its entry in the
// plant file ignores, for plant check on the command line and the desktop program's plant panel.
#pragma once

#include "check/Finding.h"
#include "plant/CPlantSurvey.h"

#include <string>
#include <vector>

struct PlantUnitChecks {
    PlantUnitFile file;
    bool checked = false;      // false: the file could not be read (file.error says why)
    std::vector<Finding> findings;
    FindingCounts counts;
    // Names in the unit's "ignore" that are no rule: ignored as they are, told to the person.
    std::vector<std::string> unknownRules;
};

class CPlantChecks {
public:
    // Every unit of the survey, in the plant's order; alsoIgnored: rules left out for every unit
    // besides its own.
    static std::vector<PlantUnitChecks> Of(const CPlantSurvey& survey, const std::vector<std::string>& alsoIgnored = {});
    // One unit's file.
    static PlantUnitChecks OfUnit(const PlantUnitFile& file, const std::vector<std::string>& alsoIgnored = {});
    // The counts of the checked units together.
    static FindingCounts Total(const std::vector<PlantUnitChecks>& units);
};
