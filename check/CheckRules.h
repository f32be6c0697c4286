// The rules of the set-up checks as one table: each rule's id, severity, the sentence a finding
// of it reads as, the names of that sentence's parts, and the reason the manual prints. The
// manual, the translators' list and the command line's help are made from this table.
#pragma once

#include "unit/CoreTexts.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class Severity { Error, Warning, Note };

struct CheckRule {
    const char* id;        // "never-trips": what --ignore and the plant file name it by
    Severity severity;
    const char* pattern;   // English, Windows-1252; %1, %2, ... are the finding's parts
    const char* parts;     // what %1, %2, ... stand for, ";" between them (for the manual)
    const char* reason;    // why the rule exists, for the manual; English, Windows-1252
};

// Every rule, errors first, then warnings, then notes.
std::span<const CheckRule> GetCheckRules();
// The rule of that id, or null.
const CheckRule* FindCheckRule(std::string_view id);
// "error", "warning", "note".
const char* SeverityName(Severity severity);
// The manual's section of a rule: "check-never-trips".
std::string CheckTopic(std::string_view id);

// The rule ids of a list as a person types it ("shared-led,long-delay", blanks around a name
// allowed, an empty text for none), each once. False, with the reason, when a name is no rule.
bool ParseRuleList(const std::string& text, std::vector<std::string>& rules, std::string& error);
// The ids joined by ",", as ParseRuleList reads them back.
std::string JoinRuleList(const std::vector<std::string>& rules);

// The translators' context of the checks' texts.
inline constexpr char CONTEXT_CHECKS[] = "Checks";
// The checks' texts a person reads, for the translators: every rule's sentence and reason, and
// the words a finding's parts are written with ("Alarm %1").
std::vector<CoreText> CollectCheckTexts();
