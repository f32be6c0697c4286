// "plant check PLANT [--json]": the set-up checks of every unit of a plant, each unit's findings
// without the rules its entry in the plant file ignores.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class CPlantCheckCommand {
public:
    static constexpr const char* USAGE = "plant check PLANT [--json]";

    // 0 when every unit was checked and none has errors or warnings, 1 otherwise; throws CCliError
    // for a usage error or a plant file that cannot be read.
    static int Run(const std::vector<std::string>& args, std::ostream& out);
};
