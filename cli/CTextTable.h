// A table of texts printed with aligned columns: each column as wide as its widest text plus
// two blanks, no blanks at the end of a line. Texts are UTF-8; width counts characters.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class CTextTable {
public:
    void AddRow(std::vector<std::string> row) { m_rows.push_back(std::move(row)); }
    void Print(std::ostream& out) const;

    static size_t Width(const std::string& utf8);

private:
    std::vector<std::vector<std::string>> m_rows;
};
