// A small JSON reader for checking the show command's output: values, arrays, objects,
// strings with every escape (surrogate pairs included), integers, true, false and null.
// Malformed text throws std::runtime_error.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

struct JsonValue {
    enum Kind { NUL, BOOL, NUMBER, STRING, ARRAY, OBJECT } kind = NUL;
    bool b = false;
    int64_t number = 0;
    std::string text;
    std::vector<JsonValue> items;
    std::map<std::string, JsonValue> members;

    const JsonValue& operator[](const std::string& key) const
    {
        auto it = members.find(key);
        if (kind != OBJECT || it == members.end())
            throw std::runtime_error("no member " + key);
        return it->second;
    }
    const JsonValue& operator[](size_t i) const
    {
        if (kind != ARRAY || i >= items.size())
            throw std::runtime_error("no item " + std::to_string(i));
        return items[i];
    }
    size_t size() const { return kind == ARRAY ? items.size() : members.size(); }

    static JsonValue Parse(const std::string& json)
    {
        size_t pos = 0;
        JsonValue v = ParseValue(json, pos);
        SkipBlanks(json, pos);
        if (pos != json.size())
            throw std::runtime_error("text after the value at " + std::to_string(pos));
        return v;
    }

private:
    static void SkipBlanks(const std::string& s, size_t& pos)
    {
        while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\n' || s[pos] == '\r' || s[pos] == '\t'))
            ++pos;
    }
    static void Expect(const std::string& s, size_t& pos, char c)
    {
        SkipBlanks(s, pos);
        if (pos >= s.size() || s[pos] != c)
            throw std::runtime_error(std::string("expected ") + c + " at " + std::to_string(pos));
        ++pos;
    }
    static void AppendUtf8(std::string& out, uint32_t cp)
    {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    static uint32_t Hex4(const std::string& s, size_t& pos)
    {
        if (pos + 4 > s.size())
            throw std::runtime_error("short \\u escape");
        uint32_t v = static_cast<uint32_t>(std::stoul(s.substr(pos, 4), nullptr, 16));
        pos += 4;
        return v;
    }
    static std::string ParseString(const std::string& s, size_t& pos)
    {
        Expect(s, pos, '"');
        std::string out;
        while (pos < s.size() && s[pos] != '"') {
            char c = s[pos++];
            if (static_cast<unsigned char>(c) < 0x20)
                throw std::runtime_error("raw control character in a string");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos >= s.size())
                break;
            char e = s[pos++];
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
                uint32_t cp = Hex4(s, pos);
                if (cp >= 0xD800 && cp <= 0xDBFF && s.compare(pos, 2, "\\u") == 0) {
                    pos += 2;
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (Hex4(s, pos) - 0xDC00);
                }
                AppendUtf8(out, cp);
                break;
            }
            default:
                throw std::runtime_error("bad escape");
            }
        }
        Expect(s, pos, '"');
        return out;
    }
    static JsonValue ParseValue(const std::string& s, size_t& pos)
    {
        SkipBlanks(s, pos);
        if (pos >= s.size())
            throw std::runtime_error("missing value");
        JsonValue v;
        char c = s[pos];
        if (c == '{') {
            v.kind = OBJECT;
            ++pos;
            SkipBlanks(s, pos);
            if (pos < s.size() && s[pos] == '}') {
                ++pos;
                return v;
            }
            for (;;) {
                std::string key = ParseString(s, pos);
                Expect(s, pos, ':');
                if (!v.members.emplace(key, ParseValue(s, pos)).second)
                    throw std::runtime_error("duplicate key " + key);
                SkipBlanks(s, pos);
                if (pos < s.size() && s[pos] == ',') {
                    ++pos;
                    continue;
                }
                Expect(s, pos, '}');
                return v;
            }
        }
        if (c == '[') {
            v.kind = ARRAY;
            ++pos;
            SkipBlanks(s, pos);
            if (pos < s.size() && s[pos] == ']') {
                ++pos;
                return v;
            }
            for (;;) {
                v.items.push_back(ParseValue(s, pos));
                SkipBlanks(s, pos);
                if (pos < s.size() && s[pos] == ',') {
                    ++pos;
                    continue;
                }
                Expect(s, pos, ']');
                return v;
            }
        }
        if (c == '"') {
            v.kind = STRING;
            v.text = ParseString(s, pos);
            return v;
        }
        for (const char* word : {"true", "false", "null"}) {
            if (s.compare(pos, std::string(word).size(), word) == 0) {
                pos += std::string(word).size();
                v.kind = word[0] == 'n' ? NUL : BOOL;
                v.b = word[0] == 't';
                return v;
            }
        }
        size_t end = pos;
        if (end < s.size() && s[end] == '-')
            ++end;
        while (end < s.size() && s[end] >= '0' && s[end] <= '9')
            ++end;
        if (end == pos || (end == pos + 1 && s[pos] == '-'))
            throw std::runtime_error("bad value at " + std::to_string(pos));
        v.kind = NUMBER;
        v.number = std::stoll(s.substr(pos, end - pos));
        pos = end;
        return v;
    }
};
