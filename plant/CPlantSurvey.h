// The plant's units as their files say: each unit's .q4g read for its device number and its
// SHA-256; a file that is missing or unreadable is noted for its unit alone, and units that
// share a device number (on different buses) are found.
#pragma once

#include "plant/CPlant.h"

#include <string>
#include <vector>

struct PlantUnitFile {
    PlantUnit unit;
    std::string path;          // as opened
    bool readable = false;
    std::string error;         // why not
    unsigned long device = 0;  // the set-up's device number
    std::string sha256;        // of the file's bytes
};

class CPlantSurvey {
public:
    explicit CPlantSurvey(const CPlant& plant);

    const std::vector<PlantUnitFile>& GetFiles() const { return m_files; }
    const PlantUnitFile* Find(const std::string& tag) const;
    // The readable units of that device number, in the plant's order.
    std::vector<const PlantUnitFile*> WithDevice(unsigned long device) const;
    // The device numbers that several readable units share: each group in the plant's order.
    std::vector<std::vector<const PlantUnitFile*>> SharedDevices() const;
    // For the person: each unreadable file, and each device number that several units share
    // ("AN-101 and AN-103 are both device 3").
    std::vector<std::string> Warnings() const;

private:
    std::vector<PlantUnitFile> m_files;
};
