// A small streaming JSON writer: objects, arrays, UTF-8 strings, integers and booleans, with commas
// placed by the writer. The caller nests the calls properly.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

class CJsonWriter {
public:
    explicit CJsonWriter(std::ostream& out) : m_out(out) {}

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(const std::string& key);
    void String(const std::string& utf8);
    void Number(int64_t value);
    void Bool(bool value);
    void Null();

    // The JSON string literal of a UTF-8 text, quotes included.
    static std::string Quote(const std::string& utf8);

private:
    void BeforeValue();

    std::ostream& m_out;
    std::vector<bool> m_first;  // per open container: nothing written in it yet
    bool m_afterKey = false;
};
