// The walk over the string table and a default set-up's sheets that finds the core's texts.
#include "unit/CoreTexts.h"

#include "model/IMessagePrompt.h"
#include "model/StringTable.h"
#include "setup/alarms/CAlarm.h"
#include "unit/CQ4kUnit.h"

#include <algorithm>

namespace {

class CSilentPrompt : public IMessagePrompt {
public:
    int Show(const std::string&, Buttons buttons, bool) override { return buttons == BTN_OK ? IDOK : IDCANCEL; }
};

}  // namespace

std::string CoreTextKey(const std::string& text)
{
    std::string key;
    std::copy_if(text.begin(), text.end(), std::back_inserter(key), [](char c) { return c != '\r'; });
    size_t first = key.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    return key.substr(first, key.find_last_not_of(' ') - first + 1);
}

std::vector<CoreText> CollectCoreTexts()
{
    std::vector<CoreText> texts;
    auto add = [&texts](const std::string& context, const std::string& text) {
        CoreText entry{context, CoreTextKey(text)};
        bool known = std::any_of(texts.begin(), texts.end(), [&entry](const CoreText& t) {
            return t.context == entry.context && t.text == entry.text;
        });
        if (!entry.text.empty() && !known)
            texts.push_back(std::move(entry));
    };
    for (const StringEntry& entry : GetStringTable())
        add(TextKindName(entry.kind), entry.text);

    CSilentPrompt prompt;
    CQ4kUnit unit(prompt);
    unit.Initialize();
    for (int slot = 0; slot < 4; ++slot) {
        CNordaSetupType* type = unit.GetSetupType(slot);
        const CDataSheet* sheet = type ? type->GetSheet() : nullptr;
        if (!sheet)
            continue;
        add(CONTEXT_SHEETS, type->m_strTitle);
        for (int cell = 0; cell < sheet->GetNumCells(0); ++cell)
            add(CONTEXT_HEADINGS, type->GetCellText(0, cell));
        // General's rows are settings; the other sheets' rows are channels, named as the unit
        // names them.
        if (type->m_nSetupType == ST_GENERAL) {
            int rows = std::min(type->GetNumChannels(), sheet->GetNumSections());
            for (int section = 1; section < rows; ++section)
                add(CONTEXT_HEADINGS, type->GetCellText(section, 0));
        }
        if (auto* alarm = dynamic_cast<CAlarm*>(type)) {
            for (int i = 0; i < CAlarm::ALARM_FLAGS; ++i) {
                if (const CNdChnData* flag = alarm->GetFlagCell(0, i))
                    add(CONTEXT_HEADINGS, flag->GetName());
            }
        }
    }
    return texts;
}
