// The set-up checks against small set-ups typed through the sheets' rules: each gives exactly the
// findings it must (rule and cell) and no other, every rule at its boundary (one step inside
// gives none), a set-up in which every rule fires once, the sentences, the order and the ignores.
#include "CheckSetup.h"

#include <set>

namespace {

constexpr int G = ST_GENERAL;
constexpr int P = ST_PHYSICAL;
constexpr int L = ST_LOGICAL;
constexpr int A = ST_ALARM;

// A clean set-up: IN 11 (0 to 10 V shown as 0 to 100 bar) watched by alarm 1 for a value above 50.
std::vector<Step> Base(std::initializer_list<std::vector<Step>> more = {})
{
    std::vector<Step> steps = Steps({Input(1), Alarm(1, "IN 11", ">", "50")});
    for (const auto& part : more)
        steps.insert(steps.end(), part.begin(), part.end());
    return steps;
}

// IN 11 and IN 12 alike, LOG1 on IN 11 and LOG2 on IN 12, for the "\xB1" alarms.
std::vector<Step> TwoLogical(std::initializer_list<std::vector<Step>> more = {})
{
    std::vector<Step> steps = Steps({Input(1), Input(2), {{L, 1, 1, "IN 11"}, {L, 2, 1, "IN 12"}}});
    for (const auto& part : more)
        steps.insert(steps.end(), part.begin(), part.end());
    return steps;
}

struct Case {
    const char* name;
    std::vector<Step> steps;
    std::vector<Found> findings;
};

const std::vector<Case>& Cases()
{
    static const std::vector<Case> cases = {
        {"the default set-up", {}, {}},
        {"an input watched by a named alarm with an LED", Base(), {}},

        // never-trips and always-trips, each at the end of the range and one step inside it
        {"> at LCDUp never trips", Base({{{A, 1, 4, "100"}}}), {{"never-trips", A, 1, 4}}},
        {"> one step below LCDUp", Base({{{A, 1, 4, "99.9"}}}), {}},
        {"< at LCDLo never trips", Base({{{A, 1, 3, "<"}, {A, 1, 4, "0"}}}), {{"never-trips", A, 1, 4}}},
        {"< one step above LCDLo", Base({{{A, 1, 3, "<"}, {A, 1, 4, "0.1"}}}), {}},
        {"< at LCDUp always trips", Base({{{A, 1, 3, "<"}, {A, 1, 4, "100"}}}), {{"always-trips", A, 1, 4}}},
        {"< one step below LCDUp", Base({{{A, 1, 3, "<"}, {A, 1, 4, "99.9"}}}), {}},
        {"> at LCDLo always trips", Base({{{A, 1, 4, "0"}}}), {{"always-trips", A, 1, 4}}},
        {"> one step above LCDLo", Base({{{A, 1, 4, "0.1"}}}), {}},
        {"a negative display range", Steps({Input(1, "-20", "-5"), Alarm(1, "IN 11", ">", "-5")}),
         {{"never-trips", A, 1, 4}}},
        {"a logical input's range", Steps({Input(1), {{L, 1, 1, "IN 11"}}, Alarm(1, "LOG1", "<", "0")}),
         {{"never-trips", A, 1, 4}}},

        // a set point the range left behind when it was narrowed after the set point was typed
        {"LCDUp narrowed below the set point",
         Base({{{A, 1, 4, "90"}, {P, 1, 6, "80"}}}),
         {{"setpoint-outside-range", A, 1, 4}, {"never-trips", A, 1, 4}}},
        {"LCDUp narrowed to the set point", Base({{{A, 1, 4, "90"}, {P, 1, 6, "90"}}}), {{"never-trips", A, 1, 4}}},
        {"LCDUp narrowed to one step above it", Base({{{A, 1, 4, "90"}, {P, 1, 6, "90.1"}}}), {}},
        {"LCDLo raised above a < set point",
         Base({{{A, 1, 3, "<"}, {A, 1, 4, "10"}, {P, 1, 4, "20"}}}),
         {{"setpoint-outside-range", A, 1, 4}, {"never-trips", A, 1, 4}}},
        {"LCDLo raised above a > set point",
         Base({{{A, 1, 4, "10"}, {P, 1, 4, "20"}}}),
         {{"setpoint-outside-range", A, 1, 4}, {"always-trips", A, 1, 4}}},

        // what the unit cannot hold
        {"a delay the unit rounds", Base({{{A, 1, 6, "2.555"}}}), {{"unholdable", A, 1, 6}}},
        {"a delay the unit holds", Base({{{A, 1, 6, "2.5"}}}), {}},
        {"a hysteresis between the unit's steps", Base({{{G, 14, 1, "2.52"}}}), {{"unholdable", G, 14, 1}}},
        {"a hysteresis on a step", Base({{{G, 14, 1, "2.55"}}}), {}},

        // "\xB1" alarms
        {"a logical input against itself", Steps({Input(1), {{L, 1, 1, "IN 11"}}, Deviation(1, "LOG1", "LOG1", "5")}),
         {{"self-reference", A, 1, 2}}},
        {"a deviation as wide as the span", TwoLogical({Deviation(1, "LOG1", "LOG2", "100")}),
         {{"deviation-beyond-span", A, 1, 4}}},
        {"a deviation one step inside the span", TwoLogical({Deviation(1, "LOG1", "LOG2", "99.9")}), {}},
        {"a physical input against a logical one",
         Steps({Input(1), Input(2), {{L, 1, 1, "IN 12"}}, Deviation(1, "IN 11", "LOG1", "100")}),
         {{"deviation-beyond-span", A, 1, 4}}},
        {"a deviation of 0", TwoLogical({Deviation(1, "LOG1", "LOG2", "0")}), {{"zero-deviation", A, 1, 4}}},
        {"a deviation one step above 0", TwoLogical({Deviation(1, "LOG1", "LOG2", "0.1")}), {}},
        {"a negative deviation",
         Steps({Input(1, "-50", "50"), Input(2, "-50", "50"), {{L, 1, 1, "IN 11"}, {L, 2, 1, "IN 12"}},
                Deviation(1, "LOG1", "LOG2", "-0.1")}),
         {{"negative-deviation", A, 1, 4}}},
        {"a deviation on a range below 0",
         Steps({Input(1, "-50", "50"), Input(2, "-50", "50"), {{L, 1, 1, "IN 11"}, {L, 2, 1, "IN 12"}},
                Deviation(1, "LOG1", "LOG2", "50")}),
         {}},

        // alarms nobody sees or knows
        {"no LED and no output", Base({{{A, 1, 7, "OFF"}}}), {{"unseen-alarm", A, 1, 7}}},
        {"an output and no LED", Base({{{A, 1, 7, "OFF"}, {A, 1, 8, "3"}}}), {}},
        {"no LCD Text", Base({{{A, 1, 5, ""}}}), {{"unnamed-alarm", A, 1, 5}}},
        {"an LCD Text of blanks", Base({{{A, 1, 5, "   "}}}), {{"unnamed-alarm", A, 1, 5}}},
        {"an LCD Text of one character", Base({{{A, 1, 5, "X"}}}), {}},

        // duplicates
        {"two alarms alike", Base({Alarm(2, "IN 11", ">", "50", "AGAIN")}), {{"duplicate-alarm", A, 2, 4}}},
        {"the same set point written another way", Base({Alarm(2, "IN 11", ">", "50.0", "AGAIN")}),
         {{"duplicate-alarm", A, 2, 4}}},
        {"three alarms alike",
         Base({Alarm(2, "IN 11", ">", "50", "AGAIN"), Alarm(3, "IN 11", ">", "50", "THIRD")}),
         {{"duplicate-alarm", A, 2, 4}, {"duplicate-alarm", A, 3, 4}}},
        {"a set point one step apart", Base({Alarm(2, "IN 11", ">", "50.1", "AGAIN")}), {}},
        {"the other sign", Base({Alarm(2, "IN 11", "<", "50", "LOW")}), {}},

        // scales
        {"an input only switched on",
         {{P, 1, 1, "10 V"}},
         {{"unwatched-input", P, 1, 1}, {"flat-scale", P, 1, 5}, {"flat-scale", P, 1, 6}}},
        {"a flat display range", Steps({Input(1, "50", "50"), Alarm(1, "IN 11", ">", "50")}), {{"flat-scale", P, 1, 6}}},
        {"a flat signal range", Steps({Input(1, "0", "100", "5", "5"), Alarm(1, "IN 11", ">", "50")}),
         {{"flat-scale", P, 1, 5}}},
        {"a signal range one step wide", Steps({Input(1, "0", "100", "5", "5.01"), Alarm(1, "IN 11", ">", "50")}), {}},
        {"a reversed display range", Base({{{P, 1, 4, "200"}}}), {{"reversed-scale", P, 1, 6}}},
        {"a display range one step wide", Base({{{P, 1, 4, "99.9"}}}),
         {{"setpoint-outside-range", A, 1, 4}, {"always-trips", A, 1, 4}}},

        // flags and General
        {"Block flag while Block is OFF", Base({{{A, 1, FLAGS, "B"}}}), {{"block-ignored", A, 1, 9}}},
        {"Block flag with Block on", Base({{{G, 11, 1, "+REF"}, {A, 1, FLAGS, "B"}}}), {}},
        {"Block turned OFF after the flag",
         Base({{{G, 11, 1, "+REF"}, {A, 1, FLAGS, "BC"}, {G, 11, 1, "OFF"}}}),
         {{"block-ignored", A, 1, 9}}},
        {"the other flags while Block is OFF", Base({{{A, 1, FLAGS, "CH"}}}), {}},
        {"Initialization CONFIG", Base({{{G, 1, 1, "CONFIG"}}}), {{"initialization", G, 1, 1}}},
        {"Initialization CONF + GEN", Base({{{G, 1, 1, "CONF + GEN"}}}), {{"initialization", G, 1, 1}}},
        {"Function Test ON", Base({{{G, 2, 1, "ON"}}}), {{"function-test", G, 2, 1}}},

        // watched inputs
        {"an input nobody watches", Base({Input(2)}), {{"unwatched-input", P, 2, 1}}},
        {"an input watched as DynRef only", Steps({Input(1), Input(2), {{L, 1, 1, "IN 12"}}, Deviation(1, "IN 11", "LOG1", "5")}),
         {}},
        {"a logical input nobody watches",
         Base({Input(2), {{L, 1, 1, "IN 12"}}}),
         {{"unwatched-input", P, 2, 1}, {"unwatched-input", L, 1, 1}}},
        {"a logical input's first input in I3",
         Base({Input(2), {{L, 1, 3, "IN 12"}}}),
         {{"unwatched-input", P, 2, 1}, {"unwatched-input", L, 1, 3}}},
        {"inputs watched through a chain of logical inputs",
         Steps({Input(1), Input(2), {{L, 1, 1, "IN 11"}, {L, 1, 2, "IN 12"}, {L, 2, 1, "LOG1"}}, Alarm(1, "LOG2", ">", "50")}),
         {}},

        // LEDs
        {"one LED for two inputs",
         Base({Input(2), Alarm(2, "IN 12", ">", "50", "OTHER", "1")}),
         {{"shared-led", A, 1, 7}}},
        {"one LED for two alarms of one input", Base({Alarm(2, "IN 11", ">", "80", "HIGH HIGH", "1")}), {}},

        // delays
        {"a delay above an hour", Base({{{A, 1, 6, "3660"}}}), {{"long-delay", A, 1, 6}}},
        {"a delay of an hour", Base({{{A, 1, 6, "3600"}}}), {}},
    };
    return cases;
}

class CheckerCase : public CheckSetup, public ::testing::WithParamInterface<Case> {};

TEST_P(CheckerCase, GivesExactlyItsFindings)
{
    ASSERT_NO_FATAL_FAILURE(Type(GetParam().steps));
    std::vector<Found> expected = GetParam().findings;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Check(), expected);
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info)
{
    std::string name = std::to_string(info.index) + "_";
    for (const char* c = info.param.name; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Rules, CheckerCase, ::testing::ValuesIn(Cases()), CaseName);

// ---- one set-up, every rule once ------------------------------------------------------------

class EveryRule : public CheckSetup {
protected:
    void SetUp() override
    {
        CheckSetup::SetUp();
        ASSERT_NO_FATAL_FAILURE(Type(Steps({
            Input(1), Input(2), Input(3, "-50", "50"),
            Input(4, "0", "0"),                 // IN 21: a flat display range nobody watches
            Input(5, "100", "0"),               // IN 22: a reversed display range
            Input(6),                           // IN 23
            {{L, 1, 1, "IN 11"}, {L, 2, 1, "IN 12"}, {L, 3, 1, "IN 13"}},
            Alarm(1, "IN 23", ">", "90", "HIGH", "1"),
            {{P, 6, 6, "80"}},                  // IN 23 narrowed below alarm 1's set point
            Alarm(2, "IN 11", "<", "100", "LOW", "2"),
            Deviation(3, "LOG1", "LOG1", "50", "SELF", "3"),
            Deviation(4, "LOG1", "LOG2", "100", "SPAN", "4"),
            Deviation(5, "IN 13", "LOG3", "-10", "NEGATIVE", "5"),
            Deviation(6, "IN 11", "LOG2", "0", "ZERO", "6"),
            Alarm(7, "IN 11", ">", "50", "UNSEEN", "OFF"),
            Alarm(8, "IN 11", ">", "60", "", "8"),
            Alarm(9, "IN 11", ">", "70", "FIRST", "9"),
            Alarm(10, "IN 11", ">", "70", "SECOND", "10"),
            Alarm(11, "IN 11", ">", "40", "BLOCKED", "11"),
            {{A, 11, FLAGS, "B"}},
            Alarm(12, "IN 11", ">", "30", "SLOW", "12"),
            {{A, 12, 6, "3660"}},
            Alarm(13, "IN 12", ">", "50", "SHARED", "2"),
            {{A, 14, 1, "IN 22"}, {A, 14, 5, "REVERSED"}, {A, 14, 7, "14"}},
            Alarm(15, "IN 11", ">", "20", "ROUNDED", "15"),
            {{A, 15, 6, "2.555"}},
            {{G, 1, 1, "CONFIG"}, {G, 2, 1, "ON"}},
        })));
    }
};

TEST_F(EveryRule, FiresEachRuleOnceAtItsCell)
{
    const std::vector<Found> expected = {
        {"always-trips", A, 2, 4},          {"block-ignored", A, 11, 9},   {"deviation-beyond-span", A, 4, 4},
        {"duplicate-alarm", A, 10, 4},      {"flat-scale", P, 4, 6},       {"function-test", G, 2, 1},
        {"initialization", G, 1, 1},        {"long-delay", A, 12, 6},      {"negative-deviation", A, 5, 4},
        {"never-trips", A, 1, 4},           {"reversed-scale", P, 5, 6},   {"self-reference", A, 3, 2},
        {"setpoint-outside-range", A, 1, 4}, {"shared-led", A, 2, 7},       {"unholdable", A, 15, 6},
        {"unnamed-alarm", A, 8, 5},         {"unseen-alarm", A, 7, 7},     {"unwatched-input", P, 4, 1},
        {"zero-deviation", A, 6, 4},
    };
    EXPECT_EQ(Check(), expected);
    std::set<std::string> fired;
    for (const Found& f : expected)
        fired.insert(std::get<0>(f));
    EXPECT_EQ(fired.size(), GetCheckRules().size());
}

TEST_F(EveryRule, IgnoringARuleDropsItsFindingsAlone)
{
    const std::vector<Found> all = Check();
    for (const CheckRule& rule : GetCheckRules()) {
        SCOPED_TRACE(rule.id);
        std::vector<Found> rest;
        std::copy_if(all.begin(), all.end(), std::back_inserter(rest), [&rule](const Found& f) { return std::get<0>(f) != rule.id; });
        EXPECT_EQ(rest.size() + 1, all.size());
        EXPECT_EQ(Check({rule.id}), rest);
    }
    EXPECT_EQ(Check({"shared-led", "long-delay", "function-test", "unwatched-input"}).size(), all.size() - 4);
}

TEST_F(EveryRule, AnUploadHearsOfTheErrorsAndWarnings)
{
    const std::set<std::string> notes = {"unwatched-input", "shared-led", "long-delay", "function-test"};
    std::vector<Found> expected;
    for (const Found& f : Check())
        if (!notes.count(std::get<0>(f)) && std::get<0>(f) != "zero-deviation")
            expected.push_back(f);
    EXPECT_EQ(Names(CSetupChecker::ErrorsAndWarnings(unit, {"zero-deviation"})), expected);
    EXPECT_EQ(expected.size(), 14u);
}

// Grid order: General, physical inputs, logical inputs, alarms, by row and column; on one cell,
// the table's order (the errors first).
TEST_F(EveryRule, FindingsComeInTheOrderOfTheGrids)
{
    std::vector<std::string> order;
    for (const Finding& f : CSetupChecker::Check(unit))
        order.push_back(f.rule + " " + std::to_string(f.cell.sheet) + "/" + std::to_string(f.cell.row) + "/" +
                        std::to_string(f.cell.col));
    const std::vector<std::string> expected = {
        "initialization 0/1/1",       "function-test 0/2/1",       "unwatched-input 1/4/1",     "flat-scale 1/4/6",
        "reversed-scale 1/5/6",       "never-trips 3/1/4",         "setpoint-outside-range 3/1/4",
        "always-trips 3/2/4",         "shared-led 3/2/7",          "self-reference 3/3/2",      "deviation-beyond-span 3/4/4",
        "negative-deviation 3/5/4",   "zero-deviation 3/6/4",      "unseen-alarm 3/7/7",        "unnamed-alarm 3/8/5",
        "duplicate-alarm 3/10/4",     "block-ignored 3/11/9",      "long-delay 3/12/6",         "unholdable 3/15/6",
    };
    EXPECT_EQ(order, expected);
}

// What each finding says, with the channel and the cells it names beside its own.
TEST_F(EveryRule, SentencesNameTheChannelAndWhatIsWrong)
{
    struct Said {
        const char* rule;
        const char* channel;
        const char* text;
        std::vector<FindingCell> others;
    };
    const Said said[] = {
        {"never-trips", "Alarm 1 (A11)",
         "Alarm 1 (A11) watches IN 23 for a value > 90, at or beyond the end of its display range (0 to 80): it cannot "
         "trip while IN 23 reads within its range.", {}},
        {"setpoint-outside-range", "Alarm 1 (A11)", "Alarm 1 (A11) has the set point 90, outside the display range of IN 23 (0 to 80).", {}},
        {"always-trips", "Alarm 2 (A12)",
         "Alarm 2 (A12) watches IN 11 for a value < 100, at or beyond the far end of its display range (0 to 100): it is "
         "in alarm whenever IN 11 reads within its range.", {}},
        {"self-reference", "Alarm 3 (A13)",
         "Alarm 3 (A13) compares LOG1 with itself (InpRef and DynRef): the deviation is always 0, so it cannot trip.", {}},
        {"deviation-beyond-span", "Alarm 4 (A14)",
         "Alarm 4 (A14) watches LOG1 for a deviation from LOG2 beyond 100, but both read within 0 to 100, at most 100 "
         "apart: it cannot trip.", {}},
        {"negative-deviation", "Alarm 5 (A15)",
         "Alarm 5 (A15) watches IN 13 for a deviation from LOG3 beyond -10, a set point below 0: it is in alarm "
         "whatever the inputs read.", {}},
        {"zero-deviation", "Alarm 6 (A16)", "Alarm 6 (A16) watches IN 11 for any deviation from LOG2: its set point is 0.", {}},
        {"unseen-alarm", "Alarm 7 (A21)", "Alarm 7 (A21) has LED and Output both OFF: nothing lights or switches when it trips.",
         {{A, 7, 8}}},
        {"unnamed-alarm", "Alarm 8 (A22)", "Alarm 8 (A22) has no LCD Text: the unit's display cannot say which alarm it is.", {}},
        {"duplicate-alarm", "Alarm 10 (A24)",
         "Alarm 10 (A24) repeats Alarm 9 (A23): both watch IN 11 with DynRef OFF, sign > and set point 70.", {{A, 9, 4}}},
        {"block-ignored", "Alarm 11 (A25)",
         "Alarm 11 (A25) has its Block flag set while the General Block setting is OFF: the flag has no effect.", {}},
        {"long-delay", "Alarm 12 (A26)", "Alarm 12 (A26) waits 3660 s before it trips, more than an hour.", {}},
        {"shared-led", "Alarm 2 (A12)",
         "LED 2 is lit by alarms of different inputs (IN 11, IN 12): it does not tell which of them is in alarm.",
         {{A, 13, 7}}},
        {"unholdable", "Alarm 15 (A33)", "Alarm 15 (A33), Delay (s): the unit cannot hold \"2.555\" as it reads and would hold \"2.6\".", {}},
        {"flat-scale", "IN 21", "IN 21 has LCDLo and LCDUp both at 0: its scale has no span.", {{P, 4, 4}}},
        {"reversed-scale", "IN 22", "IN 22 has LCDLo 100 above LCDUp 0: its alarms' set points cannot be kept within its display range.",
         {{P, 5, 4}}},
        {"unwatched-input", "IN 21", "No alarm watches IN 21.", {}},
        {"initialization", "Initialization", "Initialization is CONFIG: the unit returns to its defaults when it is next switched on.", {}},
        {"function-test", "Function Test", "Function Test is ON: the unit is set up for its function test.", {}},
    };
    const std::vector<Finding> findings = CSetupChecker::Check(unit);
    for (const Said& s : said) {
        SCOPED_TRACE(s.rule);
        auto at = std::find_if(findings.begin(), findings.end(), [&s](const Finding& f) { return f.rule == s.rule; });
        ASSERT_NE(at, findings.end());
        EXPECT_EQ(at->text, s.text);
        EXPECT_EQ(PartText(at->channel), s.channel);
        EXPECT_EQ(at->others, s.others);
    }
}

// ---- the lists of rules a person types, and the counts ---------------------------------------

TEST(RuleList, TakesKnownNamesAndRefusesOthers)
{
    struct Case {
        const char* text;
        bool ok;
        std::vector<std::string> rules;
    };
    const Case cases[] = {
        {"", true, {}},
        {"  ", true, {}},
        {"shared-led", true, {"shared-led"}},
        {"shared-led, long-delay ,shared-led", true, {"shared-led", "long-delay"}},
        {"shared-led,", false, {}},
        {"Shared-Led", false, {}},
        {"shared-led,no-such-rule", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<std::string> rules = {"left over"};
        std::string error;
        EXPECT_EQ(ParseRuleList(c.text, rules, error), c.ok);
        EXPECT_EQ(rules, c.rules);
        EXPECT_EQ(error.empty(), c.ok);
        if (c.ok) {
            EXPECT_EQ(JoinRuleList(rules), JoinRuleList(c.rules));
        }
    }
    std::vector<std::string> rules;
    std::string error;
    ASSERT_FALSE(ParseRuleList("led", rules, error));
    EXPECT_EQ(error.find("no rule is called \"led\" (the rules: never-trips, always-trips,"), 0u) << error;
}

TEST(FindingCount, SaysWhatThereIs)
{
    struct Case {
        FindingCounts counts;
        const char* text;
    };
    const Case cases[] = {
        {{0, 0, 0}, "no findings"},
        {{1, 0, 0}, "1 error"},
        {{2, 1, 0}, "2 errors, 1 warning"},
        {{0, 3, 1}, "3 warnings, 1 note"},
        {{0, 0, 2}, "2 notes"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CountText(c.counts), c.text);
}

}  // namespace
