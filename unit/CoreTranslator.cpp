// Lookup of the core's texts: whole, by pattern, or line by line.
#include "unit/CoreTranslator.h"

#include "model/Cp1252.h"
#include "model/StringTable.h"
#include "unit/CoreTexts.h"

#include <algorithm>

namespace {

const TextKind g_TableKinds[] = {TextKind::Message, TextKind::Hint, TextKind::Transfer, TextKind::File};

bool StartsWith(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

CoreTranslator::CoreTranslator(Lookup lookup) : m_lookup(std::move(lookup))
{
    for (const StringEntry& entry : GetStringTable()) {
        const std::string text = q4::Cp1252ToUtf8(CoreTextKey(entry.text));
        Pattern pattern{TextKindName(entry.kind), text, {std::string()}, {}, 0};
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
                pattern.numbers.push_back(text[i + 1] - '1');
                pattern.literals.emplace_back();
                ++i;
            } else {
                pattern.literals.back() += text[i];
                ++pattern.literalLength;
            }
        }
        if (!pattern.numbers.empty())
            m_patterns.push_back(std::move(pattern));
    }
    // The most specific first: "One of: %1; or type a new one" before "One of: %1".
    std::stable_sort(m_patterns.begin(), m_patterns.end(),
                     [](const Pattern& a, const Pattern& b) { return a.literalLength > b.literalLength; });
}

std::string CoreTranslator::Translate(const char* context, const std::string& source) const
{
    return source.empty() ? std::string() : m_lookup(context, source);
}

// The parts of text that stand where the pattern has placeholders; each takes as little as the
// literal after it allows, the last one the rest.
bool CoreTranslator::Match(const Pattern& pattern, const std::string& text, std::vector<std::string>& parts)
{
    if (!StartsWith(text, pattern.literals[0]))
        return false;
    size_t pos = pattern.literals[0].size();
    for (size_t i = 0; i < pattern.numbers.size(); ++i) {
        const std::string& next = pattern.literals[i + 1];
        size_t end;
        if (i + 1 == pattern.numbers.size()) {
            if (!EndsWith(text, next) || text.size() - next.size() < pos)
                return false;
            end = text.size() - next.size();
        } else {
            end = text.find(next, pos);
            if (end == std::string::npos)
                return false;
        }
        const size_t number = static_cast<size_t>(pattern.numbers[i]);
        if (parts.size() <= number)
            parts.resize(number + 1);
        parts[number] = text.substr(pos, end - pos);
        pos = end + next.size();
    }
    return true;
}

// A part of a pattern: a sheet's title, another text of the table, or what it is (a number, a
// path, the system's reason).
std::string CoreTranslator::TrPart(const std::string& part, int depth) const
{
    std::string sheet = Translate(CONTEXT_SHEETS, part);
    if (!sheet.empty())
        return sheet;
    return depth < 3 ? TrText(part, depth + 1) : part;
}

std::string CoreTranslator::TrText(const std::string& text, int depth) const
{
    for (TextKind kind : g_TableKinds) {
        std::string whole = Translate(TextKindName(kind), text);
        if (!whole.empty())
            return whole;
    }
    for (const Pattern& pattern : m_patterns) {
        std::vector<std::string> parts;
        if (!Match(pattern, text, parts))
            continue;
        const std::string translated = Translate(pattern.context, pattern.source);
        if (translated.empty())
            continue;
        for (std::string& part : parts)
            part = TrPart(part, depth);
        return FillPlaceholders(translated, parts);
    }
    if (text.find('\n') != std::string::npos) {
        std::string lines;
        size_t start = 0;
        for (size_t end = text.find('\n'); ; end = text.find('\n', start)) {
            lines += TrText(text.substr(start, end == std::string::npos ? std::string::npos : end - start), depth);
            if (end == std::string::npos)
                break;
            lines += '\n';
            start = end + 1;
        }
        return lines;
    }
    return text;
}

std::string CoreTranslator::Text(const std::string& cp1252) const
{
    const std::string key = q4::Cp1252ToUtf8(CoreTextKey(cp1252));
    if (key.empty())
        return q4::Cp1252ToUtf8(cp1252);
    std::string translated = TrText(key, 0);
    return translated == key ? q4::Cp1252ToUtf8(cp1252) : translated;
}

std::string CoreTranslator::Sheet(const std::string& cp1252) const
{
    return Whole(CONTEXT_SHEETS, cp1252);
}

std::string CoreTranslator::Heading(const std::string& cp1252) const
{
    return Whole(CONTEXT_HEADINGS, cp1252);
}

std::string CoreTranslator::Whole(const char* context, const std::string& cp1252) const
{
    std::string translated = Translate(context, q4::Cp1252ToUtf8(CoreTextKey(cp1252)));
    return translated.empty() ? q4::Cp1252ToUtf8(cp1252) : translated;
}
