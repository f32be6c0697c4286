// --plant and --tag of the single-unit commands.
#include "cli/CCliPlantLog.h"

#include "cli/CCliArgs.h"
#include "cli/CCliError.h"
#include "plant/CPlantSurvey.h"

#include <ostream>

CCliPlantLog::CCliPlantLog(const CCliArgs& args)
{
    if (args.Has("--plant") != args.Has("--tag"))
        throw CCliError("--plant and --tag go together");
    if (!args.Has("--plant"))
        return;
    if (!m_plant.Load(args.Value("--plant")))
        throw CCliError(m_plant.GetError());
    m_strTag = args.Value("--tag");
    if (!m_plant.FindUnit(m_strTag))
        throw CCliError(args.Value("--plant") + " has no unit " + m_strTag);
    m_bOn = true;
}

PlantLogRecord CCliPlantLog::Record(PlantAction action, const std::string& path, const std::string& port) const
{
    PlantLogRecord record;
    record.action = action;
    record.port = port;
    unsigned long device = 0;
    std::string error;
    if (CPlantSurvey::ReadFile(path, device, record.sha256, error))
        record.device = static_cast<long>(device);
    return record;
}

void CCliPlantLog::Append(PlantLogRecord record, std::ostream& err) const
{
    if (!m_bOn)
        return;
    CPlantLog::Stamp(record);
    record.tag = m_strTag;
    if (!record.backup.empty())
        record.backup = m_plant.RelativeFile(record.backup);
    std::string error;
    if (!CPlantLog(m_plant.GetLogPath()).Append(record, error)) {
        err << "q4150cli: " << error << " (the action is not in the plant log)\n";
        m_failed = true;
    }
}
