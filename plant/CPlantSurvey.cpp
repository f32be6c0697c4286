// Reading the plant's unit files one by one.
#include "plant/CPlantSurvey.h"

#include "model/CDocumentFile.h"
#include "model/Sha256.h"
#include "unit/CQ4kUnit.h"
#include "unit/CQuietPrompt.h"

#include <set>

namespace {

struct FileFacts {
    unsigned long device = 0;
    std::string sha256;
};

// Reads one .q4g: its device number and SHA-256.
q4::Result<FileFacts> ReadFacts(const std::string& path)
{
    CDocumentFile document;
    q4::Result<std::vector<uint8_t>> bytes = document.ReadBytes(path);
    if (!bytes)
        return q4::Failure{bytes.Reason()};
    FileFacts facts;
    facts.sha256 = q4::CSha256::Hex(bytes->data(), bytes->size());
    CQuietPrompt prompt;
    CQ4kUnit unit(prompt);
    if (q4::Status loaded = document.LoadBytes(unit, std::move(bytes.Value()), path); !loaded)
        return q4::Failure{loaded.Reason()};
    facts.device = unit.GetDeviceNumber();
    return facts;
}

}  // namespace

CPlantSurvey::CPlantSurvey(const CPlant& plant)
{
    for (const PlantUnit& unit : plant.GetUnits()) {
        PlantUnitFile file;
        file.unit = unit;
        file.path = plant.FilePath(unit);
        q4::Result<FileFacts> facts = ReadFacts(file.path);
        file.readable = facts.Ok();
        if (facts) {
            file.device = facts->device;
            file.sha256 = facts->sha256;
        } else {
            file.error = facts.Reason();
        }
        m_files.push_back(std::move(file));
    }
}


const PlantUnitFile* CPlantSurvey::Find(const std::string& tag) const
{
    for (const PlantUnitFile& file : m_files) {
        if (file.unit.tag == tag)
            return &file;
    }
    return nullptr;
}

std::vector<const PlantUnitFile*> CPlantSurvey::WithDevice(unsigned long device) const
{
    std::vector<const PlantUnitFile*> found;
    for (const PlantUnitFile& file : m_files) {
        if (file.readable && file.device == device)
            found.push_back(&file);
    }
    return found;
}

std::vector<std::vector<const PlantUnitFile*>> CPlantSurvey::SharedDevices() const
{
    std::vector<std::vector<const PlantUnitFile*>> shared;
    std::set<unsigned long> told;
    for (const PlantUnitFile& file : m_files) {
        if (!file.readable || told.count(file.device))
            continue;
        std::vector<const PlantUnitFile*> same = WithDevice(file.device);
        if (same.size() < 2)
            continue;
        told.insert(file.device);
        shared.push_back(std::move(same));
    }
    return shared;
}

std::vector<std::string> CPlantSurvey::Warnings() const
{
    std::vector<std::string> warnings;
    for (const PlantUnitFile& file : m_files)
        if (!file.readable)
            warnings.push_back(file.unit.tag + ": " + file.error);
    for (const std::vector<const PlantUnitFile*>& same : SharedDevices()) {
        std::string tags;
        for (size_t i = 0; i < same.size(); ++i)
            tags += (i == 0 ? "" : i + 1 == same.size() ? " and " : ", ") + same[i]->unit.tag;
        warnings.push_back(tags + (same.size() == 2 ? " are both device " : " are all device ")
                           + std::to_string(same.front()->device));
    }
    return warnings;
}
