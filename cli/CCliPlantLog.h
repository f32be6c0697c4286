// The plant log of a single-unit command (upload, verify, download) given --plant PLANT
// --tag TAG: the plant read and the tag checked before anything moves, and the recorder that
// appends a record for each step of the job.
#pragma once

#include "plant/CPlant.h"
#include "plant/CPlantLog.h"
#include "plant/CPlantRecorder.h"

#include <memory>
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

    bool IsOn() const { return m_on; }
    const CPlant& GetPlant() const { return m_plant; }
    const std::string& GetTag() const { return m_tag; }
    // Where a job's records go: the plant's log as the unit's; null without --plant.
    std::unique_ptr<CPlantRecorder> Recorder() const;

private:
    bool m_on = false;
    CPlant m_plant;
    std::string m_tag;
};
