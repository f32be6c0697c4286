// The core's texts in another language, put together the way the desktop program shows them
// and the manual prints them: a text of the string table whole, by one of the table's patterns
// with each part translated in turn, or line by line; a sheet's title; a heading. The words
// themselves come from the caller (Qt's translators, a translation file), by context and
// English text.
#pragma once

#include <functional>
#include <string>
#include <vector>

class CoreTranslator {
public:
    // The translation of source (UTF-8, as CoreTextKey gives it) in context ("Messages",
    // "Sheets", ...), UTF-8; an empty text when there is none.
    using Lookup = std::function<std::string(const char* context, const std::string& source)>;

    explicit CoreTranslator(Lookup lookup);

    // A text of the string table (a message, a hint, a transfer's or a file's text), Windows-1252
    // as the core keeps it, in UTF-8: translated whole, by a pattern or line by line; a text none
    // of these finds comes back as it is.
    std::string Text(const std::string& cp1252) const;
    // A sheet's title ("Physical Input").
    std::string Sheet(const std::string& cp1252) const;
    // A heading of a sheet, a General setting's name, a flag's name: the blanks that pad it go
    // with a translation.
    std::string Heading(const std::string& cp1252) const;
    // A text translated whole in a context of a room above this one (the set-up checks' "Checks":
    // a rule's sentence, its reason, the name of a sentence's part); as it is where it has none.
    std::string Whole(const char* context, const std::string& cp1252) const;

private:
    // A text of the table with placeholders, cut at them: literal[0] %n literal[1] %m ...
    struct Pattern {
        const char* context;
        std::string source;  // UTF-8
        std::vector<std::string> literals;
        std::vector<int> numbers;  // of the placeholders, 0 for %1
        size_t literalLength = 0;
    };

    std::string Translate(const char* context, const std::string& source) const;
    std::string TrText(const std::string& text, int depth) const;
    std::string TrPart(const std::string& part, int depth) const;
    static bool Match(const Pattern& pattern, const std::string& text, std::vector<std::string>& parts);

    Lookup m_lookup;
    std::vector<Pattern> m_patterns;  // the most specific first
};
