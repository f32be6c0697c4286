// The set-up checks' texts in the user's language: a finding's sentence from its rule's pattern
// and parts (each part written as what it is), a rule's reason, a severity and a count.
#pragma once

#include "check/Finding.h"

#include <QString>

namespace q4ui {

// The sentence of a finding, its rule's pattern translated and filled with its parts.
QString TrFinding(const Finding& finding);
// A part of a finding: an alarm as "Alarm 3 (A13)", a heading or sheet translated, a value as it is.
QString TrFindingPart(const FindingPart& part);
QString TrReason(const CheckRule& rule);
// "Error", "Warning", "Note".
QString SeverityText(Severity severity);
// "2 errors, 1 warning"; "No findings" for none.
QString CountText(const FindingCounts& counts);

}  // namespace q4ui
