// Builds the manual's HTML from its hand-written source and what the program says of itself.
// The source is HTML with directives in comments:
//   <!-- q4:phrases            the words of the generated parts, one "key: text" a line -->
//   <!-- q4:version -->        the program's version
//   <!-- q4:contents -->       a list of the chapters and sections (the h2 and h3 headings)
//   <!-- q4:example -->        the example set-up the column facts were read on
//   <!-- q4:input-types -->    the input types with their ranges
//   <!-- q4:cli-help -->       what q4150cli --help prints
//   <!-- q4:checks -->         a section per rule of the set-up checks, from the rules' table, each
//                              with its example and the finding the program makes of it
//   <!-- q4:columns SHEET -->  a section per column of the sheet (General: per row), each with
//     <!-- q4:topic TOPIC... -->  the hand-written text on those columns, and their facts
//   <!-- q4:end -->
#pragma once

#include "manual/CheckFacts.h"
#include "manual/SheetFacts.h"
#include "unit/CoreTranslator.h"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

// A source the builder cannot read: names the directive or topic at fault.
class ManualError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ManualParts {
    std::string version;
    std::string cliHelp;  // UTF-8 text
    std::vector<SheetFacts> sheets;
    std::vector<CheckFacts> checks;
    // The program's words in the manual's language (sheets, headings, hints, messages, the set-up
    // checks' sentences and reasons), as the desktop program shows them; null for English, the
    // core's own.
    const CoreTranslator* words = nullptr;
};

// The whole manual as UTF-8 HTML; throws ManualError for a source it cannot read, among them
// a topic that is no column of its sheet, and for a rule whose example gives no finding of it.
std::string BuildManual(const std::string& source, const ManualParts& parts);
// The topics the source describes by hand, by the sheet of their columns directive.
std::map<std::string, std::vector<std::string>> DescribedTopics(const std::string& source);
// The anchors (<a name="...">) of an HTML text.
std::vector<std::string> AnchorNames(const std::string& html);
