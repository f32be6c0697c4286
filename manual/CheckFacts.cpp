// The rules' facts for the manual: each rule's example typed into a default set-up and checked.
#include "manual/CheckFacts.h"

#include "check/CSetupChecker.h"
#include "model/IMessagePrompt.h"
#include "setup/alarms/CAlarm.h"
#include "unit/CQ4kUnit.h"

#include <map>

namespace {

// Every question answered OK, as by an engineer who goes ahead (Initialization).
class OkPrompt : public IMessagePrompt {
public:
    int Show(const std::string&, Buttons, bool) override { return IDOK; }
};

// One step of an example: a text typed into a cell, or with col FLAGS the Flags dialog closed
// with OK, the flags whose initials text holds turned on.
struct Step {
    int sheet;
    int row;
    int col;
    std::string text;
};
constexpr int FLAGS = -1;
constexpr int G = ST_GENERAL;
constexpr int P = ST_PHYSICAL;
constexpr int L = ST_LOGICAL;
constexpr int A = ST_ALARM;

// IN 11 (and IN 12) as 0 to 10 V shown as 0 to 100 bar, or as lo to hi.
std::vector<Step> Input(int row, const char* lo = "0", const char* hi = "100")
{
    return {{P, row, 1, "10 V"}, {P, row, 2, "bar"}, {P, row, 4, lo}, {P, row, 5, "10"}, {P, row, 6, hi}};
}

std::vector<Step> Join(std::initializer_list<std::vector<Step>> parts)
{
    std::vector<Step> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const std::map<std::string, std::vector<Step>>& Examples()
{
    static const std::vector<Step> twoLogical = Join({Input(1), Input(2), {{L, 1, 1, "IN 11"}, {L, 2, 1, "IN 12"}}});
    static const std::map<std::string, std::vector<Step>> examples = {
        {"never-trips", Join({Input(1), {{A, 1, 1, "IN 11"}, {A, 1, 3, ">"}, {A, 1, 4, "100"}}})},
        {"always-trips", Join({Input(1), {{A, 1, 1, "IN 11"}, {A, 1, 3, "<"}, {A, 1, 4, "100"}}})},
        {"setpoint-outside-range", Join({Input(1), {{A, 1, 1, "IN 11"}, {A, 1, 3, ">"}, {A, 1, 4, "90"}, {P, 1, 6, "80"}}})},
        {"unholdable", Join({Input(1), {{A, 1, 1, "IN 11"}, {A, 1, 6, "2.555"}}})},
        {"self-reference", Join({Input(1), {{L, 1, 1, "IN 11"}, {A, 1, 1, "LOG1"}, {A, 1, 2, "LOG1"}, {A, 1, 4, "5"}}})},
        {"deviation-beyond-span", Join({twoLogical, {{A, 1, 1, "LOG1"}, {A, 1, 2, "LOG2"}, {A, 1, 4, "100"}}})},
        {"negative-deviation",
         Join({Input(1, "-50", "50"), Input(2, "-50", "50"), {{L, 1, 1, "IN 11"}, {L, 2, 1, "IN 12"}},
               {{A, 1, 1, "LOG1"}, {A, 1, 2, "LOG2"}, {A, 1, 4, "-10"}}})},
        {"unseen-alarm", Join({Input(1), {{A, 1, 1, "IN 11"}, {A, 1, 3, ">"}, {A, 1, 4, "80"}, {A, 1, 5, "HIGH"}}})},
        {"unnamed-alarm", Join({Input(1), {{A, 1, 1, "IN 11"}, {A, 1, 3, ">"}, {A, 1, 4, "80"}, {A, 1, 7, "1"}}})},
        {"duplicate-alarm",
         Join({Input(1), {{A, 1, 1, "IN 11"}, {A, 1, 3, ">"}, {A, 1, 4, "80"}, {A, 2, 1, "IN 11"}, {A, 2, 3, ">"},
                          {A, 2, 4, "80"}}})},
        {"zero-deviation", Join({twoLogical, {{A, 1, 1, "LOG1"}, {A, 1, 2, "LOG2"}, {A, 1, 4, "0"}}})},
        {"flat-scale", {{P, 1, 1, "10 V"}}},
        {"reversed-scale", Join({Input(1, "100", "0")})},
        {"block-ignored", Join({Input(1), {{A, 1, 1, "IN 11"}, {A, 1, FLAGS, "B"}}})},
        {"initialization", {{G, 1, 1, "CONFIG"}}},
        {"unwatched-input", Input(1)},
        {"shared-led",
         Join({Input(1), Input(2), {{A, 1, 1, "IN 11"}, {A, 1, 7, "1"}, {A, 2, 1, "IN 12"}, {A, 2, 7, "1"}}})},
        {"long-delay", Join({Input(1), {{A, 1, 1, "IN 11"}, {A, 1, 6, "7200"}}})},
        {"function-test", {{G, 2, 1, "ON"}}},
    };
    return examples;
}

std::string Simplified(const std::string& text)
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

// Alarm, 1 (A11), SetPoint; General's rows are its settings: General, Initialization.
CheckPlace Place(const CQ4kUnit& unit, int sheet, int row, int col)
{
    const CNordaSetupType& type = *unit.GetSetupType(sheet);
    CheckPlace place{type.m_strTitle, Simplified(type.GetCellText(row, 0)), std::string()};
    if (sheet != ST_GENERAL)
        place.column = Simplified(type.GetCellText(0, col == FLAGS ? CAlarm::COL_FLAGS : col));
    return place;
}

std::vector<std::string> Split(const std::string& parts)
{
    std::vector<std::string> list;
    size_t pos = 0;
    while (!parts.empty()) {
        size_t semicolon = parts.find(';', pos);
        list.push_back(parts.substr(pos, semicolon == std::string::npos ? std::string::npos : semicolon - pos));
        if (semicolon == std::string::npos)
            break;
        pos = semicolon + 1;
    }
    return list;
}

void Type(CQ4kUnit& unit, const Step& step)
{
    INordaSetupType& type = *unit.GetSetupType(step.sheet);
    if (step.col != FLAGS) {
        type.EnterText(step.row, step.col, step.text);
        return;
    }
    PropList props;
    if (!type.GetPopupProperties(step.row, CAlarm::COL_FLAGS, props))
        return;
    for (auto& p : props)
        p->SetSelText(step.text.find(p->GetName()[0]) != std::string::npos ? "ON" : "OFF");
    type.UpdateProperties(step.row, CAlarm::COL_FLAGS, props);
}

}  // namespace

std::vector<CheckFacts> CollectCheckFacts()
{
    std::vector<CheckFacts> facts;
    for (const CheckRule& rule : GetCheckRules()) {
        CheckFacts f{rule.id, SeverityName(rule.severity), rule.pattern, Split(rule.parts), rule.reason, {}, {}, {}, {}};
        OkPrompt prompt;
        CQ4kUnit unit(prompt);
        unit.Initialize();
        auto example = Examples().find(rule.id);
        if (example != Examples().end()) {
            for (const Step& step : example->second) {
                Type(unit, step);
                f.example.emplace_back(Place(unit, step.sheet, step.row, step.col), step.text);
            }
        }
        for (const Finding& finding : CSetupChecker::Check(unit)) {
            if (finding.rule == rule.id) {
                f.place = Place(unit, finding.cell.sheet, finding.cell.row, finding.cell.col);
                f.findingParts = finding.parts;
                f.finding = finding.text;
                break;
            }
        }
        facts.push_back(std::move(f));
    }
    return facts;
}
