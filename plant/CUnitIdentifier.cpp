// Naming the unit on the line by its device number, and by its cells where the number does not
// tell.
#include "plant/CUnitIdentifier.h"

#include "compare/CUnitVerification.h"
#include "job/CUnitJob.h"
#include "model/CDocumentFile.h"
#include "unit/CQ4kUnit.h"
#include "unit/CQuietPrompt.h"
#include "unit/CUnitImage.h"

#include <climits>

CIdentifyJob::CIdentifyJob(const CPlantSurvey* survey, JobSettings settings)
    : m_identifier(survey), m_settings(std::move(settings))
{
}

void CIdentifyJob::Cancel()
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_cancelled = true;
    if (m_running)
        m_running->Cancel();
}

bool CIdentifyJob::Read(CUnitJob& job)
{
    job.SetAnswerer(m_answerer);
    job.SetWatcher(m_watcher);
    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (m_cancelled)
            job.Cancel();
        m_running = &job;
    }
    const JobResult& result = job.Run();
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_running = nullptr;
    }
    if (result.outcome == JobOutcome::Ok)
        return true;
    m_found = Identification();
    m_found.result = result.outcome == JobOutcome::Stopped ? PlantResult::Stopped : PlantResult::Failed;
    m_found.reason = result.reason;
    return false;
}

const Identification& CIdentifyJob::Run()
{
    CUnitJob general(JobAction::ReadDevice, m_settings);
    if (!Read(general))
        return m_found;
    if (m_identifier.ByDevice(general.GetResult().unitDevice, m_found))
        return m_found;
    const unsigned long device = m_found.device;
    CUnitJob whole(JobAction::ReadUnit, m_settings);
    if (Read(whole))
        m_found = m_identifier.ByBlocks(device, whole.GetBlocksRead());
    return m_found;
}

bool CUnitIdentifier::ByDevice(unsigned long device, Identification& found) const
{
    found = Identification();
    found.device = device;
    std::vector<const PlantUnitFile*> candidates = m_survey ? m_survey->WithDevice(device)
                                                             : std::vector<const PlantUnitFile*>();
    if (m_survey && candidates.size() != 1)
        return false;
    found.result = PlantResult::Named;
    if (!candidates.empty())
        found.tags.push_back(candidates[0]->unit.tag);
    return true;
}

Identification CUnitIdentifier::ByBlocks(unsigned long device, const CUnitImage& held) const
{
    Identification found;
    found.device = device;
    if (!m_survey) {
        found.result = PlantResult::Named;
        return found;
    }
    return Closest(found, m_survey->WithDevice(device), held);
}

Identification CUnitIdentifier::Closest(Identification found, const std::vector<const PlantUnitFile*>& candidates,
                                        const CUnitImage& held) const
{
    found.wholeUnitRead = true;
    const bool shared = !candidates.empty();
    std::vector<const PlantUnitFile*> pool = candidates;
    if (!shared) {
        for (const PlantUnitFile& file : m_survey->GetFiles()) {
            if (file.readable)
                pool.push_back(&file);
        }
    }
    int best = INT_MAX;
    for (const PlantUnitFile* file : pool) {
        int count = CountDifferences(file->path, held);
        if (count < 0 || count > best)
            continue;
        if (count < best)
            found.tags.clear();
        best = count;
        found.tags.push_back(file->unit.tag);
    }
    found.cellsDiffer = found.tags.empty() ? 0 : best;
    if (!shared)
        found.result = PlantResult::NotFound;
    else
        found.result = found.tags.size() == 1 ? PlantResult::Named : PlantResult::Ambiguous;
    return found;
}

int CUnitIdentifier::CountDifferences(const std::string& path, const CUnitImage& held)
{
    CQuietPrompt quiet;
    CQ4kUnit document(quiet);
    if (!CDocumentFile().Load(document, path))
        return -1;
    CUnitVerification verification(document, held);
    // Blocks that differ without a cell to show still count, one each.
    size_t cells = verification.GetDifferences().size();
    return static_cast<int>(cells ? cells : verification.GetBlocksDiffering().size());
}

PlantLogRecord CUnitIdentifier::Record(const Identification& found, const std::string& port) const
{
    PlantLogRecord record;
    CPlantLog::Stamp(record);
    record.action = PlantAction::Identify;
    record.device = found.result == PlantResult::Failed || found.result == PlantResult::Stopped
                        ? -1
                        : static_cast<long>(found.device);
    record.port = port;
    record.result = found.result;
    record.reason = found.reason;
    if (found.result == PlantResult::NotFound || found.result == PlantResult::Ambiguous)
        record.reason = ClosestText(found);
    if (found.result == PlantResult::Named) {
        record.tag = found.tags.front();
        if (const PlantUnitFile* file = m_survey ? m_survey->Find(record.tag) : nullptr)
            record.sha256 = file->sha256;
    }
    return record;
}

std::string CUnitIdentifier::ClosestText(const Identification& found)
{
    if (!found.wholeUnitRead || found.tags.empty())
        return {};
    std::string text = "closest: ";
    for (size_t i = 0; i < found.tags.size(); ++i)
        text += (i == 0 ? "" : i + 1 == found.tags.size() ? " and " : ", ") + found.tags[i];
    return text + ", " + std::to_string(found.cellsDiffer) + (found.cellsDiffer == 1 ? " cell differs" : " cells differ");
}
