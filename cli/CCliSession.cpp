// Loading, saving and sheet names for the commands.
#include "cli/CCliSession.h"

#include "model/HexText.h"

#include "cli/CCliArgs.h"
#include "cli/CCliError.h"
#include "model/Cp1252.h"

namespace {

const char* const g_SheetNames[4] = {"general", "physical", "logical", "alarm"};

}  // namespace

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

CNordaSetupType* CCliSession::GetSheetType(const CQ4kUnit& unit, int sheet)
{
    CNordaSetupType* type = unit.GetSetupType(sheet);
    return type && type->GetSheet() ? type : nullptr;
}

int CCliSession::SheetOption(const CCliArgs& args)
{
    if (!args.Has("--sheet"))
        return -1;
    int sheet = ParseSheet(args.Value("--sheet"));
    if (sheet < 0)
        throw CCliError("unknown sheet " + args.Value("--sheet") + " (general, physical, logical, alarm or 0 to 3)");
    return sheet;
}

int CCliSession::ParseSheet(const std::string& name)
{
    for (int i = 0; i < 4; ++i) {
        if (name == g_SheetNames[i] || name == std::string(1, static_cast<char>('0' + i)))
            return i;
    }
    return -1;
}

const char* CCliSession::GetSheetName(int sheet)
{
    return sheet >= 0 && sheet < 4 ? g_SheetNames[sheet] : "";
}

std::string CCliSession::DisplayText(const std::string& text)
{
    std::string out;
    for (char c : text) {
        auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) {
            out += "\\x";
            q4::AppendHexByte(out, b);
        } else if (c == '\\') {
            out += "\\\\";
        } else {
            out += c;
        }
    }
    return q4::Cp1252ToUtf8(out);
}
