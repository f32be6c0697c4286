// The set-up checks: the mistakes in a whole set-up that no rule of the sheets refuses, found
// by the rules of the rules' table. A finding never changes the set-up.
#pragma once

#include "check/Finding.h"

#include <string>
#include <vector>

class CQ4kUnit;

class CSetupChecker {
public:
    // Every finding of the unit but those of the ignored rules (ids of the rules' table), in the
    // order of the cells they concern (General, physical inputs, logical inputs, alarms; by row
    // and column), a cell's findings in the order of the table.
    static std::vector<Finding> Check(const CQ4kUnit& unit, const std::vector<std::string>& ignored = {});
    // What an upload names before it writes: the errors and warnings of Check, the ignored rules
    // left out. Its "unholdable" findings are the cells CSetupComparison::NotHeldExactly names.
    static std::vector<Finding> ErrorsAndWarnings(const CQ4kUnit& unit, const std::vector<std::string>& ignored = {});
};
