// Reading JSON text: RFC 8259 values, \u escapes with surrogate pairs into UTF-8, a bound on
// nesting so that hostile text cannot exhaust the stack.
#include "model/CJsonReader.h"

#include "model/CJsonError.h"
#include "model/Cp1252.h"
#include "model/HexText.h"

#include <utility>

namespace {

// A set-up is four levels deep; anything far deeper is no set-up.
constexpr int MAX_DEPTH = 32;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

const JsonValue* JsonValue::Find(const std::string& key) const
{
    for (const auto& [name, value] : members) {
        if (name == key)
            return &value;
    }
    return nullptr;
}

const JsonValue& JsonValue::At(const std::string& key) const
{
    const JsonValue* member = Find(key);
    if (!member)
        throw CJsonError(Where() + "the object has no \"" + key + "\"");
    return *member;
}

std::string JsonValue::Where() const
{
    return "line " + std::to_string(line) + " column " + std::to_string(column) + ": ";
}

JsonValue CJsonReader::Parse(const std::string& text)
{
    CJsonReader reader(text);
    reader.SkipBlanks();
    JsonValue value = reader.Value(0);
    reader.SkipBlanks();
    if (!reader.AtEnd())
        reader.Fail("text after the JSON value");
    return value;
}

void CJsonReader::Fail(const std::string& what) const
{
    throw CJsonError("line " + std::to_string(m_line) + " column " + std::to_string(m_pos - m_lineStart + 1) + ": "
                    + what);
}

void CJsonReader::SkipBlanks()
{
    for (; !AtEnd(); ++m_pos) {
        char c = m_text[m_pos];
        if (c == '\n') {
            ++m_line;
            m_lineStart = m_pos + 1;
        } else if (c != ' ' && c != '\t' && c != '\r') {
            return;
        }
    }
}

void CJsonReader::Expect(char c, const char* what)
{
    SkipBlanks();
    if (Peek() != c)
        Fail(AtEnd() ? std::string("the text ends where ") + what + " belongs" : std::string("expected ") + what);
    ++m_pos;
}

JsonValue CJsonReader::Value(int depth)
{
    SkipBlanks();
    JsonValue value;
    value.line = m_line;
    value.column = static_cast<int>(m_pos - m_lineStart + 1);
    char c = Peek();
    if (AtEnd())
        Fail("the text ends where a value belongs");
    if ((c == '[' || c == '{') && depth >= MAX_DEPTH)
        Fail("arrays and objects nested too deep");
    if (c == '"') {
        value.kind = JsonValue::Kind::String;
        value.text = String();
    } else if (c == '[') {
        value.kind = JsonValue::Kind::Array;
        ++m_pos;
        SkipBlanks();
        if (Peek() == ']') {
            ++m_pos;
            return value;
        }
        while (true) {
            value.items.push_back(Value(depth + 1));
            SkipBlanks();
            if (Peek() != ',')
                break;
            ++m_pos;
        }
        Expect(']', "',' or ']'");
    } else if (c == '{') {
        value.kind = JsonValue::Kind::Object;
        ++m_pos;
        SkipBlanks();
        if (Peek() == '}') {
            ++m_pos;
            return value;
        }
        while (true) {
            SkipBlanks();
            if (Peek() != '"')
                Fail("expected a key in quotes");
            std::string key = String();
            if (value.Find(key))
                Fail("the key \"" + key + "\" appears twice");
            Expect(':', "':'");
            value.members.push_back({std::move(key), Value(depth + 1)});
            SkipBlanks();
            if (Peek() != ',')
                break;
            ++m_pos;
        }
        Expect('}', "',' or '}'");
    } else if (c == '-' || IsDigit(c)) {
        Number(value);
    } else {
        Literal(value);
    }
    return value;
}

std::string CJsonReader::String()
{
    ++m_pos;  // the opening quote
    std::string out;
    while (true) {
        if (AtEnd())
            Fail("a string that is not closed");
        char c = m_text[m_pos];
        if (c == '"') {
            ++m_pos;
            return out;
        }
        if (static_cast<unsigned char>(c) < 0x20)
            Fail("a control character in a string (write it as \\u00XX)");
        ++m_pos;
        if (c != '\\') {
            out += c;
            continue;
        }
        char e = Peek();
        ++m_pos;
        switch (e) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
            unsigned cp = Hex4();
            if (cp >= 0xDC00 && cp <= 0xDFFF)
                Fail("a \\u escape of a lone low surrogate");
            if (cp >= 0xD800 && cp <= 0xDBFF) {
                if (m_text.compare(m_pos, 2, "\\u") != 0)
                    Fail("a \\u escape of a high surrogate without its low one");
                m_pos += 2;
                unsigned low = Hex4();
                if (low < 0xDC00 || low > 0xDFFF)
                    Fail("a \\u escape of a high surrogate without its low one");
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            }
            q4::AppendUtf8(out, cp);
            break;
        }
        default:
            --m_pos;
            Fail("an unknown escape in a string");
        }
    }
}

unsigned CJsonReader::Hex4()
{
    unsigned value = 0;
    for (int i = 0; i < 4; ++i, ++m_pos) {
        int digit = AtEnd() ? -1 : q4::HexDigit(m_text[m_pos]);
        if (digit < 0)
            Fail("\\u needs four hexadecimal digits");
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return value;
}

void CJsonReader::Number(JsonValue& value)
{
    size_t start = m_pos;
    if (Peek() == '-')
        ++m_pos;
    if (Peek() == '0') {
        ++m_pos;
    } else if (IsDigit(Peek())) {
        while (IsDigit(Peek()))
            ++m_pos;
    } else {
        Fail("a number needs digits");
    }
    if (Peek() == '.') {
        ++m_pos;
        if (!IsDigit(Peek()))
            Fail("a number needs digits after its point");
        while (IsDigit(Peek()))
            ++m_pos;
    }
    if (Peek() == 'e' || Peek() == 'E') {
        ++m_pos;
        if (Peek() == '+' || Peek() == '-')
            ++m_pos;
        if (!IsDigit(Peek()))
            Fail("a number needs digits in its exponent");
        while (IsDigit(Peek()))
            ++m_pos;
    }
    value.kind = JsonValue::Kind::Number;
    value.text = m_text.substr(start, m_pos - start);
}

void CJsonReader::Literal(JsonValue& value)
{
    for (const char* word : {"true", "false", "null"}) {
        if (m_text.compare(m_pos, std::char_traits<char>::length(word), word) == 0) {
            value.kind = word[0] == 'n' ? JsonValue::Kind::Null : JsonValue::Kind::Boolean;
            value.text = word;
            m_pos += std::char_traits<char>::length(word);
            return;
        }
    }
    Fail("expected a value");
}
