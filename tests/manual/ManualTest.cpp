// The user's guide against the program it describes, in each of its languages: every column of
// every sheet, walked from the setup types' header rows, has a hand-written section that F1
// finds; every link of the guide leads to a section; the generated parts speak the program's
// words in the guide's language; the builder refuses a source that describes a column that is not.
#include "check/CheckRules.h"
#include "manual/ManualBuilder.h"
#include "manual/TranslationFile.h"
#include "model/Cp1252.h"
#include "model/HelpTopic.h"
#include "model/StringTable.h"
#include "unit/CQ4kUnit.h"
#include "unit/CQuietPrompt.h"
#include "unit/CoreTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
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

// A text as HTML writes it.
std::string Escaped(const std::string& text)
{
    std::string out;
    for (char c : text)
        out += c == '"' ? std::string("&quot;") : c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : std::string(1, c);
    return out;
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A phrase of the source's q4:phrases ("key: text"), or an empty text.
std::string PhraseOf(const std::string& source, const std::string& key)
{
    const size_t begin = source.find("<!-- q4:phrases");
    const size_t end = source.find("-->", begin);
    const size_t at = source.find("\n" + key + ":", begin);
    if (begin == std::string::npos || at == std::string::npos || at > end)
        return std::string();
    const size_t text = source.find_first_not_of(' ', at + key.size() + 2);
    return source.substr(text, source.find('\n', text) - text);
}

// The longest run of a sentence's own words between its placeholders (%1, %2, ...).
std::string LongestRun(const std::string& pattern)
{
    std::string words;
    std::string run;
    for (size_t i = 0; i <= pattern.size(); ++i) {
        if (i == pattern.size() || (pattern[i] == '%' && i + 1 < pattern.size() && std::isdigit(static_cast<unsigned char>(pattern[i + 1])))) {
            words = run.size() > words.size() ? run : words;
            run.clear();
            ++i;
        } else {
            run += pattern[i];
        }
    }
    return words;
}

std::vector<std::string> SplitParts(const std::string& parts)
{
    std::vector<std::string> names;
    std::istringstream list(parts);
    for (std::string name; std::getline(list, name, ';');)
        names.push_back(name);
    return names;
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

// The desktop program's words in another language than English: its translators' file.
std::string TranslationPath(const std::string& language)
{
    return std::string(Q4_TRANSLATIONS_SOURCE_DIR) + "/q4150_" + language + ".ts";
}

class ManualTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        source = ReadFile(SourcePath(GetParam()).c_str());
        html = ReadFile(HtmlPath(GetParam()).c_str());
        ASSERT_FALSE(source.empty()) << SourcePath(GetParam());
        ASSERT_FALSE(html.empty()) << HtmlPath(GetParam());
        if (GetParam() != "en") {
            const std::string ts = ReadFile(TranslationPath(GetParam()).c_str());
            ASSERT_FALSE(ts.empty()) << TranslationPath(GetParam());
            words = ReadTranslationFile(ts);
        }
        unit.Initialize();
    }

    // A text of the program (UTF-8) as the program says it in the guide's language, read from
    // the translators' file; empty where that has none.
    std::string Said(const std::string& context, const std::string& text) const
    {
        if (GetParam() == "en")
            return text;
        const auto it = words.find({context, text});
        return it == words.end() ? std::string() : it->second;
    }

    CQuietPrompt prompt;
    CQ4kUnit unit{prompt};
    std::string source;
    std::string html;
    std::map<std::pair<std::string, std::string>, std::string> words;
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

// Every rule of the set-up checks has its section, where F1 on a finding leads, in the words the
// program's Checks panel uses in the guide's language: its severity, its reason, its sentence with
// the parts named, and the finding its example gives, placed by the sheets' names.
TEST_P(ManualTest, EveryRuleOfTheChecksHasItsSection)
{
    const auto anchors = AnchorNames(html);
    const std::string quote = PhraseOf(source, "quote-open");
    ASSERT_FALSE(quote.empty());
    std::vector<std::string> sheets;  // "Alarm, " and the like: how a place begins
    for (int t = 0; t < 4; ++t)
        sheets.push_back(Escaped(Said(CONTEXT_SHEETS, q4::Cp1252ToUtf8(unit.GetSetupType(t)->m_strTitle))) + ", ");
    for (const CheckRule& rule : GetCheckRules()) {
        SCOPED_TRACE(rule.id);
        const std::string topic = CheckTopic(rule.id);
        ASSERT_TRUE(Contains(anchors, topic));
        const std::string section = Section(html, topic);

        // The severity as the panel's column says it ("Error"), the guide keeping its own capitals.
        std::string severity = SeverityName(rule.severity);
        severity[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(severity[0])));
        severity = Said("CheckTexts", severity);
        ASSERT_FALSE(severity.empty());
        EXPECT_NE(Lower(section).find("<td>" + Lower(severity) + "</td>"), std::string::npos) << severity << " in " << section;

        const std::string reason = Said(CONTEXT_CHECKS, q4::Cp1252ToUtf8(rule.reason));
        ASSERT_FALSE(reason.empty());
        EXPECT_NE(section.find("<p>" + Escaped(reason) + "</p>"), std::string::npos) << reason << " in " << section;
        for (const std::string& part : SplitParts(rule.parts)) {
            const std::string name = Said(CONTEXT_CHECKS, part);
            ASSERT_FALSE(name.empty()) << part;
            EXPECT_NE(section.find("<i>" + Escaped(name) + "</i>"), std::string::npos) << name << " in " << section;
        }

        // The rule's own words as the example's finding says them: the longest run of its
        // sentence between two parts, within the quotation marks of the finding's row.
        const std::string pattern = Said(CONTEXT_CHECKS, q4::Cp1252ToUtf8(rule.pattern));
        ASSERT_FALSE(pattern.empty());
        const size_t row = section.rfind("<tr>");
        const size_t finds = section.find(quote, row);
        ASSERT_NE(finds, std::string::npos) << section;
        EXPECT_NE(section.find(Escaped(LongestRun(pattern)), finds), std::string::npos) << LongestRun(pattern) << " in " << section;

        // Each step of the example and the finding begin with the name of their sheet.
        const size_t example = section.rfind("<tr>", row - 1);
        const std::string steps = section.substr(example, row - example);
        int placed = 0;
        for (size_t at = steps.find("<td>"); at != std::string::npos; at = steps.find("<br>", at + 1)) {
            const size_t name = at + 4;
            EXPECT_TRUE(std::any_of(sheets.begin(), sheets.end(), [&](const std::string& s) { return steps.compare(name, s.size(), s) == 0; }))
                << steps.substr(name, 40);
            ++placed;
        }
        EXPECT_GT(placed, 0) << steps;
        EXPECT_TRUE(std::any_of(sheets.begin(), sheets.end(), [&](const std::string& s) { return section.find("<td>" + s, row) < finds; }))
            << section.substr(row);
    }
    // The chapter's own words lead there: the rules' section tells of their examples.
    EXPECT_NE(Lower(Section(html, "checks-rules")).find(Lower(PhraseOf(source, "check-example"))), std::string::npos);
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

// A guide in another language leaves none of the program's English hints, messages and set-up
// checks' sentences and reasons in its generated parts: each longer piece of them is translated.
TEST_P(TranslatedManualTest, HoldsNoEnglishTextOfTheProgram)
{
    std::vector<std::pair<std::string, std::string>> texts;  // what it is, the text (Windows-1252)
    for (const StringEntry& entry : GetStringTable()) {
        if (entry.kind == TextKind::Hint || entry.kind == TextKind::Message)
            texts.emplace_back(std::to_string(entry.id), entry.text);
    }
    for (const CoreText& check : CollectCheckTexts())
        texts.emplace_back(check.context, check.text);
    int pieces = 0;
    for (const auto& [what, cp1252] : texts) {
        // The texts between the placeholders, line by line.
        std::string text = q4::Cp1252ToUtf8(cp1252);
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
            EXPECT_EQ(html.find(Escaped(piece)), std::string::npos) << what << ": \"" << piece << "\"";
        }
    }
    EXPECT_GT(pieces, 40);
}

// The places of the checks' examples and findings ("Alarm, 1 (A11), SetPoint") name the sheets,
// settings and columns as the translated program does, not in English.
TEST_P(TranslatedManualTest, ChecksPlaceTheirExamplesInTheSheetsWords)
{
    const size_t begin = html.find("<a name=\"checks-rules\">");
    const size_t end = html.find("<h2>", begin);
    ASSERT_NE(begin, std::string::npos);
    const std::string chapter = html.substr(begin, end - begin);
    int names = 0;
    for (const CoreText& name : CollectCoreTexts()) {
        const bool sheet = name.context == CONTEXT_SHEETS;
        if (!sheet && name.context != CONTEXT_HEADINGS)
            continue;
        const std::string english = Escaped(q4::Cp1252ToUtf8(name.text));
        if (Said(name.context, q4::Cp1252ToUtf8(name.text)) == q4::Cp1252ToUtf8(name.text))
            continue;  // the same in both languages (InpTp, LED)
        // A sheet begins a place; a column or a General setting ends one, before its text.
        EXPECT_EQ(chapter.find(sheet ? ">" + english + ", " : ", " + english + ": "), std::string::npos) << english;
        ++names;
    }
    EXPECT_GT(names, 20);
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
    parts.checks.push_back({"never-trips", "error", "%1 never trips.", {"alarm"}, "Why.", {}, {}, {}, {}});
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
