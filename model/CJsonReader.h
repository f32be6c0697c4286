// A strict JSON reader for set-ups, plant files and plant logs written as text: every value
// keeps the line and column it starts at, so that a message can point at it. Numbers are kept
// as written.
#pragma once

#include <string>
#include <vector>

struct JSON_MEMBER;

struct JSON_VALUE {
    enum KIND { NUL, BOOLEAN, NUMBER, STRING, ARRAY, OBJECT };
    KIND nKind = NUL;
    std::string strText;  // a string's UTF-8 text, a number or true/false as written
    std::vector<JSON_VALUE> arItems;
    std::vector<JSON_MEMBER> arMembers;  // in their order, keys unique
    int nLine = 1;
    int nColumn = 1;

    // The member named key of an object, or null.
    const JSON_VALUE* Find(const std::string& key) const;
    // The member named key; throws CJsonError when the object has none.
    const JSON_VALUE& At(const std::string& key) const;
    // "line L column C: " for messages.
    std::string Where() const;
};

// A member of an object. Not a std::pair: a pair of a type not yet complete does not build
// with clang.
struct JSON_MEMBER {
    std::string strKey;
    JSON_VALUE value;
};

class CJsonReader {
public:
    // The one value the text holds; throws CJsonError naming the line and column of a fault.
    static JSON_VALUE Parse(const std::string& text);

private:
    explicit CJsonReader(const std::string& text) : m_strText(text) {}

    JSON_VALUE Value(int depth);
    std::string String();
    void Number(JSON_VALUE& value);
    void Literal(JSON_VALUE& value);
    unsigned Hex4();
    void SkipBlanks();
    char Peek() const { return m_nPos < m_strText.size() ? m_strText[m_nPos] : '\0'; }
    bool AtEnd() const { return m_nPos >= m_strText.size(); }
    void Expect(char c, const char* what);
    [[noreturn]] void Fail(const std::string& what) const;

    const std::string& m_strText;
    size_t m_nPos = 0;
    int m_nLine = 1;
    size_t m_nLineStart = 0;
};
