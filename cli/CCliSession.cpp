// Loading, saving and sheet names for the commands.
#include "cli/CCliSession.h"

#include "cli/CCliArgs.h"
#include "cli/CCliError.h"
#include "codec/SetupText.h"

CCliSession::CCliSession(std::ostream& messages, bool answerOk) : m_prompt(messages, answerOk), m_unit(m_prompt) {}

void CCliSession::Load(const std::string& path)
{
    if (q4::Status loaded = m_file.Load(m_unit, path); !loaded)
        throw CCliError(loaded.Reason());
}

void CCliSession::Save(const std::string& path)
{
    if (q4::Status saved = m_file.Save(m_unit, path); !saved)
        throw CCliError(saved.Reason());
}

CNordaSetupType* CCliSession::GetSheetType(int sheet) const
{
    return q4::SheetType(m_unit, sheet);
}

int CCliSession::SheetOption(const CCliArgs& args)
{
    if (!args.Has("--sheet"))
        return -1;
    int sheet = q4::ParseSheet(args.Value("--sheet"));
    if (sheet < 0)
        throw CCliError("unknown sheet " + args.Value("--sheet") + " (general, physical, logical, alarm or 0 to 3)");
    return sheet;
}
