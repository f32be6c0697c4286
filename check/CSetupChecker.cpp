// The set-up checks: one pass over General, the inputs and the alarms, each rule of the table
// applied where its sheet is, the findings sorted by their cells.
#include "check/CSetupChecker.h"

#include "compare/CSetupComparison.h"
#include "model/ChannelNames.h"
#include "model/NumberText.h"
#include "setup/alarms/CAlarm.h"
#include "setup/general/GeneralRows.h"
#include "setup/logical/CLogicalInput.h"
#include "setup/physical/CPhysicalInput.h"
#include "unit/CQ4kUnit.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>
#include <utility>

namespace {

// General's rows that rules read.
constexpr int GEN_INITIALIZATION = 1;
constexpr int GEN_FUNCTION_TEST = 2;
constexpr int GEN_BLOCK = 11;
// A physical input's columns.
constexpr int PH_INPTP = 1;
constexpr int PH_INPLO = 3;
constexpr int PH_LCDLO = 4;
constexpr int PH_INPUP = 5;
constexpr int PH_LCDUP = 6;
// The delay above which an alarm waits long: one hour, in seconds.
constexpr double LONG_DELAY = 3600.0;

using Kind = FindingPart::Kind;

FindingPart Value(std::string text)
{
    return {Kind::Value, std::move(text)};
}

// A text with its runs of blanks made one and the blanks around it dropped: "3  (A13)" -> "3 (A13)".
std::string Simplified(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == ' ' && (out.empty() || out.back() == ' '))
            continue;
        out += c;
    }
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

// A value as the sheets compare it: the text's leading number in single precision, as the unit
// holds it.
float ValueOf(const std::string& text)
{
    return static_cast<float>(q4::AtoF(text));
}

bool IsBlank(const std::string& text)
{
    return text.find_first_not_of(' ') == std::string::npos;
}

class Checker {
public:
    Checker(const CQ4kUnit& unit, const std::vector<std::string>& ignored)
        : m_unit(unit),
          m_general(unit.GetSetupType(ST_GENERAL)),
          m_physical(dynamic_cast<CPhysicalInput*>(unit.GetSetupType(ST_PHYSICAL))),
          m_logical(dynamic_cast<CLogicalInput*>(unit.GetSetupType(ST_LOGICAL))),
          m_alarm(dynamic_cast<CAlarm*>(unit.GetSetupType(ST_ALARM))),
          m_ignored(ignored.begin(), ignored.end())
    {
    }

    std::vector<Finding> Run()
    {
        CheckGeneral();
        CheckHeld();
        // The alarms first: they tell which inputs are watched.
        CheckAlarms();
        CheckPhysical();
        CheckLogical();
        // Grid order; within a cell, the table's order.
        const auto rules = GetCheckRules();
        auto rank = [&rules](const Finding& f) {
            return std::find_if(rules.begin(), rules.end(), [&f](const CheckRule& r) { return f.rule == r.id; }) - rules.begin();
        };
        std::stable_sort(m_findings.begin(), m_findings.end(), [&rank](const Finding& a, const Finding& b) {
            return a.cell != b.cell ? a.cell < b.cell : rank(a) < rank(b);
        });
        return std::move(m_findings);
    }

private:
    void Add(const char* id, FindingCell cell, std::vector<FindingPart> parts, std::vector<FindingCell> others = {})
    {
        const CheckRule* rule = FindCheckRule(id);
        if (!rule || m_ignored.count(id))
            return;
        Finding finding{rule->id, rule->severity, cell, std::move(others), ChannelOf(cell), std::move(parts), {}};
        finding.text = FindingText(*rule, finding.parts);
        m_findings.push_back(std::move(finding));
    }

    std::string Text(int sheet, int row, int col) const
    {
        const CNordaSetupType* type = m_unit.GetSetupType(sheet);
        return type ? type->GetCellText(row, col) : std::string();
    }

    // The channel of a cell as a person names it: General's setting, an input, an alarm.
    FindingPart ChannelOf(const FindingCell& cell) const
    {
        std::string label = Simplified(Text(cell.sheet, cell.row, 0));
        switch (cell.sheet) {
        case ST_GENERAL: return {Kind::Heading, label};
        case ST_ALARM: return {Kind::Alarm, label};
        default: return Value(label);
        }
    }

    FindingPart Alarm(int row) const { return {Kind::Alarm, Simplified(Text(ST_ALARM, row, 0))}; }

    // ---- General ----

    void CheckGeneral()
    {
        if (!m_general)
            return;
        const std::string init = Text(ST_GENERAL, GEN_INITIALIZATION, 1);
        if (init != GetGeneralRow(GEN_INITIALIZATION).choices[0])
            Add("initialization", {ST_GENERAL, GEN_INITIALIZATION, 1}, {Value(init)});
        if (Text(ST_GENERAL, GEN_FUNCTION_TEST, 1) != GetGeneralRow(GEN_FUNCTION_TEST).choices[0])
            Add("function-test", {ST_GENERAL, GEN_FUNCTION_TEST, 1}, {});
    }

    // ---- what the unit cannot hold: the very cells the upload names ----

    void CheckHeld()
    {
        for (const CellDifference& cell : CSetupComparison::NotHeldExactly(m_unit)) {
            // General's rows are its settings: the sheet stands for the channel there.
            FindingPart channel = cell.sheet == ST_GENERAL ? FindingPart{Kind::Sheet, cell.sheetTitle}
                                                            : ChannelOf({cell.sheet, cell.row, cell.col});
            FindingPart setting = cell.sheet == ST_GENERAL ? FindingPart{Kind::Heading, Simplified(cell.channel)}
                                                            : FindingPart{Kind::Heading, Simplified(cell.column)};
            Add("unholdable", {cell.sheet, cell.row, cell.col},
                {channel, setting, Value(cell.textA), Value(cell.textB)});
        }
    }

    // ---- alarms ----

    struct ActiveAlarm {
        int row;
        std::string inpRef, dynRef, sign, setPoint;
    };

    void CheckAlarms()
    {
        if (!m_alarm)
            return;
        std::vector<ActiveAlarm> alarms;
        for (int row = 1; row <= CAlarm::ALARM_CHANNELS; ++row) {
            if (!m_alarm->IsChannelActive(row))
                continue;
            ActiveAlarm alarm{row, Text(ST_ALARM, row, CAlarm::COL_INPREF), Text(ST_ALARM, row, CAlarm::COL_DYNREF),
                              Text(ST_ALARM, row, CAlarm::COL_SIGN), Text(ST_ALARM, row, CAlarm::COL_SETPOINT)};
            m_watched.insert(alarm.inpRef);
            if (alarm.dynRef != "OFF")
                m_watched.insert(alarm.dynRef);
            CheckSetPoint(alarm);
            CheckAlarmSettings(alarm);
            alarms.push_back(std::move(alarm));
        }
        CheckDuplicates(alarms);
        CheckLeds(alarms);
    }

    void CheckSetPoint(const ActiveAlarm& alarm)
    {
        std::string loText;
        std::string hiText;
        if (!m_alarm->GetInputRange(alarm.row, loText, hiText))
            return;
        const FindingCell cell{ST_ALARM, alarm.row, CAlarm::COL_SETPOINT};
        const float lo = ValueOf(loText);
        const float hi = ValueOf(hiText);
        const float setPoint = ValueOf(alarm.setPoint);
        // A flat or reversed display range is the input's finding; its alarms are not judged on it.
        if (lo > hi)
            return;
        if (setPoint < lo || setPoint > hi)
            Add("setpoint-outside-range", cell,
                {Alarm(alarm.row), Value(alarm.setPoint), Value(alarm.inpRef), Value(loText), Value(hiText)});
        if (lo == hi)
            return;
        const std::vector<FindingPart> parts = {Alarm(alarm.row), Value(alarm.inpRef), Value(alarm.sign),
                                                Value(alarm.setPoint), Value(loText), Value(hiText)};
        if (alarm.sign == "<" || alarm.sign == ">") {
            const bool below = alarm.sign == "<";
            if (below ? setPoint <= lo : setPoint >= hi)
                Add("never-trips", cell, parts);
            if (below ? setPoint >= hi : setPoint <= lo)
                Add("always-trips", cell, parts);
            return;
        }
        // "\xB1": the deviation of InpRef from DynRef against the set point.
        if (alarm.dynRef == "OFF")
            return;
        if (alarm.dynRef == alarm.inpRef) {
            Add("self-reference", {ST_ALARM, alarm.row, CAlarm::COL_DYNREF}, {Alarm(alarm.row), Value(alarm.inpRef)});
            return;
        }
        const std::vector<FindingPart> deviation = {Alarm(alarm.row), Value(alarm.inpRef), Value(alarm.dynRef),
                                                    Value(alarm.setPoint)};
        if (setPoint < 0) {
            Add("negative-deviation", cell, deviation);
        } else if (setPoint == 0) {
            Add("zero-deviation", cell, {Alarm(alarm.row), Value(alarm.inpRef), Value(alarm.dynRef)});
        } else if (setPoint >= hi - lo) {
            std::vector<FindingPart> span = deviation;
            span.insert(span.end(), {Value(loText), Value(hiText), Value(q4::Format2g(static_cast<double>(hi - lo)))});
            Add("deviation-beyond-span", cell, span);
        }
    }

    void CheckAlarmSettings(const ActiveAlarm& alarm)
    {
        const int row = alarm.row;
        if (Text(ST_ALARM, row, CAlarm::COL_LED) == "OFF" && Text(ST_ALARM, row, CAlarm::COL_OUTPUT) == "OFF")
            Add("unseen-alarm", {ST_ALARM, row, CAlarm::COL_LED}, {Alarm(row)}, {{ST_ALARM, row, CAlarm::COL_OUTPUT}});
        if (IsBlank(Text(ST_ALARM, row, CAlarm::COL_TEXT)))
            Add("unnamed-alarm", {ST_ALARM, row, CAlarm::COL_TEXT}, {Alarm(row)});
        const std::string delay = Text(ST_ALARM, row, CAlarm::COL_DELAY);
        if (q4::AtoF(delay) > LONG_DELAY)
            Add("long-delay", {ST_ALARM, row, CAlarm::COL_DELAY}, {Alarm(row), Value(delay)});
        // The flag as the unit gets it, or as the Flags cell still shows it after General's
        // Block went OFF: either way it blocks nothing.
        if (m_general && Text(ST_GENERAL, GEN_BLOCK, 1) == GetGeneralRow(GEN_BLOCK).choices[0]) {
            const CNdChnData* block = m_alarm->GetFlagCell(row - 1, 0);
            const bool flagOn = block && block->GetDataAsString() == "ON";
            const bool shown = Text(ST_ALARM, row, CAlarm::COL_FLAGS).find('B') != std::string::npos;
            if (flagOn || shown)
                Add("block-ignored", {ST_ALARM, row, CAlarm::COL_FLAGS}, {Alarm(row)});
        }
    }

    void CheckDuplicates(const std::vector<ActiveAlarm>& alarms)
    {
        std::map<std::tuple<std::string, std::string, std::string, float>, int> first;
        for (const ActiveAlarm& alarm : alarms) {
            auto [at, added] = first.emplace(std::tuple(alarm.inpRef, alarm.dynRef, alarm.sign, ValueOf(alarm.setPoint)),
                                             alarm.row);
            if (added)
                continue;
            Add("duplicate-alarm", {ST_ALARM, alarm.row, CAlarm::COL_SETPOINT},
                {Alarm(alarm.row), Alarm(at->second), Value(alarm.inpRef), Value(alarm.dynRef), Value(alarm.sign),
                 Value(alarm.setPoint)},
                {{ST_ALARM, at->second, CAlarm::COL_SETPOINT}});
        }
    }

    void CheckLeds(const std::vector<ActiveAlarm>& alarms)
    {
        std::map<int, std::vector<const ActiveAlarm*>> byLed;
        for (const ActiveAlarm& alarm : alarms) {
            const std::string led = Text(ST_ALARM, alarm.row, CAlarm::COL_LED);
            if (led != "OFF")
                byLed[q4::AtoI(led)].push_back(&alarm);
        }
        for (const auto& [led, lit] : byLed) {
            std::vector<std::string> inputs;
            std::vector<FindingCell> others;
            for (const ActiveAlarm* alarm : lit) {
                if (std::find(inputs.begin(), inputs.end(), alarm->inpRef) == inputs.end())
                    inputs.push_back(alarm->inpRef);
                if (alarm != lit.front())
                    others.push_back({ST_ALARM, alarm->row, CAlarm::COL_LED});
            }
            if (inputs.size() < 2)
                continue;
            std::string names;
            for (const std::string& input : inputs)
                names += (names.empty() ? "" : ", ") + input;
            Add("shared-led", {ST_ALARM, lit.front()->row, CAlarm::COL_LED},
                {Value(Text(ST_ALARM, lit.front()->row, CAlarm::COL_LED)), Value(names)}, others);
        }
    }

    // ---- inputs ----

    void CheckPhysical()
    {
        if (!m_physical)
            return;
        WatchThroughLogicalInputs();
        for (int row = 1; row <= CPhysicalInput::CHANNELS; ++row) {
            if (!m_physical->IsChannelActive(row))
                continue;
            const std::string name = GetPhChnName(row);
            CheckScale(row, PH_INPLO, PH_INPUP);
            CheckScale(row, PH_LCDLO, PH_LCDUP);
            const std::string lo = Text(ST_PHYSICAL, row, PH_LCDLO);
            const std::string hi = Text(ST_PHYSICAL, row, PH_LCDUP);
            if (ValueOf(lo) > ValueOf(hi))
                Add("reversed-scale", {ST_PHYSICAL, row, PH_LCDUP}, {Value(name), Value(lo), Value(hi)},
                    {{ST_PHYSICAL, row, PH_LCDLO}});
            if (!m_watched.count(name))
                Add("unwatched-input", {ST_PHYSICAL, row, PH_INPTP}, {Value(name)});
        }
    }

    void CheckScale(int row, int loCol, int hiCol)
    {
        const std::string lo = Text(ST_PHYSICAL, row, loCol);
        if (ValueOf(lo) != ValueOf(Text(ST_PHYSICAL, row, hiCol)))
            return;
        Add("flat-scale", {ST_PHYSICAL, row, hiCol},
            {Value(GetPhChnName(row)), {Kind::Heading, Text(ST_PHYSICAL, 0, loCol)},
             {Kind::Heading, Text(ST_PHYSICAL, 0, hiCol)}, Value(lo)},
            {{ST_PHYSICAL, row, loCol}});
    }

    // An input that feeds a watched logical input is watched through it. A logical input feeds
    // only those after it, so one pass from the last to the first carries it all the way.
    void WatchThroughLogicalInputs()
    {
        if (!m_logical)
            return;
        for (int n = CLogicalInput::LOG_INPUTS; n >= 1; --n) {
            if (!m_watched.count(GetLogChnName(n)))
                continue;
            for (int k = 1; k <= CLogicalInput::SEL_CELLS; ++k) {
                const std::string input = Text(ST_LOGICAL, n, k);
                if (input != "OFF")
                    m_watched.insert(input);
            }
        }
    }

    void CheckLogical()
    {
        if (!m_logical)
            return;
        for (int n = 1; n <= CLogicalInput::LOG_INPUTS; ++n) {
            if (!m_logical->IsOtherParmActive(n, -1) || m_watched.count(GetLogChnName(n)))
                continue;
            int first = 1;
            while (first < CLogicalInput::SEL_CELLS && Text(ST_LOGICAL, n, first) == "OFF")
                ++first;
            Add("unwatched-input", {ST_LOGICAL, n, first}, {Value(Simplified(Text(ST_LOGICAL, n, 0)))});
        }
    }

    const CQ4kUnit& m_unit;
    CNordaSetupType* m_general;
    CPhysicalInput* m_physical;
    CLogicalInput* m_logical;
    CAlarm* m_alarm;
    std::set<std::string> m_ignored;
    std::set<std::string> m_watched;  // inputs an alarm watches, by the names its cells use
    std::vector<Finding> m_findings;
};

}  // namespace

std::vector<Finding> CSetupChecker::Check(const CQ4kUnit& unit, const std::vector<std::string>& ignored)
{
    return Checker(unit, ignored).Run();
}

std::vector<Finding> CSetupChecker::ErrorsAndWarnings(const CQ4kUnit& unit, const std::vector<std::string>& ignored)
{
    std::vector<Finding> findings = Check(unit, ignored);
    std::erase_if(findings, [](const Finding& f) { return f.severity == Severity::Note; });
    return findings;
}
