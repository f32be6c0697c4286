// The rules' table of the set-up checks, and the lists of rule names a person types.
#include "check/CheckRules.h"

#include "check/Finding.h"
#include "model/StringTable.h"

#include <algorithm>
#include <array>

namespace {

// The words a finding's parts are written with, beyond the rules' own sentences.
constexpr char ALARM_PART[] = "Alarm %1";

const std::array<CheckRule, 19> g_Rules = {{
    // ---- errors: the set-up does not do what it says ----
    {"never-trips", Severity::Error,
     "%1 watches %2 for a value %3 %4, at or beyond the end of its display range (%5 to %6): it cannot trip while %2 "
     "reads within its range.",
     "alarm;input;sign;set point;LCDLo;LCDUp",
     "An alarm with the sign \"<\" trips when its input reads below the set point, one with \">\" when it reads above "
     "it. A set point at or below LCDLo (for \"<\") or at or above LCDUp (for \">\") is one that no reading within the "
     "input's display range passes, so the alarm never comes."},
    {"always-trips", Severity::Error,
     "%1 watches %2 for a value %3 %4, at or beyond the far end of its display range (%5 to %6): it is in alarm "
     "whenever %2 reads within its range.",
     "alarm;input;sign;set point;LCDLo;LCDUp",
     "A \"<\" alarm whose set point is at or above LCDUp, or a \">\" alarm whose set point is at or below LCDLo, is "
     "passed by every reading within the input's display range: the alarm stands from the start and tells nothing."},
    {"setpoint-outside-range", Severity::Error, "%1 has the set point %2, outside the display range of %3 (%4 to %5).",
     "alarm;set point;input;LCDLo;LCDUp",
     "The alarm sheet keeps a typed set point within the display range (LCDLo to LCDUp) of the alarm's input. A set "
     "point outside it came from a file or a download, or stayed when the input's range was narrowed after it was "
     "typed; typed again, it would be moved to the end of the range."},
    {"unholdable", Severity::Error, "%1, %2: the unit cannot hold \"%3\" as it reads and would hold \"%4\".",
     "channel;setting;text;held",
     "The unit keeps every setting in a format of its own. A text that is no number, has more decimals than the unit "
     "keeps, or lies beyond what it can store is held as another value. The upload names the same cells before it "
     "writes."},
    {"self-reference", Severity::Error,
     "%1 compares %2 with itself (InpRef and DynRef): the deviation is always 0, so it cannot trip.", "alarm;input",
     "A \"\xB1\" alarm trips when its input (InpRef) deviates from its dynamic reference (DynRef) by more than its set "
     "point. With the same logical input on both sides there is never a deviation."},
    {"deviation-beyond-span", Severity::Error,
     "%1 watches %2 for a deviation from %3 beyond %4, but both read within %5 to %6, at most %7 apart: it cannot "
     "trip.",
     "alarm;input;dynamic reference;set point;LCDLo;LCDUp;span",
     "InpRef and DynRef of a \"\xB1\" alarm have the same display range. Two readings within it are never further "
     "apart than its span (LCDUp less LCDLo), so a set point at or above the span is never passed."},
    {"negative-deviation", Severity::Error,
     "%1 watches %2 for a deviation from %3 beyond %4, a set point below 0: it is in alarm whatever the inputs read.",
     "alarm;input;dynamic reference;set point",
     "A deviation is never below 0, so every deviation, none included, passes the negative set point of a \"\xB1"
     "\" alarm: the alarm stands from the start."},
    // ---- warnings: the set-up works, but most likely not as meant ----
    {"unseen-alarm", Severity::Warning, "%1 has LED and Output both OFF: nothing lights or switches when it trips.",
     "alarm",
     "An alarm that lights no LED and switches no output is seen, if at all, only on the unit's display. Give it an "
     "LED or an output, or turn it off."},
    {"unnamed-alarm", Severity::Warning, "%1 has no LCD Text: the unit's display cannot say which alarm it is.",
     "alarm",
     "The LCD Text is what the unit's display shows of an alarm that trips. Without it nobody at the unit can tell "
     "which alarm came."},
    {"duplicate-alarm", Severity::Warning, "%1 repeats %2: both watch %3 with DynRef %4, sign %5 and set point %6.",
     "alarm;alarm it repeats;input;dynamic reference;sign;set point",
     "Two alarms with the same input, dynamic reference, sign and set point trip together. One of them was most "
     "likely meant for another input or set point."},
    {"zero-deviation", Severity::Warning, "%1 watches %2 for any deviation from %3: its set point is 0.",
     "alarm;input;dynamic reference",
     "A \"\xB1\" alarm with the set point 0 trips on the smallest deviation between its two inputs, which two real "
     "signals almost always have."},
    {"flat-scale", Severity::Warning, "%1 has %2 and %3 both at %4: its scale has no span.",
     "input;lower end;upper end;value",
     "The signal range (InpLo to InpUp) and the display range (LCDLo to LCDUp) are the two ends of an input's scale. "
     "Where the two ends of one are equal, every signal shows as the same value, and the alarms of the input have no "
     "range to set a set point in."},
    {"reversed-scale", Severity::Warning,
     "%1 has LCDLo %2 above LCDUp %3: its alarms' set points cannot be kept within its display range.",
     "input;LCDLo;LCDUp",
     "The alarm sheet keeps a set point between LCDLo and LCDUp of the alarm's input. With LCDLo above LCDUp no value "
     "lies between them, and every set point typed for an alarm of this input is moved to one end."},
    {"block-ignored", Severity::Warning,
     "%1 has its Block flag set while the General Block setting is OFF: the flag has no effect.", "alarm",
     "An alarm's Block flag lets the reference chosen in the General Block setting block the alarm. While that "
     "setting is OFF, the unit blocks no alarm, whatever its flag says."},
    {"initialization", Severity::Warning,
     "Initialization is %1: the unit returns to its defaults when it is next switched on.", "choice",
     "Initialization tells the unit to restore its default configuration (CONFIG), or that and its general constants "
     "(CONF + GEN), at its next power-up: the set-up uploaded now is lost then. It is meant for a unit that is to be "
     "set up anew."},
    // ---- notes: worth a look ----
    {"unwatched-input", Severity::Note, "No alarm watches %1.", "input",
     "An input in use that no alarm watches, as InpRef or DynRef or through a logical input it feeds, is measured "
     "and shown but never raises an alarm. That may be meant: an input for the display only."},
    {"shared-led", Severity::Note,
     "LED %1 is lit by alarms of different inputs (%2): it does not tell which of them is in alarm.", "LED;inputs",
     "An LED lit by the alarms of one input tells that this input is in alarm. Lit by alarms of several inputs, it "
     "leaves the display to tell which."},
    {"long-delay", Severity::Note, "%1 waits %2 s before it trips, more than an hour.", "alarm;delay",
     "An alarm's delay holds it back while its condition lasts shorter. A delay above one hour (3600 s) is unusual: "
     "the alarm comes long after the fault began."},
    {"function-test", Severity::Note, "Function Test is ON: the unit is set up for its function test.", "",
     "The function test is for commissioning and service. A unit in normal operation has it OFF."},
}};

std::string Trimmed(const std::string& text)
{
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::span<const CheckRule> GetCheckRules()
{
    return g_Rules;
}

const CheckRule* FindCheckRule(std::string_view id)
{
    for (const CheckRule& rule : g_Rules) {
        if (id == rule.id)
            return &rule;
    }
    return nullptr;
}

const char* SeverityName(Severity severity)
{
    switch (severity) {
    case Severity::Error: return "error";
    case Severity::Warning: return "warning";
    case Severity::Note: break;
    }
    return "note";
}

std::string CheckTopic(std::string_view id)
{
    return "check-" + std::string(id);
}

bool ParseRuleList(const std::string& text, std::vector<std::string>& rules, std::string& error)
{
    rules.clear();
    if (Trimmed(text).empty())
        return true;
    size_t pos = 0;
    for (;;) {
        size_t comma = text.find(',', pos);
        std::string name = Trimmed(text.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos));
        if (!FindCheckRule(name)) {
            std::string known;
            for (const CheckRule& rule : g_Rules)
                known += (known.empty() ? "" : ", ") + std::string(rule.id);
            error = (name.empty() ? std::string("an empty rule name") : "no rule is called \"" + name + "\"") +
                    " (the rules: " + known + ")";
            rules.clear();
            return false;
        }
        if (std::find(rules.begin(), rules.end(), name) == rules.end())
            rules.push_back(name);
        if (comma == std::string::npos)
            return true;
        pos = comma + 1;
    }
}

std::string JoinRuleList(const std::vector<std::string>& rules)
{
    std::string joined;
    for (const std::string& rule : rules)
        joined += (joined.empty() ? "" : ",") + rule;
    return joined;
}

std::vector<CoreText> CollectCheckTexts()
{
    std::vector<CoreText> texts;
    for (const CheckRule& rule : g_Rules) {
        texts.push_back({CONTEXT_CHECKS, rule.pattern});
        texts.push_back({CONTEXT_CHECKS, rule.reason});
    }
    texts.push_back({CONTEXT_CHECKS, ALARM_PART});
    return texts;
}

// ---- findings ------------------------------------------------------------------------------

FindingCounts CountFindings(const std::vector<Finding>& findings)
{
    FindingCounts counts;
    for (const Finding& finding : findings) {
        switch (finding.severity) {
        case Severity::Error: ++counts.errors; break;
        case Severity::Warning: ++counts.warnings; break;
        case Severity::Note: ++counts.notes; break;
        }
    }
    return counts;
}

std::string CountText(const FindingCounts& counts)
{
    std::string text;
    auto add = [&text](int count, const char* one, const char* many) {
        if (count)
            text += (text.empty() ? "" : ", ") + std::to_string(count) + " " + (count == 1 ? one : many);
    };
    add(counts.errors, "error", "errors");
    add(counts.warnings, "warning", "warnings");
    add(counts.notes, "note", "notes");
    return text.empty() ? "no findings" : text;
}

std::string PartText(const FindingPart& part)
{
    if (part.kind == FindingPart::Kind::Alarm)
        return FillPlaceholders(ALARM_PART, {part.text});
    return part.text;
}

std::string FindingText(const CheckRule& rule, const std::vector<FindingPart>& parts)
{
    std::vector<std::string> texts;
    for (const FindingPart& part : parts)
        texts.push_back(PartText(part));
    return FillPlaceholders(rule.pattern, texts);
}
