// The plant's log, NAME.q4plant.log, the commissioning record: JSON Lines, a record per action
// on a unit, each appended with one write() and an fsync, so two programs never tear a line.
#pragma once

#include "compare/CellDifference.h"
#include "model/Result.h"

#include <ctime>
#include <string>
#include <vector>

enum class PlantAction { Upload, Verify, Download, Backup, Identify };

enum class PlantResult {
    Ok,         // the transfer completed; a verify found the unit holding its file
    Differs,    // a verify found the unit holding something else
    Refused,    // an upload into a unit of another device number: nothing written
    Failed,     // the port, the line or the file failed
    Stopped,    // cancelled, by Ctrl+C or SIGTERM on the command line
    Named,      // identify named the unit
    NotFound,   // identify found no unit of the plant with the unit's number
    Ambiguous,  // identify found several units equally close
};

struct PlantLogRecord {
    std::string time;      // ISO 8601 with the zone: 2024-05-02T14:03:22+02:00
    std::string user;
    std::string host;
    std::string tag;       // empty where no unit of the plant was named
    long device = -1;      // the device number: the .q4g's, or for identify the unit's; -1 unknown
    PlantAction action = PlantAction::Verify;
    std::string port;
    std::string sha256;    // of the .q4g uploaded, verified, downloaded or backed up; may be empty
    PlantResult result = PlantResult::Ok;
    std::string reason;    // why it failed, was refused or stopped; may be empty
    int blocksWritten = 0;
    int blocksHeld = 0;    // an upload's blocks that the unit held already and that were not written
    int blocksTotal = 0;   // an upload's blocks in all
    std::string backup;    // an upload's or a backup's backup file, relative to the plant's folder
    // The questions answered Yes that let an upload go on ("uploaded although the unit is
    // device 7 and the set-up is for device 3"); the record's user gave the answer.
    std::vector<std::string> confirmed;
    // An upload's changed cells, the unit's text before as text A; a verify's differences, the
    // file's text as text A. Windows-1252 as in the set-up; UTF-8 in the log.
    std::vector<CellDifference> cells;
};

// A record's line is written whole on a descriptor opened for appending, and made durable
// before the action is reported; the log is never rewritten.
class CPlantLog {
public:
    explicit CPlantLog(std::string path) : m_path(std::move(path)) {}

    // Appends the record as one line; the reason when it could not be made durable.
    q4::Status Append(const PlantLogRecord& record) const;

    struct Contents {
        std::vector<PlantLogRecord> records;
        std::vector<std::string> warnings;  // a damaged line each, skipped: "works.q4plant.log line 7: ..."
    };
    // Every record that reads, in the order written; a log not there yet is empty.
    Contents Read() const;

    const std::string& GetPath() const { return m_path; }

    // A record as its line, without the line break.
    static std::string ToLine(const PlantLogRecord& record);
    // Throws CJsonError for a line that is no record.
    static PlantLogRecord FromLine(const std::string& line);
    // Sets the record's time, user and host to now and here.
    static void Stamp(PlantLogRecord& record);
    // Local time with its offset from UTC.
    static std::string IsoTime(std::time_t time);

    static const char* ActionName(PlantAction action);
    static const char* ResultName(PlantResult result);

private:
    std::string m_path;
};
