// A small JSON reader for checking the show command's output: objects, arrays, strings with
// their escapes, integers and null. Malformed text throws std::runtime_error.
#pragma once

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

struct JsonValue {
    std::string text;
    int64_t number = 0;
    std::vector<JsonValue> items;
    std::map<std::string, JsonValue> members;

    const JsonValue& operator[](const std::string& key) const { return members.at(key); }
    const JsonValue& operator[](size_t i) const { return items.at(i); }
    size_t size() const { return items.empty() ? members.size() : items.size(); }

    static JsonValue Parse(const std::string& json)
    {
        size_t pos = 0;
        JsonValue v = Value(json, pos);
        if (json.find_first_not_of(" \n", pos) != std::string::npos)
            throw std::runtime_error("text after the value");
        return v;
    }

private:
    static char Next(const std::string& s, size_t& pos)
    {
        if (pos >= s.size())
            throw std::runtime_error("unexpected end");
        return s[pos++];
    }
    static void Expect(const std::string& s, size_t& pos, char c)
    {
        if (Next(s, pos) != c)
            throw std::runtime_error(std::string("expected ") + c + " at " + std::to_string(pos - 1));
    }
    static std::string String(const std::string& s, size_t& pos)
    {
        Expect(s, pos, '"');
        std::string out;
        for (char c = Next(s, pos); c != '"'; c = Next(s, pos)) {
            if (static_cast<unsigned char>(c) < 0x20)
                throw std::runtime_error("raw control character in a string");
            if (c != '\\') {
                out += c;
                continue;
            }
            char e = Next(s, pos);
            const std::string simple = "\"\\/bfnrt", meaning = "\"\\/\b\f\n\r\t";
            if (simple.find(e) != std::string::npos) {
                out += meaning[simple.find(e)];
            } else if (e == 'u' && pos + 4 <= s.size()) {
                unsigned long cp = std::stoul(s.substr(pos, 4), nullptr, 16);
                pos += 4;
                if (cp >= 0x80)
                    throw std::runtime_error("only control characters are escaped");
                out += static_cast<char>(cp);
            } else {
                throw std::runtime_error("bad escape");
            }
        }
        return out;
    }
    static JsonValue Value(const std::string& s, size_t& pos)
    {
        JsonValue v;
        char c = pos < s.size() ? s[pos] : '\0';
        if (c == '"') {
            v.text = String(s, pos);
        } else if (c == '{' || c == '[') {
            ++pos;
            char close = c == '{' ? '}' : ']';
            if (pos < s.size() && s[pos] == close) {
                ++pos;
                return v;
            }
            do {
                if (c == '[') {
                    v.items.push_back(Value(s, pos));
                    continue;
                }
                std::string key = String(s, pos);
                Expect(s, pos, ':');
                if (!v.members.emplace(key, Value(s, pos)).second)
                    throw std::runtime_error("duplicate key " + key);
            } while (Next(s, pos) == ',' || (--pos, false));
            Expect(s, pos, close);
        } else if (s.compare(pos, 4, "null") == 0) {
            pos += 4;
        } else {
            size_t used = 0;
            v.number = std::stoll(s.substr(pos, 24), &used);
            pos += used;
        }
        return v;
    }
};
