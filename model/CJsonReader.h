// A strict JSON reader for set-ups, plant files and plant logs written as text: every value
// keeps the line and column it starts at, so that a message can point at it. Numbers are kept
// as written.
#pragma once

#include <string>
#include <vector>

struct JsonMember;

struct JsonValue {
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    std::string text;  // a string's UTF-8 text, a number or true/false as written
    std::vector<JsonValue> items;
    std::vector<JsonMember> members;  // in their order, keys unique
    int line = 1;
    int column = 1;

    // The member named key of an object, or null.
    const JsonValue* Find(const std::string& key) const;
    // The member named key; throws CJsonError when the object has none.
    const JsonValue& At(const std::string& key) const;
    // "line L column C: " for messages.
    std::string Where() const;
};

// A member of an object. Not a std::pair: a pair of a type not yet complete does not build
// with clang.
struct JsonMember {
    std::string key;
    JsonValue value;
};

class CJsonReader {
public:
    // The one value the text holds; throws CJsonError naming the line and column of a fault.
    static JsonValue Parse(const std::string& text);

private:
    explicit CJsonReader(const std::string& text) : m_text(text) {}

    JsonValue Value(int depth);
    std::string String();
    void Number(JsonValue& value);
    void Literal(JsonValue& value);
    unsigned Hex4();
    void SkipBlanks();
    char Peek() const { return m_pos < m_text.size() ? m_text[m_pos] : '\0'; }
    bool AtEnd() const { return m_pos >= m_text.size(); }
    void Expect(char c, const char* what);
    [[noreturn]] void Fail(const std::string& what) const;

    const std::string& m_text;
    size_t m_pos = 0;
    int m_line = 1;
    size_t m_lineStart = 0;
};
