// One set-up as the commands use it: the unit with the command line's message prompt, loaded
// from and saved to document files, and the sheets addressed by name ("general", "physical",
// "logical", "alarm") or number (0 to 3) as codec/SetupText reads them.
#pragma once

#include "cli/CCliPrompt.h"
#include "model/CDocumentFile.h"
#include "unit/CQ4kUnit.h"

#include <iosfwd>
#include <string>

class CCliArgs;

class CCliSession {
public:
    // Messages raised while the set-up is read or edited go to messages.
    CCliSession(std::ostream& messages, bool answerOk);

    // Throw CCliError with the reason when the file cannot be read or written.
    void Load(const std::string& path);
    void Save(const std::string& path);
    void Reset() { m_unit.Initialize(); }

    CQ4kUnit& GetUnit() { return m_unit; }
    IMessagePrompt& GetPrompt() { return m_prompt; }
    // The setup type of a sheet that exists and has its data sheet, or null.
    CNordaSetupType* GetSheetType(int sheet) const;

    // The sheet named by --sheet, or -1 without the option; an unknown name is an error.
    static int SheetOption(const CCliArgs& args);

private:
    CCliPrompt m_prompt;
    CQ4kUnit m_unit;
    CDocumentFile m_file;
};
