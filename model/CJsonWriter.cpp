// JSON output with proper string escaping.
#include "model/CJsonWriter.h"

#include <ostream>

void CJsonWriter::BeforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_first.empty()) {
        if (!m_first.back())
            m_out << ',';
        m_first.back() = false;
    }
}

void CJsonWriter::BeginObject()
{
    BeforeValue();
    m_out << '{';
    m_first.push_back(true);
}

void CJsonWriter::EndObject()
{
    m_first.pop_back();
    m_out << '}';
}

void CJsonWriter::BeginArray()
{
    BeforeValue();
    m_out << '[';
    m_first.push_back(true);
}

void CJsonWriter::EndArray()
{
    m_first.pop_back();
    m_out << ']';
}

void CJsonWriter::Key(const std::string& key)
{
    BeforeValue();
    m_out << Quote(key) << ':';
    m_afterKey = true;
}

void CJsonWriter::String(const std::string& utf8)
{
    BeforeValue();
    m_out << Quote(utf8);
}

void CJsonWriter::Number(int64_t value)
{
    BeforeValue();
    m_out << value;
}

void CJsonWriter::Bool(bool value)
{
    BeforeValue();
    m_out << (value ? "true" : "false");
}

void CJsonWriter::Null()
{
    BeforeValue();
    m_out << "null";
}

std::string CJsonWriter::Quote(const std::string& utf8)
{
    static const char g_Hex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char c : utf8) {
        auto b = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (b < 0x20) {
                out += "\\u00";
                out += g_Hex[b >> 4];
                out += g_Hex[b & 0x0F];
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}
