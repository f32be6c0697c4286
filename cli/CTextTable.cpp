// Column widths and padding of a text table.
#include "cli/CTextTable.h"

#include <algorithm>
#include <ostream>

size_t CTextTable::Width(const std::string& utf8)
{
    size_t width = 0;
    for (char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++width;
    }
    return width;
}

void CTextTable::Print(std::ostream& out) const
{
    std::vector<size_t> widths;
    for (const auto& row : m_rows) {
        if (widths.size() < row.size())
            widths.resize(row.size(), 0);
        for (size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], Width(row[c]));
    }
    for (const auto& row : m_rows) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size())
                line.append(widths[c] - Width(row[c]) + 2, ' ');
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out << line << '\n';
    }
}
