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

const JSON_VALUE* JSON_VALUE::Find(const std::string& key) const
{
    for (const auto& [name, value] : arMembers) {
        if (name == key)
            return &value;
    }
    return nullptr;
}

const JSON_VALUE& JSON_VALUE::At(const std::string& key) const
{
    const JSON_VALUE* member = Find(key);
    if (!member)
        throw CJsonError(Where() + "the object has no \"" + key + "\"");
    return *member;
}

std::string JSON_VALUE::Where() const
{
    return "line " + std::to_string(nLine) + " column " + std::to_string(nColumn) + ": ";
}

JSON_VALUE CJsonReader::Parse(const std::string& text)
{
    CJsonReader reader(text);
    reader.SkipBlanks();
    JSON_VALUE value = reader.Value(0);
    reader.SkipBlanks();
    if (!reader.AtEnd())
        reader.Fail("text after the JSON value");
    return value;
}

void CJsonReader::Fail(const std::string& what) const
{
    throw CJsonError("line " + std::to_string(m_nLine) + " column " + std::to_string(m_nPos - m_nLineStart + 1) + ": "
                    + what);
}

void CJsonReader::SkipBlanks()
{
    for (; !AtEnd(); ++m_nPos) {
        char c = m_strText[m_nPos];
        if (c == '\n') {
            ++m_nLine;
            m_nLineStart = m_nPos + 1;
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
    ++m_nPos;
}

JSON_VALUE CJsonReader::Value(int depth)
{
    SkipBlanks();
    JSON_VALUE value;
    value.nLine = m_nLine;
    value.nColumn = static_cast<int>(m_nPos - m_nLineStart + 1);
    char c = Peek();
    if (AtEnd())
        Fail("the text ends where a value belongs");
    if ((c == '[' || c == '{') && depth >= MAX_DEPTH)
        Fail("arrays and objects nested too deep");
    if (c == '"') {
        value.nKind = JSON_VALUE::STRING;
        value.strText = String();
    } else if (c == '[') {
        value.nKind = JSON_VALUE::ARRAY;
        ++m_nPos;
        SkipBlanks();
        if (Peek() == ']') {
            ++m_nPos;
            return value;
        }
        while (true) {
            value.arItems.push_back(Value(depth + 1));
            SkipBlanks();
            if (Peek() != ',')
                break;
            ++m_nPos;
        }
        Expect(']', "',' or ']'");
    } else if (c == '{') {
        value.nKind = JSON_VALUE::OBJECT;
        ++m_nPos;
        SkipBlanks();
        if (Peek() == '}') {
            ++m_nPos;
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
            value.arMembers.push_back({std::move(key), Value(depth + 1)});
            SkipBlanks();
            if (Peek() != ',')
                break;
            ++m_nPos;
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
    ++m_nPos;  // the opening quote
    std::string out;
    while (true) {
        if (AtEnd())
            Fail("a string that is not closed");
        char c = m_strText[m_nPos];
        if (c == '"') {
            ++m_nPos;
            return out;
        }
        if (static_cast<unsigned char>(c) < 0x20)
            Fail("a control character in a string (write it as \\u00XX)");
        ++m_nPos;
        if (c != '\\') {
            out += c;
            continue;
        }
        char e = Peek();
        ++m_nPos;
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
                if (m_strText.compare(m_nPos, 2, "\\u") != 0)
                    Fail("a \\u escape of a high surrogate without its low one");
                m_nPos += 2;
                unsigned low = Hex4();
                if (low < 0xDC00 || low > 0xDFFF)
                    Fail("a \\u escape of a high surrogate without its low one");
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            }
            q4::AppendUtf8(out, cp);
            break;
        }
        default:
            --m_nPos;
            Fail("an unknown escape in a string");
        }
    }
}

unsigned CJsonReader::Hex4()
{
    unsigned value = 0;
    for (int i = 0; i < 4; ++i, ++m_nPos) {
        int digit = AtEnd() ? -1 : q4::HexDigit(m_strText[m_nPos]);
        if (digit < 0)
            Fail("\\u needs four hexadecimal digits");
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return value;
}

void CJsonReader::Number(JSON_VALUE& value)
{
    size_t start = m_nPos;
    if (Peek() == '-')
        ++m_nPos;
    if (Peek() == '0') {
        ++m_nPos;
    } else if (IsDigit(Peek())) {
        while (IsDigit(Peek()))
            ++m_nPos;
    } else {
        Fail("a number needs digits");
    }
    if (Peek() == '.') {
        ++m_nPos;
        if (!IsDigit(Peek()))
            Fail("a number needs digits after its point");
        while (IsDigit(Peek()))
            ++m_nPos;
    }
    if (Peek() == 'e' || Peek() == 'E') {
        ++m_nPos;
        if (Peek() == '+' || Peek() == '-')
            ++m_nPos;
        if (!IsDigit(Peek()))
            Fail("a number needs digits in its exponent");
        while (IsDigit(Peek()))
            ++m_nPos;
    }
    value.nKind = JSON_VALUE::NUMBER;
    value.strText = m_strText.substr(start, m_nPos - start);
}

void CJsonReader::Literal(JSON_VALUE& value)
{
    for (const char* word : {"true", "false", "null"}) {
        if (m_strText.compare(m_nPos, std::char_traits<char>::length(word), word) == 0) {
            value.nKind = word[0] == 'n' ? JSON_VALUE::NUL : JSON_VALUE::BOOLEAN;
            value.strText = word;
            m_nPos += std::char_traits<char>::length(word);
            return;
        }
    }
    Fail("expected a value");
}
