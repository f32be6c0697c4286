// The plant log of a single-unit command (upload, verify, download) given --plant PLANT
// --tag TAG: the plant read and the tag checked before anything moves, and a record appended
// for each action.
#pragma once

#include "plant/CPlant.h"
#include "plant/CPlantLog.h"

#include <iosfwd>
#include <set>
#include <string>

class CCliArgs;

class CCliPlantLog {
public:
    static std::set<std::string> OptionNames() { return {"--plant", "--tag"}; }
    static constexpr const char* USAGE = "[--plant PLANT --tag TAG]";

    // Throws CCliError when one of the options comes without the other, when the plant cannot
    // be read or has no unit of that tag.
    explicit CCliPlantLog(const CCliArgs& args);

    bool IsOn() const { return m_bOn; }
    const CPlant& GetPlant() const { return m_plant; }
    const std::string& GetTag() const { return m_strTag; }

    // A record of the action on the document at path: its device number and SHA-256 when it
    // can be read.
    PlantLogRecord Record(PlantAction action, const std::string& path, const std::string& port) const;
    // Stamps and appends the record; a log that cannot be written is said on err, and the
    // command fails once its action is done (see Failed). Nothing without --plant.
    void Append(PlantLogRecord record, std::ostream& err) const;
    // True once a record could not be written: the command's exit status is then 1 at least.
    bool Failed() const { return m_failed; }

private:
    bool m_bOn = false;
    mutable bool m_failed = false;
    CPlant m_plant;
    std::string m_strTag;
};
