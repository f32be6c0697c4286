// A small JSON reader for checking the show command's output: objects, arrays, strings with
// their escapes and integers. Malformed text throws.
#pragma once

#include <cstdint>
#include <cstring>
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

    // One value on one line.
    static JsonValue Parse(const std::string& json)
    {
        size_t pos = 0;
        JsonValue v = Value(json, pos);
        if (json.substr(pos) != "\n")
            throw std::runtime_error("text after the value");
        return v;
    }

private:
    // The next character, which must be one of allowed when that is given.
    static char Take(const std::string& s, size_t& pos, const char* allowed = nullptr)
    {
        if (pos >= s.size() || (allowed && (!s[pos] || !std::strchr(allowed, s[pos]))))
            throw std::runtime_error("unexpected text at " + std::to_string(pos));
        return s[pos++];
    }
    // A string; only control characters may come as \u escapes.
    static std::string String(const std::string& s, size_t& pos)
    {
        Take(s, pos, "\"");
        std::string out;
        for (char c = Take(s, pos); c != '"'; c = Take(s, pos)) {
            if (static_cast<unsigned char>(c) < 0x20)
                throw std::runtime_error("raw control character in a string");
            if (c == '\\') {
                const char* escapes = "\"\\/bfnrtu";
                const char* e = std::strchr(escapes, Take(s, pos, escapes));
                c = "\"\\/\b\f\n\r\t"[e - escapes];
                if (*e == 'u') {
                    c = static_cast<char>(std::stoi(s.substr(pos, 4), nullptr, 16));
                    if (s.compare(pos, 2, "00") != 0 || static_cast<unsigned char>(c) >= 0x20)
                        throw std::runtime_error("a \\u escape of no control character");
                    pos += 4;
                }
            }
            out += c;
        }
        return out;
    }
    static JsonValue Value(const std::string& s, size_t& pos)
    {
        JsonValue v;
        const char c = pos < s.size() ? s[pos] : '\0';
        if (c == '"') {
            v.text = String(s, pos);
        } else if (c == '{' || c == '[') {
            const char* next = c == '{' ? ",}" : ",]";
            if (s[++pos] == next[1])
                return ++pos, v;
            do {
                if (c == '[') {
                    v.items.push_back(Value(s, pos));
                    continue;
                }
                std::string key = String(s, pos);
                Take(s, pos, ":");
                if (!v.members.emplace(key, Value(s, pos)).second)
                    throw std::runtime_error("duplicate key " + key);
            } while (Take(s, pos, next) == ',');
        } else {
            size_t used = 0;
            v.number = std::stoll(s.substr(pos, 24), &used);
            pos += used;
        }
        return v;
    }
};
