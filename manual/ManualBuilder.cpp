// The manual builder: directives of the source replaced by the generated parts.
#include "manual/ManualBuilder.h"

#include "check/CheckRules.h"
#include "model/Cp1252.h"
#include "model/InputType.h"
#include "model/NumberText.h"
#include "model/StringTable.h"

#include <algorithm>
#include <sstream>

namespace {

const char* const g_PhraseKeys[] = {
    "status-bar", "status-bar-on", "choices", "choices-follow", "types-new", "types-new-limit", "settings", "default", "empty",
    "read-only", "refusals", "unused-refusals", "changes", "to", "input-type", "input-range", "quote-open", "quote-close",
    "check-severity", "check-says", "check-example", "check-finds", "severity-error", "severity-warning", "severity-note",
};

struct Directive {
    size_t begin;  // of "<!--"
    size_t end;    // after "-->"
    std::string name;
    std::vector<std::string> args;
    std::string body;  // the lines after the name, for phrases
};

// The next "<!-- q4:..." from pos, or begin == npos.
Directive NextDirective(const std::string& source, size_t pos)
{
    Directive d{std::string::npos, std::string::npos, {}, {}, {}};
    size_t at = source.find("<!-- q4:", pos);
    if (at == std::string::npos)
        return d;
    size_t close = source.find("-->", at);
    if (close == std::string::npos)
        throw ManualError("a q4: directive without its end \"-->\"");
    d.begin = at;
    d.end = close + 3;
    std::string inside = source.substr(at + 8, close - at - 8);
    size_t eol = inside.find('\n');
    std::istringstream head(inside.substr(0, eol));
    head >> d.name;
    for (std::string word; head >> word;)
        d.args.push_back(word);
    if (eol != std::string::npos)
        d.body = inside.substr(eol + 1);
    return d;
}

std::string Escape(const std::string& utf8)
{
    std::string out;
    for (char c : utf8) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// A text of the program (Windows-1252) as HTML.
std::string Html(const std::string& cp1252)
{
    return Escape(q4::Cp1252ToUtf8(cp1252));
}

std::string Trim(const std::string& text)
{
    size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return std::string();
    size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string Replace(std::string text, const std::string& what, const std::string& with)
{
    size_t at = text.find(what);
    return at == std::string::npos ? text : text.replace(at, what.size(), with);
}

// A heading of level 2 or 3 that a link can lead to: "<h2><a name="A"></a>...text</h2>".
struct Heading {
    int level;
    std::string anchor;  // the first of its anchors
    std::string text;
};

const char* const ANCHOR_OPEN = "<a name=\"";

std::vector<Heading> Headings(const std::string& html)
{
    std::vector<Heading> headings;
    const std::string anchorOpen = ANCHOR_OPEN;
    const std::string anchorClose = "\"></a>";
    for (size_t at = html.find("<h"); at != std::string::npos && at + 4 <= html.size(); at = html.find("<h", at + 2)) {
        char level = html[at + 2];
        if ((level != '2' && level != '3') || html[at + 3] != '>')
            continue;
        size_t pos = at + 4;
        std::string anchor;
        while (html.compare(pos, anchorOpen.size(), anchorOpen) == 0) {
            size_t close = html.find(anchorClose, pos + anchorOpen.size());
            if (close == std::string::npos)
                break;
            if (anchor.empty())
                anchor = html.substr(pos + anchorOpen.size(), close - pos - anchorOpen.size());
            pos = close + anchorClose.size();
        }
        size_t end = html.find(std::string("</h") + level + ">", pos);
        if (anchor.empty() || end == std::string::npos)
            continue;
        headings.push_back(Heading{level - '0', anchor, html.substr(pos, end - pos)});
    }
    return headings;
}

class Builder {
public:
    Builder(const std::string& source, const ManualParts& parts) : m_source(source), m_parts(parts) {}

    std::string Build()
    {
        ReadPhrases();
        std::string out;
        size_t pos = 0;
        for (Directive d = NextDirective(m_source, pos); d.begin != std::string::npos; d = NextDirective(m_source, pos)) {
            out += m_source.substr(pos, d.begin - pos);
            pos = d.end;
            if (d.name == "phrases") {
                continue;
            } else if (d.name == "version") {
                out += Escape(m_parts.version);
            } else if (d.name == "contents") {
                out += CONTENTS_MARK;
            } else if (d.name == "example") {
                out += Example();
            } else if (d.name == "input-types") {
                out += InputTypes();
            } else if (d.name == "cli-help") {
                out += "<pre>" + Escape(m_parts.cliHelp) + "</pre>";
            } else if (d.name == "checks") {
                out += Checks();
            } else if (d.name == "columns") {
                out += Columns(d, pos);
            } else {
                throw ManualError("unknown directive q4:" + d.name + (d.name == "topic" ? " outside q4:columns" : ""));
            }
        }
        out += m_source.substr(pos);
        return Replace(out, CONTENTS_MARK, Contents(out));
    }

private:
    static constexpr const char* CONTENTS_MARK = "\x01contents\x01";

    // The program's words (Windows-1252) in the manual's language, as HTML.
    std::string SheetTitle(const std::string& title) const
    {
        return m_parts.words ? Escape(m_parts.words->Sheet(title)) : Html(title);
    }
    std::string HeadingText(const std::string& heading) const
    {
        return m_parts.words ? Escape(m_parts.words->Heading(heading)) : Html(heading);
    }
    std::string Said(const std::string& text) const
    {
        return m_parts.words ? Escape(m_parts.words->Text(text)) : Html(text);
    }

    void ReadPhrases()
    {
        for (Directive d = NextDirective(m_source, 0); d.begin != std::string::npos; d = NextDirective(m_source, d.end)) {
            if (d.name != "phrases")
                continue;
            std::istringstream lines(d.body);
            for (std::string line; std::getline(lines, line);) {
                size_t colon = line.find(':');
                if (colon != std::string::npos)
                    m_phrases[Trim(line.substr(0, colon))] = Trim(line.substr(colon + 1));
            }
        }
        for (const char* key : g_PhraseKeys) {
            if (!m_phrases.count(key))
                throw ManualError(std::string("the phrase \"") + key + "\" is missing from q4:phrases");
        }
    }

    // A phrase with its %1 replaced by arg (already HTML).
    std::string Phrase(const std::string& key, const std::string& arg = std::string()) const
    {
        return Replace(m_phrases.at(key), "%1", arg);
    }

    const SheetFacts& Sheet(const std::string& topic) const
    {
        for (const SheetFacts& sheet : m_parts.sheets) {
            if (sheet.topic == topic)
                return sheet;
        }
        throw ManualError("q4:columns names no sheet: " + topic);
    }

    std::string Example() const
    {
        std::string out = "<ul>\n";
        for (const ExampleEdit& edit : ExampleEdits()) {
            const SheetFacts& sheet = m_parts.sheets.at(static_cast<size_t>(edit.sheet));
            const ColumnFacts* column = nullptr;
            for (const ColumnFacts& f : sheet.columns)
                column = f.cell == edit.cell ? &f : column;
            out += "<li>" + SheetTitle(sheet.title) + ", " + RowName(edit) + ", " + (column ? HeadingText(column->label) : std::string()) +
                   ": <code>" + Html(edit.text) + "</code></li>\n";
        }
        return out + "</ul>";
    }

    // A row of the example as its sheet's first column names it.
    std::string RowName(const ExampleEdit& edit) const
    {
        const SheetFacts& sheet = m_parts.sheets.at(static_cast<size_t>(edit.sheet));
        size_t row = static_cast<size_t>(edit.section);
        return HeadingText(row < sheet.rowLabels.size() ? sheet.rowLabels[row] : q4::FormatD(edit.section));
    }

    // A section per rule: its reason, severity, sentence with its parts named, and its example
    // with the finding the program makes of it; in the guide's language as the Checks panel
    // shows them.
    std::string Checks() const
    {
        std::string out;
        for (const CheckFacts& f : m_parts.checks) {
            if (f.finding.empty())
                throw ManualError("the example of the rule " + f.id + " gives no finding of it");
            std::vector<std::string> parts;
            for (const std::string& part : f.parts)
                parts.push_back("<i>" + Escape(CheckWords(part)) + "</i>");
            const std::string says = FillPlaceholders(Escape(CheckWords(f.pattern)), parts);
            std::string example;
            for (const auto& [place, text] : f.example)
                example += (example.empty() ? "" : "<br>") + PlaceText(place) + ": " + Item(text);
            out += "<h3><a name=\"" + CheckTopic(f.id) + "\"></a>" + Html(f.id) + "</h3>\n<p>" + Escape(CheckWords(f.reason)) +
                   "</p>\n" + "<table class=\"facts\" cellspacing=\"0\" cellpadding=\"3\">\n" +
                   Row(Phrase("check-severity"), Phrase("severity-" + f.severity)) + Row(Phrase("check-says"), says) +
                   Row(Phrase("check-example"), example) +
                   Row(Phrase("check-finds"), PlaceText(f.place) + ": " + Phrase("quote-open") + Escape(FindingSaid(f)) +
                                                  Phrase("quote-close")) +
                   "</table>\n";
        }
        return out;
    }

    // A text of the set-up checks (a rule's sentence or reason, a part's name) in the guide's
    // language, UTF-8.
    std::string CheckWords(const std::string& cp1252) const
    {
        return m_parts.words ? m_parts.words->Whole(CONTEXT_CHECKS, cp1252) : q4::Cp1252ToUtf8(cp1252);
    }

    // A cell as the sheets name it: "Alarm, 1 (A11), SetPoint", as HTML.
    std::string PlaceText(const CheckPlace& place) const
    {
        return SheetTitle(place.sheet) + ", " + HeadingText(place.row) + (place.column.empty() ? "" : ", " + HeadingText(place.column));
    }

    // The example's finding, UTF-8: in English the checks' own sentence; in another language its
    // rule's sentence filled with its parts, each written as what it is.
    std::string FindingSaid(const CheckFacts& f) const
    {
        if (!m_parts.words)
            return q4::Cp1252ToUtf8(f.finding);
        std::vector<std::string> parts;
        for (const FindingPart& part : f.findingParts) {
            switch (part.kind) {
            case FindingPart::Kind::Alarm:
                // The words an alarm is written with, as the checks write it for "%1".
                parts.push_back(FillPlaceholders(CheckWords(PartText({FindingPart::Kind::Alarm, "%1"})), {q4::Cp1252ToUtf8(part.text)}));
                break;
            case FindingPart::Kind::Heading: parts.push_back(m_parts.words->Heading(part.text)); break;
            case FindingPart::Kind::Sheet: parts.push_back(m_parts.words->Sheet(part.text)); break;
            case FindingPart::Kind::Value: parts.push_back(q4::Cp1252ToUtf8(part.text)); break;
            }
        }
        return FillPlaceholders(CheckWords(f.pattern), parts);
    }

    std::string InputTypes() const
    {
        std::string out = "<table class=\"facts\" cellspacing=\"0\" cellpadding=\"3\">\n<tr><th>" + Phrase("input-type") + "</th><th>" + Phrase("input-range") +
                          "</th></tr>\n";
        for (const INPUT_TYPE& type : g_InputTypes) {
            if (type.nMax == type.nMin)
                continue;  // the input not in use
            out += "<tr><td>" + Html(type.pszName) + "</td><td>" + q4::FormatD(type.nMin) + " " + Phrase("to") + " " +
                   q4::FormatD(type.nMax) + " " + Html(type.pszUnit) + "</td></tr>\n";
        }
        return out + "</table>";
    }

    // Sections of the columns of one sheet, each with its hand-written text.
    std::string Columns(const Directive& d, size_t& pos)
    {
        if (d.args.size() != 1)
            throw ManualError("q4:columns takes one sheet");
        const SheetFacts& sheet = Sheet(d.args[0]);
        struct Group {
            std::vector<size_t> columns;
            std::string text;
        };
        std::vector<Group> groups;
        std::vector<bool> described(sheet.columns.size(), false);
        for (;;) {
            Directive t = NextDirective(m_source, pos);
            if (t.begin == std::string::npos)
                throw ManualError("q4:columns " + sheet.topic + " without its q4:end");
            if (groups.empty() && !Trim(m_source.substr(pos, t.begin - pos)).empty())
                throw ManualError("text before the first q4:topic of " + sheet.topic);
            if (!groups.empty())
                groups.back().text = Trim(m_source.substr(pos, t.begin - pos));
            pos = t.end;
            if (t.name == "end")
                break;
            if (t.name != "topic" || t.args.empty())
                throw ManualError("q4:columns " + sheet.topic + " holds q4:" + t.name + "; only q4:topic TOPIC... and q4:end");
            Group& group = groups.emplace_back();
            for (const std::string& topic : t.args) {
                size_t i = 0;
                while (i < sheet.columns.size() && sheet.columns[i].topic != topic)
                    ++i;
                if (i == sheet.columns.size())
                    throw ManualError("the manual describes " + topic + ", which is no column of " + sheet.title);
                if (described[i])
                    throw ManualError("the manual describes " + topic + " twice");
                described[i] = true;
                group.columns.push_back(i);
            }
        }
        for (size_t i = 0; i < sheet.columns.size(); ++i) {
            if (!described[i])
                groups.push_back(Group{{i}, std::string()});
        }
        for (Group& group : groups)
            std::sort(group.columns.begin(), group.columns.end());
        std::sort(groups.begin(), groups.end(), [](const Group& a, const Group& b) { return a.columns[0] < b.columns[0]; });

        std::string out;
        for (const Group& group : groups) {
            std::vector<const ColumnFacts*> columns;
            for (size_t i : group.columns)
                columns.push_back(&sheet.columns[i]);
            out += Section(sheet, columns, group.text);
        }
        return out;
    }

    // One section for columns described together: their anchors, their labels, the text, and
    // their facts, once for each run of columns the program says the same of.
    std::string Section(const SheetFacts& sheet, const std::vector<const ColumnFacts*>& columns, const std::string& text) const
    {
        std::string anchors;
        std::vector<std::string> labels;
        std::vector<int> cells;
        for (const ColumnFacts* f : columns) {
            anchors += "<a name=\"" + f->topic + "\"></a>";
            labels.push_back(HeadingText(f->label));
            cells.push_back(f->cell);
        }
        std::string out = "<h3>" + anchors + JoinRun(labels) + "</h3>\n";
        if (!text.empty())
            out += text + "\n";
        std::vector<std::pair<std::vector<std::string>, std::string>> runs;  // labels, facts
        for (const ColumnFacts* f : columns) {
            std::string facts = Facts(sheet, *f, cells);
            if (runs.empty() || runs.back().second != facts)
                runs.emplace_back(std::vector<std::string>(), facts);
            runs.back().first.push_back(HeadingText(f->label));
        }
        if (runs.size() == 1)
            return out + runs[0].second;
        for (const auto& [run, facts] : runs)
            out += "<p><b>" + JoinRun(run) + "</b></p>\n" + facts;
        return out;
    }

    // Labels of a run of columns: "A to D" for three or more, "A, B" otherwise.
    std::string JoinRun(const std::vector<std::string>& labels) const
    {
        if (labels.size() >= 3)
            return labels.front() + " " + Phrase("to") + " " + labels.back();
        std::string out;
        for (const std::string& label : labels)
            out += (out.empty() ? "" : ", ") + label;
        return out;
    }

    std::string Item(const std::string& text) const
    {
        return text.empty() ? Phrase("empty") : "<code>" + Html(text) + "</code>";
    }

    std::string List(const std::vector<std::string>& items) const
    {
        std::string out;
        for (const std::string& item : items)
            out += (out.empty() ? "" : ", ") + Item(item);
        return out;
    }

    // The program's messages as quotes, with the manual's own quotation marks.
    std::string Quotes(const std::vector<std::string>& messages) const
    {
        std::string out;
        for (const std::string& message : messages)
            out += (out.empty() ? "" : "<br>") + Phrase("quote-open") + Said(message) + Phrase("quote-close");
        return out;
    }

    static std::string Row(const std::string& head, const std::string& value)
    {
        return "<tr><th>" + head + "</th><td>" + value + "</td></tr>\n";
    }

    // The table of what the program says of a column; what changes among the columns of its
    // own section (siblings) is left to the section's text.
    std::string Facts(const SheetFacts& sheet, const ColumnFacts& f, const std::vector<int>& siblings) const
    {
        std::string rows;
        if (f.readOnly)
            rows += Row(Phrase("read-only"), std::string());
        if (!f.hint.empty()) {
            std::string head = sheet.rowLabel.empty() ? Phrase("status-bar") : Phrase("status-bar-on", Html(sheet.rowLabel));
            rows += Row(head, Quotes({f.hint}));
        }
        if (!f.choices.empty()) {
            std::string value = f.choicesFollow ? Phrase("choices-follow", Html(sheet.rowLabel)) + " " : std::string();
            value += List(f.choices);
            if (f.typesNew)
                value += f.textLimit >= 0 ? Phrase("types-new-limit", q4::FormatD(f.textLimit)) : Phrase("types-new");
            rows += Row(Phrase("choices"), value);
        }
        for (const auto& [name, items] : f.settings)
            rows += Row(Phrase("settings", HeadingText(name)), List(items));
        if (!f.readOnly)
            rows += Row(Phrase("default"), Item(f.defaultText));
        if (!f.refusals.empty())
            rows += Row(Phrase("refusals"), Quotes(f.refusals));
        if (!f.unusedRefusals.empty())
            rows += Row(Phrase("unused-refusals"), Quotes(f.unusedRefusals));
        if (!f.changes.empty()) {
            std::string value;  // by sheet
            for (const auto& [index, places] : f.changes) {
                const SheetFacts& other = m_parts.sheets.at(static_cast<size_t>(index));
                std::vector<int> shown;
                for (int place : places) {
                    if (&other != &sheet || std::find(siblings.begin(), siblings.end(), place) == siblings.end())
                        shown.push_back(place);
                }
                if (!shown.empty())
                    value += (value.empty() ? "" : "<br>") + SheetTitle(other.title) + ": " + Places(other, shown);
            }
            if (!value.empty())
                rows += Row(Phrase("changes"), value);
        }
        return "<table class=\"facts\" cellspacing=\"0\" cellpadding=\"3\">\n" + rows + "</table>\n";
    }

    // Columns of a sheet by their labels, a run of three or more neighbours as "A to D".
    std::string Places(const SheetFacts& sheet, const std::vector<int>& places) const
    {
        auto label = [&](int cell) {
            for (const ColumnFacts& f : sheet.columns) {
                if (f.cell == cell)
                    return HeadingText(f.label);
            }
            return q4::FormatD(cell);
        };
        std::string out;
        for (size_t i = 0; i < places.size();) {
            size_t j = i;
            while (j + 1 < places.size() && places[j + 1] == places[j] + 1)
                ++j;
            std::vector<std::string> run;
            for (size_t k = i; k <= j; ++k)
                run.push_back(label(places[k]));
            out += (out.empty() ? "" : ", ") + JoinRun(run);
            i = j + 1;
        }
        return out;
    }

    // The chapters (h2) and their sections (h3) as nested lists of links.
    static std::string Contents(const std::string& html)
    {
        std::string out = "<ul class=\"contents\">\n";
        bool open = false;  // a list of sections open below a chapter
        bool first = true;
        for (const Heading& h : Headings(html)) {
            bool section = h.level == 3;
            if (section && !open) {
                out += "<ul>\n";
                open = true;
            } else if (!section) {
                out += open ? "</ul></li>\n" : first ? "" : "</li>\n";
                open = false;
            }
            out += "<li><a href=\"#" + h.anchor + "\">" + h.text + "</a>" + (section ? "</li>\n" : "");
            first = false;
        }
        out += open ? "</ul></li>\n" : first ? "" : "</li>\n";
        return out + "</ul>";
    }

    const std::string& m_source;
    const ManualParts& m_parts;
    std::map<std::string, std::string> m_phrases;
};

}  // namespace

std::string BuildManual(const std::string& source, const ManualParts& parts)
{
    return Builder(source, parts).Build();
}

std::map<std::string, std::vector<std::string>> DescribedTopics(const std::string& source)
{
    std::map<std::string, std::vector<std::string>> topics;
    std::string sheet;
    for (Directive d = NextDirective(source, 0); d.begin != std::string::npos; d = NextDirective(source, d.end)) {
        if (d.name == "columns" && !d.args.empty())
            sheet = d.args[0];
        else if (d.name == "end")
            sheet.clear();
        else if (d.name == "topic" && !sheet.empty())
            topics[sheet].insert(topics[sheet].end(), d.args.begin(), d.args.end());
    }
    return topics;
}

std::vector<std::string> AnchorNames(const std::string& html)
{
    const std::string open = ANCHOR_OPEN;
    std::vector<std::string> names;
    for (size_t at = html.find(open); at != std::string::npos; at = html.find(open, at + open.size())) {
        size_t begin = at + open.size();
        size_t end = html.find('"', begin);
        if (end == std::string::npos)
            break;
        names.push_back(html.substr(begin, end - begin));
    }
    return names;
}
