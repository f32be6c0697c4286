// The facts of every column, read from the setup types of an example set-up.
#include "manual/SheetFacts.h"

#include "model/HelpTopic.h"
#include "model/StringTable.h"
#include "unit/CQ4kUnit.h"
#include "unit/CQuietPrompt.h"

#include <algorithm>
#include <memory>
#include <set>
#include <tuple>

namespace {

// A set-up in use on one row of each sheet: two inputs of 4 to 20 mA shown as 0 to 100 bar, a
// logical input over the first, an alarm on it.
const std::vector<ExampleEdit> g_Example = {
    {ST_PHYSICAL, 1, 1, "20 mA"}, {ST_PHYSICAL, 1, 2, "bar"}, {ST_PHYSICAL, 1, 3, "4"},
    {ST_PHYSICAL, 1, 4, "0"},     {ST_PHYSICAL, 1, 5, "20"},  {ST_PHYSICAL, 1, 6, "100"},
    {ST_PHYSICAL, 2, 1, "20 mA"}, {ST_PHYSICAL, 2, 2, "bar"}, {ST_PHYSICAL, 2, 3, "4"},
    {ST_PHYSICAL, 2, 4, "0"},     {ST_PHYSICAL, 2, 5, "20"},  {ST_PHYSICAL, 2, 6, "100"},
    {ST_LOGICAL, 1, 1, "IN 11"},  {ST_ALARM, 1, 1, "IN 11"},  {ST_ALARM, 1, 4, "80"},
};

// Texts typed into each column to hear what it refuses: no number, numbers in and far out of
// any range, the names of an input and of a logical input not in use, a sign.
const char* const g_Probes[] = {"abc", "1", "99", "-1e9", "1e9", "IN 83", "LOG7", "\xB1", "TEST"};

struct CellState {
    std::string text;
    std::vector<std::string> items;
    int editable = 0;
    bool operator==(const CellState&) const = default;
};

using Snapshot = std::vector<std::vector<std::vector<CellState>>>;  // sheet, section, cell

Snapshot Take(const CQ4kUnit& unit)
{
    Snapshot shot(4);
    for (int t = 0; t < 4; ++t) {
        const CDataSheet* sheet = unit.GetSetupType(t)->GetSheet();
        for (int s = 0; sheet && s < sheet->GetNumSections(); ++s) {
            auto& row = shot[t].emplace_back();
            for (int c = 0; c < sheet->GetNumCells(s); ++c) {
                const CNdChnData* p = sheet->GetProperty(s, c);
                row.push_back(p ? CellState{p->GetDataAsString(), p->GetData(), p->m_bEditable} : CellState{});
            }
        }
    }
    return shot;
}

std::string TrimBlanks(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == ' ' && (out.empty() || out.back() == ' '))
            continue;
        out += c;
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

bool IsGeneral(int t)
{
    return t == ST_GENERAL;
}

// The label a changed cell is known by: General's row, another sheet's column.
std::string PlaceLabel(const INordaSetupType& type, int section, int cell)
{
    return TrimBlanks(IsGeneral(type.m_nSetupType) ? type.GetCellText(section, 0) : type.GetCellText(0, cell));
}

void AddUnique(std::vector<std::string>& list, const std::string& text)
{
    if (!text.empty() && std::find(list.begin(), list.end(), text) == list.end())
        list.push_back(text);
}

class FactReader {
public:
    FactReader() : m_defaults(m_prompt), m_example(m_prompt), m_scratch(m_prompt)
    {
        m_defaults.Initialize();
        m_example.Initialize();
        m_scratch.Initialize();
        TypeExample(m_example);
    }

    SheetFacts Read(int t)
    {
        CNordaSetupType& type = *m_example.GetSetupType(t);
        SheetFacts sheet;
        sheet.topic = SheetTopic(type);
        sheet.title = type.m_strTitle;
        int rows = type.GetNumChannels();
        for (int s = 0; s < rows; ++s)
            sheet.rowLabels.push_back(TrimBlanks(type.GetCellText(s, 0)));
        if (IsGeneral(t)) {
            for (int s = 1; s < rows; ++s)
                sheet.columns.push_back(Column(t, s, 1, -1));
            return sheet;
        }
        sheet.rowLabel = TrimBlanks(type.GetCellText(1, 0));
        for (int c = 1; c < type.GetSheet()->GetNumCells(0); ++c)
            sheet.columns.push_back(Column(t, 1, c, rows - 1));
        return sheet;
    }

private:
    ColumnFacts Column(int t, int section, int cell, int unusedRow)
    {
        CNordaSetupType& type = *m_example.GetSetupType(t);
        const CNdChnData& p = *type.GetProperty(section, cell);
        const CNdChnData* q = m_defaults.GetSetupType(t)->GetProperty(section, cell);
        ColumnFacts f;
        f.topic = CellTopic(type, section, cell);
        f.cell = IsGeneral(t) ? section : cell;
        f.label = PlaceLabel(type, section, cell);
        f.hint = type.GetInputHint(section, cell);
        f.textLimit = p.m_nTextLen;
        f.defaultText = q ? q->GetDataAsString() : std::string();
        if (p.m_nStyle == CTRL_POPUP) {
            PropList props;
            if (type.GetPopupProperties(section, cell, props)) {
                for (const auto& setting : props)
                    f.settings.emplace_back(setting->GetName(), setting->GetData());
            }
        } else if (p.GetData().size() > 1) {
            f.choices = p.GetData();
            f.choicesFollow = !q || q->GetData() != p.GetData();
        } else {
            f.readOnly = !p.m_bEditable;
        }
        if (f.readOnly)
            return f;

        Probe(t, section, cell, f.refusals, &f);
        if (unusedRow > 0) {
            std::vector<std::string> unused;
            Probe(t, unusedRow, cell, unused, nullptr);
            for (const std::string& message : unused) {
                if (std::find(f.refusals.begin(), f.refusals.end(), message) == f.refusals.end())
                    f.unusedRefusals.push_back(message);
            }
        }
        return f;
    }

    // Types every probe and every choice into a fresh copy of the example: the messages of the
    // texts refused, and (with facts) whether a list takes a text of its own and the cells that
    // changed elsewhere.
    void Probe(int t, int section, int cell, std::vector<std::string>& refusals, ColumnFacts* facts)
    {
        const std::vector<std::string>& choices = m_example.GetSetupType(t)->GetProperty(section, cell)->GetData();
        std::vector<std::string> texts(std::begin(g_Probes), std::end(g_Probes));
        texts.insert(texts.end(), choices.begin(), choices.end());
        std::set<std::tuple<int, int>> changed;  // sheet, column (General: row)
        const Snapshot before = Take(m_example);
        for (const std::string& text : texts) {
            m_scratch.CopyFrom(m_example);
            CNordaSetupType& type = *m_scratch.GetSetupType(t);
            type.ClearLastError();
            bool taken = type.EnterText(section, cell, text) != 0;
            if (!taken && type.GetLastError())
                AddUnique(refusals, LoadString(static_cast<unsigned>(type.GetLastError())));
            if (!facts)
                continue;
            bool own = std::find(choices.begin(), choices.end(), text) == choices.end();
            if (taken && own && choices.size() > 1 && type.GetCellText(section, cell) == text)
                facts->typesNew = true;
            Compare(before, Take(m_scratch), t, section, cell, changed);
        }
        if (!facts)
            return;
        for (auto [sheet, place] : changed) {
            if (facts->changes.empty() || facts->changes.back().first != sheet)
                facts->changes.emplace_back(sheet, std::vector<int>());
            facts->changes.back().second.push_back(place);
        }
    }

    static void Compare(const Snapshot& before, const Snapshot& after, int t, int section, int cell,
                        std::set<std::tuple<int, int>>& changed)
    {
        for (int sheet = 0; sheet < 4; ++sheet) {
            const auto& a = before[static_cast<size_t>(sheet)];
            const auto& b = after[static_cast<size_t>(sheet)];
            for (size_t s = 1; s < a.size() && s < b.size(); ++s) {
                for (size_t c = 1; c < a[s].size() && c < b[s].size(); ++c) {
                    bool self = sheet == t && static_cast<int>(s) == section && static_cast<int>(c) == cell;
                    if (!self && !(a[s][c] == b[s][c]))
                        changed.emplace(sheet, IsGeneral(sheet) ? static_cast<int>(s) : static_cast<int>(c));
                }
            }
        }
    }

    CQuietPrompt m_prompt;
    CQ4kUnit m_defaults;
    CQ4kUnit m_example;
    CQ4kUnit m_scratch;
};

}  // namespace

const std::vector<ExampleEdit>& ExampleEdits()
{
    return g_Example;
}

bool TypeExample(CQ4kUnit& unit)
{
    bool all = true;
    for (const ExampleEdit& edit : g_Example)
        all = unit.GetSetupType(edit.sheet)->EnterText(edit.section, edit.cell, edit.text) != 0 && all;
    return all;
}

std::vector<SheetFacts> CollectSheetFacts()
{
    auto reader = std::make_unique<FactReader>();
    std::vector<SheetFacts> sheets;
    for (int t = 0; t < 4; ++t)
        sheets.push_back(reader->Read(t));
    return sheets;
}
