// Lookup of the core's texts: whole, by pattern, or line by line.
#include "ui/CoreTranslation.h"

#include "model/StringTable.h"
#include "ui/QtText.h"
#include "unit/CoreTexts.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <map>
#include <vector>

namespace {

// A text of the table with placeholders, cut at them: literal[0] %n literal[1] %m literal[2] ...
struct Pattern {
    const char* context;
    QByteArray source;
    QStringList literals;
    std::vector<int> numbers;  // of the placeholders, 0 for %1
    int literalLength = 0;
};

std::vector<Pattern> BuildPatterns()
{
    std::vector<Pattern> patterns;
    for (const StringEntry& entry : GetStringTable()) {
        const QString text = q4ui::ToQString(CoreTextKey(entry.text));
        Pattern pattern{TextKindName(entry.kind), text.toUtf8(), {QString()}, {}, 0};
        for (int i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('%') && i + 1 < text.size() && text[i + 1] >= QLatin1Char('1')
                && text[i + 1] <= QLatin1Char('9')) {
                pattern.numbers.push_back(text[i + 1].unicode() - '1');
                pattern.literals << QString();
                ++i;
            } else {
                pattern.literals.last() += text[i];
                ++pattern.literalLength;
            }
        }
        if (!pattern.numbers.empty())
            patterns.push_back(std::move(pattern));
    }
    // The most specific first: "One of: %1; or type a new one" before "One of: %1".
    std::stable_sort(patterns.begin(), patterns.end(),
                     [](const Pattern& a, const Pattern& b) { return a.literalLength > b.literalLength; });
    return patterns;
}

const std::vector<Pattern>& Patterns()
{
    static const std::vector<Pattern> patterns = BuildPatterns();
    return patterns;
}

const std::vector<const char*>& TableContexts()
{
    static const std::vector<const char*> contexts = {TextKindName(TextKind::Message), TextKindName(TextKind::Hint),
                                                       TextKindName(TextKind::Transfer), TextKindName(TextKind::File)};
    return contexts;
}

// The parts of text that stand where the pattern has placeholders; each takes as little as the
// literal after it allows, the last one the rest.
bool Match(const Pattern& pattern, const QString& text, std::map<int, QString>& parts)
{
    if (!text.startsWith(pattern.literals[0]))
        return false;
    qsizetype pos = pattern.literals[0].size();
    for (size_t i = 0; i < pattern.numbers.size(); ++i) {
        const QString& next = pattern.literals[static_cast<qsizetype>(i) + 1];
        qsizetype end;
        if (i + 1 == pattern.numbers.size()) {
            if (!text.endsWith(next) || text.size() - next.size() < pos)
                return false;
            end = text.size() - next.size();
        } else {
            end = text.indexOf(next, pos);
            if (end < 0)
                return false;
        }
        parts[pattern.numbers[i]] = text.mid(pos, end - pos);
        pos = end + next.size();
    }
    return true;
}

QString Fill(const QString& pattern, const std::map<int, QString>& parts)
{
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        auto part = i + 1 < pattern.size() ? parts.find(pattern[i + 1].unicode() - '1') : parts.end();
        if (pattern[i] == QLatin1Char('%') && part != parts.end()) {
            text += part->second;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

QString Translate(const char* context, const QString& source)
{
    return QCoreApplication::translate(context, source.toUtf8().constData());
}

QString TrText(const QString& text, int depth);

// A part of a pattern: a sheet's title, another text of the table, or what it is (a number, a
// path, the system's reason).
QString TrPart(const QString& part, int depth)
{
    QString sheet = Translate(CONTEXT_SHEETS, part);
    if (sheet != part)
        return sheet;
    return depth < 3 ? TrText(part, depth + 1) : part;
}

QString TrText(const QString& text, int depth)
{
    for (const char* context : TableContexts()) {
        QString whole = Translate(context, text);
        if (whole != text)
            return whole;
    }
    for (const Pattern& pattern : Patterns()) {
        std::map<int, QString> parts;
        if (!Match(pattern, text, parts))
            continue;
        const QString source = QString::fromUtf8(pattern.source);
        QString translated = Translate(pattern.context, source);
        if (translated == source)
            continue;
        for (auto& [number, part] : parts)
            part = TrPart(part, depth);
        return Fill(translated, parts);
    }
    if (text.contains(QLatin1Char('\n'))) {
        QStringList lines = text.split(QLatin1Char('\n'));
        for (QString& line : lines)
            line = TrText(line, depth);
        return lines.join(QLatin1Char('\n'));
    }
    return text;
}

}  // namespace

namespace q4ui {

QString TrCore(const std::string& text)
{
    const QString key = ToQString(CoreTextKey(text));
    if (key.isEmpty())
        return ToQString(text);
    QString translated = TrText(key, 0);
    return translated == key ? ToQString(text) : translated;
}

QString TrSheet(const std::string& title)
{
    const QString key = ToQString(CoreTextKey(title));
    QString translated = Translate(CONTEXT_SHEETS, key);
    return translated == key ? ToQString(title) : translated;
}

QString TrHeading(const QString& heading)
{
    const QString key = heading.trimmed();
    QString translated = key.isEmpty() ? key : Translate(CONTEXT_HEADINGS, key);
    return translated == key ? heading : translated;
}

}  // namespace q4ui
