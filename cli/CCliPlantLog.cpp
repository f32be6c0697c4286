// --plant and --tag of the single-unit commands.
#include "cli/CCliPlantLog.h"

#include "cli/CCliArgs.h"
#include "cli/CCliError.h"

CCliPlantLog::CCliPlantLog(const CCliArgs& args)
{
    if (args.Has("--plant") != args.Has("--tag"))
        throw CCliError("--plant and --tag go together");
    if (!args.Has("--plant"))
        return;
    if (q4::Status loaded = m_plant.Load(args.Value("--plant")); !loaded)
        throw CCliError(loaded.Reason());
    m_tag = args.Value("--tag");
    if (!m_plant.FindUnit(m_tag))
        throw CCliError(args.Value("--plant") + " has no unit " + m_tag);
    m_on = true;
}

std::unique_ptr<CPlantRecorder> CCliPlantLog::Recorder() const
{
    return m_on ? std::make_unique<CPlantRecorder>(m_plant, m_tag) : nullptr;
}

