// Edits as the grid makes them: the text limit of the cell's editor, pop-up initials, then the
// setup type's validation, and the message of a refusal.
#include "cli/CEditCommand.h"

#include "cli/CCliArgs.h"
#include "cli/CCliSession.h"
#include "cli/CEditScript.h"
#include "model/Cp1252.h"
#include "model/StringTable.h"

#include <ostream>

const char* CEditCommand::GetHelp() const
{
    return "Reads edits from standard input, one a line, and applies each as if typed into that\n"
           "grid cell; then saves the set-up to FILE, or to OUT. A line is\n"
           "    SHEET ROW COL TEXT    (ROW from 1, row 0 being the header; TEXT is the rest of the\n"
           "                          line after one blank, possibly empty; \\xHH is the byte HH,\n"
           "                          \\\\ a backslash)\n"
           "    cut SHEET ROW         (the row back to its defaults, as the grid's Cut does)\n"
           "Empty lines and lines starting with # are skipped. A pop-up cell (an alarm's Flags)\n"
           "takes TEXT as initials, e.g. BH. Each edit prints \"ok\" or \"refused ID MESSAGE\",\n"
           "after any \"message: TEXT\" raised on the way; an OK/Cancel question prints\n"
           "\"question: TEXT -> OK\" or \"-> Cancel\" and is answered OK only with --yes.\n"
           "A text longer than the cell's limit is cut, as the grid's editor does.\n"
           "Exit status 0 when every line was applied and the file written, refused edits\n"
           "included; 2 on a malformed line or a file error, and then nothing is written.";
}

int CEditCommand::Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out)
{
    CCliArgs parsed(args, {"--yes"}, {"-o"});
    parsed.ExpectPositional(1, GetUsage());
    std::string target = parsed.Has("-o") ? parsed.Value("-o") : parsed.Positional()[0];

    CCliSession session(out, parsed.Has("--yes"));
    session.Load(parsed.Positional()[0]);
    // Every line is checked before the first edit is made, so a bad line changes nothing.
    std::vector<EditLine> edits = CEditScript::Read(in, session);
    for (const EditLine& edit : edits)
        Apply(*session.GetSheetType(edit.sheet), edit, out);
    out.flush();
    session.Save(target);
    return 0;
}

void CEditCommand::Apply(CNordaSetupType& type, const EditLine& edit, std::ostream& out)
{
    if (edit.kind == EditLine::Kind::Cut) {
        type.ResetChannel(edit.row);
        out << "ok\n";
        return;
    }
    std::string text = edit.text;
    CNdChnData* cell = type.GetProperty(edit.row, edit.col);
    if (cell && cell->m_nTextLen >= 0 && text.size() > static_cast<size_t>(cell->m_nTextLen))
        text.resize(static_cast<size_t>(cell->m_nTextLen));
    if (cell && cell->m_nStyle == CTRL_POPUP)
        ApplyInitials(type, edit.row, edit.col, text);
    if (type.EnterText(edit.row, edit.col, text)) {
        out << "ok\n";
        return;
    }
    int id = type.GetLastError();
    std::string message = id ? q4::Cp1252ToUtf8(LoadString(static_cast<unsigned>(id))) : std::string();
    out << "refused " << id << (message.empty() ? "" : " ") << message << '\n';
}

void CEditCommand::ApplyInitials(CNordaSetupType& type, int row, int col, const std::string& initials)
{
    PropList props;
    if (!type.GetPopupProperties(row, col, props))
        return;
    size_t p = 0;
    for (char c : initials) {
        while (p < props.size()) {
            const std::string& name = props[p]->GetName();
            bool match = !name.empty() && name[0] == c;
            props[p]->SetSelText(match ? "ON" : "OFF");
            ++p;
            if (match)
                break;
        }
    }
    type.UpdateProperties(row, col, props);
}
