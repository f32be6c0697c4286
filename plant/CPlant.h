// A plant: a named set of units, each with its tag and the .q4g file of its set-up, kept in a
// small JSON file (NAME.q4plant) beside which live its log and the units' backups.
#pragma once

#include "model/Result.h"

#include <string>
#include <vector>

struct PlantUnit {
    std::string tag;       // unique within the plant, e.g. "AN-101"; UTF-8
    std::string file;      // the unit's .q4g, relative to the plant file's folder
    std::string location;  // optional
    std::string note;      // optional
    std::vector<std::string> ignore = {};  // the set-up checks' rules not applied to this unit's set-up
};

class CPlant {
public:
    // An empty plant of that name, to be saved at path.
    CPlant(std::string path, std::string name);
    CPlant() = default;

    // Reads the plant file at path; the reason when it cannot be read or is no plant file, and
    // then the plant stays as it was.
    q4::Status Load(const std::string& path);
    // Writes the plant file whole, or on failure leaves the old one as it was.
    q4::Status Save() const;
    // Refused with the reason when the tag is empty, taken, unfit for a folder name, or the file
    // is not given. unit.file is a path relative to the plant's folder (see RelativeFile).
    q4::Status AddUnit(PlantUnit unit);
    // Puts unit in the place of the unit of its tag; refused with the reason when the plant has
    // no such unit or the file is not given.
    q4::Status ReplaceUnit(PlantUnit unit);

    // A path as a person gave it (absolute, or relative to the working folder) made relative
    // to the plant's folder, as the plant file keeps it.
    std::string RelativeFile(const std::string& path) const;
    // The path of a unit's file as it is opened.
    std::string FilePath(const PlantUnit& unit) const;
    const PlantUnit* FindUnit(const std::string& tag) const;

    const std::string& GetName() const { return m_name; }
    const std::string& GetPath() const { return m_path; }
    const std::vector<PlantUnit>& GetUnits() const { return m_units; }
    std::string GetFolder() const;
    // The log beside the plant file: "works.q4plant.log" for "works.q4plant".
    std::string GetLogPath() const { return m_path + ".log"; }
    // Where a unit's backups go: backups/TAG beside the plant file.
    std::string GetBackupFolder(const std::string& tag) const;

    // The plant file's text: stable key order, a unit a line.
    std::string ToJson() const;

    static constexpr int FORMAT_VERSION = 1;

private:
    // Throws CJsonError for text that is no plant file.
    void Parse(const std::string& text);
    // Empty when the tag may be used, else why not.
    std::string TagProblem(const std::string& tag) const;

    std::string m_path;
    std::string m_name;
    std::vector<PlantUnit> m_units;
};
