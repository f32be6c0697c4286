// The user's guide against the program it describes, in each of its languages: every column of
// every sheet, walked from the setup types' header rows, has a hand-written section that F1
// finds; every link of the guide leads to a section; the generated parts speak the program's
// words in the guide's language; the builder refuses a source that describes a column that is not.
#include "check/CheckRules.h"
#include "manual/ManualBuilder.h"
#include "model/Cp1252.h"
#include "model/HelpTopic.h"
#include "model/StringTable.h"
#include "unit/CQ4kUnit.h"
#include "unit/CQuietPrompt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

std::string ReadFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Contains(const std::vector<std::string>& list, const std::string& item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

// The text of the built guide from the anchor of topic to the next heading.
std::string Section(const std::string& html, const std::string& topic)
{
    size_t at = html.find("<a name=\"" + topic + "\">");
    if (at == std::string::npos)
        return std::string();
    return html.substr(at, html.find("<h", at) - at);
}

// The guide's source and the page built of it, English at the top of the manual's folder and
// every other language in a folder of its own.
std::string SourcePath(const std::string& language)
{
    return std::string(Q4_MANUAL_SOURCE_DIR) + "/" + language + "/manual.html";
}

std::string HtmlPath(const std::string& language)
{
    return std::string(Q4_MANUAL_DIR) + (language == "en" ? "" : "/" + language) + "/index.html";
}

class ManualTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        source = ReadFile(SourcePath(GetParam()).c_str());
        html = ReadFile(HtmlPath(GetParam()).c_str());
        ASSERT_FALSE(source.empty()) << SourcePath(GetParam());
        ASSERT_FALSE(html.empty()) << HtmlPath(GetParam());
        unit.Initialize();
    }

    CQuietPrompt prompt;
    CQ4kUnit unit{prompt};
    std::string source;
    std::string html;
};

// The guides in another language than the program's own English.
using TranslatedManualTest = ManualTest;

INSTANTIATE_TEST_SUITE_P(Languages, ManualTest, ::testing::Values("en", "de"),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });
INSTANTIATE_TEST_SUITE_P(Languages, TranslatedManualTest, ::testing::Values("de"),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

TEST_P(ManualTest, EveryColumnOfEverySheetHasItsSection)
{
    const auto described = DescribedTopics(source);
    const auto anchors = AnchorNames(html);
    int columns = 0;
    for (int t = 0; t < 4; ++t) {
        CNordaSetupType& type = *unit.GetSetupType(t);
        const std::string sheet = SheetTopic(type);
        ASSERT_TRUE(Contains(anchors, sheet)) << sheet;
        const auto it = described.find(sheet);
        ASSERT_NE(it, described.end()) << "no columns directive for " << sheet;
        // General's settings are its rows; the other sheets' are the columns of the header row.
        const bool byRow = t == ST_GENERAL;
        const int count = byRow ? type.GetNumChannels() : type.GetSheet()->GetNumCells(0);
        for (int i = 1; i < count; ++i) {
            const std::string topic = byRow ? CellTopic(type, i, 1) : CellTopic(type, 1, i);
            const std::string label = byRow ? type.GetCellText(i, 0) : type.GetCellText(0, i);
            EXPECT_NE(topic, sheet) << sheet << " " << label << " has no topic of its own";
            EXPECT_TRUE(Contains(it->second, topic)) << "the manual says nothing by hand of " << topic;
            EXPECT_TRUE(Contains(anchors, topic)) << "F1 on " << label << " finds no section " << topic;
            ++columns;
        }
    }
    EXPECT_GT(columns, 40);
}

// Every rule of the set-up checks has its section, where F1 on a finding leads: its reason from
// the rules' table, and the finding its example gives, in the words of that rule.
TEST_P(ManualTest, EveryRuleOfTheChecksHasItsSection)
{
    const auto anchors = AnchorNames(html);
    for (const CheckRule& rule : GetCheckRules()) {
        SCOPED_TRACE(rule.id);
        const std::string topic = CheckTopic(rule.id);
        ASSERT_TRUE(Contains(anchors, topic));
        const std::string section = Section(html, topic);
        EXPECT_NE(section.find(std::string(SeverityName(rule.severity)) + "</td>"), std::string::npos) << section;
        // The rule's own words as the example's finding says them: the longest run of its
        // sentence between two parts, as HTML.
        std::string words;
        std::string run;
        const std::string pattern = rule.pattern;
        for (size_t i = 0; i <= pattern.size(); ++i) {
            if (i == pattern.size() || (pattern[i] == '%' && i + 1 < pattern.size() && std::isdigit(pattern[i + 1]))) {
                words = run.size() > words.size() ? run : words;
                run.clear();
                ++i;
            } else {
                run += pattern[i] == '"' ? std::string("&quot;") : pattern[i] == '<' ? "&lt;" : pattern[i] == '>' ? "&gt;" : std::string(1, pattern[i]);
            }
        }
        const size_t finds = section.find("\xE2\x80\x9C");
        ASSERT_NE(finds, std::string::npos) << section;
        EXPECT_NE(section.find(words, finds), std::string::npos) << words << " in " << section;
    }
    // The chapter's own words lead there.
    EXPECT_NE(Section(html, "checks-rules").find("example"), std::string::npos);
}

TEST_P(ManualTest, EveryLinkLeadsToASection)
{
    const auto anchors = AnchorNames(html);
    const std::string href = "href=\"#";
    int links = 0;
    for (size_t at = html.find(href); at != std::string::npos; at = html.find(href, at + 1)) {
        const size_t begin = at + href.size();
        const std::string target = html.substr(begin, html.find('"', begin) - begin);
        EXPECT_TRUE(Contains(anchors, target)) << "a link to #" << target;
        ++links;
    }
    EXPECT_GT(links, 50);  // the contents alone link every section
}

// The facts are the program's own, read as it is built, in the guide's language: a sample of
// what only the rules know, and of the program's words (sheets, settings, hints, messages).
TEST_P(ManualTest, SectionsCarryWhatTheProgramSays)
{
    struct Case {
        const char* language;
        const char* topic;
        const char* says;
    };
    const Case cases[] = {
        {"en", "alarm-setpoint", "the range of IN 11"},                 // the hint on the example's row
        {"en", "physical-input-inptp", "Alarm: InpRef"},                // an input out of use frees its alarms
        {"en", "alarm-dynref", "Alarm: &lt;&gt;\xC2\xB1"},              // a DynRef sets the sign
        {"en", "logical-input-i1", "Logical Input: InpTp to Misc."},   // the parameters copied
        {"en", "alarm-column-3", "DynRef must be active"},              // refused without a DynRef
        {"en", "general-initialization", "</a>Initialization</h3>"},       // the heading, as the sheet says it
        {"de", "alarm-setpoint", "der Bereich von IN 11"},
        {"de", "physical-input-inptp", "Alarmkan\xC3\xA4le: InpRef"},
        {"de", "alarm-dynref", "Alarmkan\xC3\xA4le: &lt;&gt;\xC2\xB1"},
        {"de", "logical-input-i1", "Logische Eing\xC3\xA4nge: InpTp bis Sonst."},
        {"de", "alarm-column-3", "DynRef muss aktiv sein"},
        {"de", "general-initialization", "</a>Initialisierung</h3>"},
        {"de", "general-device-number", "Eine ganze Zahl von 1 bis 62"},
        {"de", "alarm-flags", "Blockierung"},                            // a flag's name
        {"de", "alarm-delay-s", "Verz\xC3\xB6gerung (s)"},
    };
    int checked = 0;
    for (const Case& c : cases) {
        if (c.language != GetParam())
            continue;
        EXPECT_NE(Section(html, c.topic).find(c.says), std::string::npos) << c.topic << ": " << c.says;
        ++checked;
    }
    EXPECT_GE(checked, 6);
}

// A guide in another language leaves none of the program's English hints and messages in its
// generated parts: each longer piece of the string table's texts is translated.
TEST_P(TranslatedManualTest, HoldsNoEnglishTextOfTheProgram)
{
    int pieces = 0;
    for (const StringEntry& entry : GetStringTable()) {
        if (entry.kind != TextKind::Hint && entry.kind != TextKind::Message)
            continue;
        // The texts between the placeholders, line by line.
        std::string text = q4::Cp1252ToUtf8(entry.text);
        for (char& c : text)
            c = c == '\r' ? '\n' : c;
        size_t start = 0;
        for (size_t i = 0; i <= text.size(); ++i) {
            bool cut = i == text.size() || text[i] == '\n' || (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9');
            if (!cut)
                continue;
            const std::string piece = text.substr(start, i - start);
            start = i + (i < text.size() && text[i] == '%' ? 2 : 1);
            // Long enough to be a sentence's words, not a name that stands ("Q4150 Programmer").
            if (piece.size() < 16 || std::count(piece.begin(), piece.end(), ' ') < 2)
                continue;
            ++pieces;
            EXPECT_EQ(html.find(piece), std::string::npos) << entry.id << ": \"" << piece << "\"";
        }
    }
    EXPECT_GT(pieces, 20);
}

TEST_P(ManualTest, SourceDescribingWhatIsNotThereIsRefused)
{
    // The real source's phrases, then a faulty part.
    const std::string end = "-->";
    const std::string phrases = source.substr(0, source.find(end, source.find("<!-- q4:phrases")) + end.size());
    // One sheet of one column is enough for the builder's checks.
    ManualParts parts;
    SheetFacts alarm;
    alarm.topic = "alarm";
    alarm.title = "Alarm";
    alarm.columns.emplace_back().topic = "alarm-led";
    parts.sheets.push_back(alarm);
    // A rule whose example finds nothing of it (the finding is left empty).
    parts.checks.push_back({"never-trips", "error", "%1 never trips.", {"alarm"}, "Why.", {}, {}, {}});
    ASSERT_NO_THROW(BuildManual(phrases + "<!-- q4:columns alarm --><!-- q4:topic alarm-led --><p>x</p><!-- q4:end -->", parts));

    const struct {
        const char* part;
        const char* named;
    } cases[] = {
        {"<!-- q4:columns alarm --><!-- q4:topic alarm-ledd --><!-- q4:end -->", "alarm-ledd"},
        {"<!-- q4:columns alarm --><!-- q4:topic general-block --><!-- q4:end -->", "general-block"},
        {"<!-- q4:columns alarm --><!-- q4:topic alarm-led alarm-led --><!-- q4:end -->", "twice"},
        {"<!-- q4:columns alarms --><!-- q4:end -->", "alarms"},
        {"<!-- q4:columns alarm --><!-- q4:topic alarm-led -->", "q4:end"},
        {"<!-- q4:topic alarm-led -->", "outside"},
        {"<!-- q4:checks -->", "the example of the rule never-trips gives no finding of it"},
    };
    for (const auto& c : cases) {
        try {
            BuildManual(phrases + c.part, parts);
            ADD_FAILURE() << "taken: " << c.part;
        } catch (const ManualError& e) {
            EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos) << e.what();
        }
    }
}

}  // namespace
