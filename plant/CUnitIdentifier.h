// Which unit is on the line: its device number from its General blocks, the plant's unit of that
// number, or, where several share it or none has it, the closest by the cells that differ.
#pragma once

#include "job/JobTypes.h"
#include "plant/CPlantLog.h"
#include "plant/CPlantSurvey.h"

#include <mutex>
#include <string>
#include <vector>

class CUnitImage;
class CUnitJob;
class IJobAnswerer;
class IJobWatcher;

struct Identification {
    // Named; NotFound (no unit of the plant has its number); Ambiguous (several are equally
    // close); Failed or Stopped (the unit could not be read).
    PlantResult result = PlantResult::Failed;
    std::string reason;             // why it failed
    unsigned long device = 0;       // as the unit's General blocks say
    // Named: the unit. NotFound and Ambiguous: the closest units, equally close.
    std::vector<std::string> tags;
    bool wholeUnitRead = false;
    int cellsDiffer = 0;            // after a whole read: how many cells the closest differ in
};

class CUnitIdentifier {
public:
    // survey: the plant's units, or null to tell the device number alone.
    explicit CUnitIdentifier(const CPlantSurvey* survey) : m_survey(survey) {}

    // The two steps of Identify for those who read the unit themselves. First the device
    // number from the General blocks: true with found filled in when it names the unit (no
    // plant, or one unit of that number); false when the whole unit must be read for ByBlocks.
    bool ByDevice(unsigned long device, Identification& found) const;
    // Then the closest of the units of that number (of all when none has it) to the whole
    // unit's blocks.
    Identification ByBlocks(unsigned long device, const CUnitImage& held) const;
    // How many cells of the unit's file differ from what the unit holds (its blocks), as verify
    // counts them; -1 when the file cannot be read.
    static int CountDifferences(const std::string& path, const CUnitImage& held);
    // "closest: AN-103, 4 cells differ" (several tags joined with "and"), or empty when the
    // whole unit was not read.
    static std::string ClosestText(const Identification& found);
    // The record of an identification for the plant log.
    PlantLogRecord Record(const Identification& found, const std::string& port) const;

private:
    // Names among the candidates (all readable units when none has the number) by the whole
    // unit's blocks.
    Identification Closest(Identification found, const std::vector<const PlantUnitFile*>& candidates,
                           const CUnitImage& held) const;

    const CPlantSurvey* m_survey;
};

// Identify Unit as one job: the unit's General blocks read, and the whole unit where its number
// does not name the unit; the port held only while it reads.
class CIdentifyJob {
public:
    // survey: the plant's units, or null to tell the device number alone; it outlives the job.
    CIdentifyJob(const CPlantSurvey* survey, JobSettings settings);
    void SetAnswerer(IJobAnswerer* answerer) { m_answerer = answerer; }
    void SetWatcher(IJobWatcher* watcher) { m_watcher = watcher; }

    // On the calling thread.
    const Identification& Run();
    // From any thread: the read in flight stops after its block, and nothing follows.
    void Cancel();
    const Identification& GetResult() const { return m_found; }
    const JobSettings& GetSettings() const { return m_settings; }

private:
    // Runs the job unless cancelled; false, with the failure in m_found, when it did not complete.
    bool Read(CUnitJob& job);

    CUnitIdentifier m_identifier;
    JobSettings m_settings;
    IJobAnswerer* m_answerer = nullptr;
    IJobWatcher* m_watcher = nullptr;
    Identification m_found;
    std::mutex m_lock;  // guards the two below
    CUnitJob* m_running = nullptr;
    bool m_cancelled = false;
};
