// Topic names of sheets and columns.
#include "model/HelpTopic.h"

#include "model/INordaSetupType.h"

std::string TopicWords(const std::string& text)
{
    std::string words;
    bool gap = false;
    for (char c : text) {
        bool letter = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
            letter = true;
        }
        if (!letter) {
            gap = true;
            continue;
        }
        if (gap && !words.empty())
            words += '-';
        gap = false;
        words += c;
    }
    return words;
}

std::string SheetTopic(const INordaSetupType& type)
{
    return TopicWords(type.m_strTitle);
}

std::string CellTopic(const INordaSetupType& type, int section, int cell)
{
    std::string sheet = SheetTopic(type);
    if (section < 0 || cell <= 0 || !type.GetProperty(section, cell))
        return sheet;
    if (type.m_nSetupType == ST_GENERAL) {
        std::string row = section > 0 ? TopicWords(type.GetCellText(section, 0)) : std::string();
        return row.empty() ? sheet : sheet + '-' + row;
    }
    std::string column = TopicWords(type.GetCellText(0, cell));
    return sheet + '-' + (column.empty() ? "column-" + std::to_string(cell) : column);
}
