// Splitting of ";"-separated item lists.
#include "model/ItemList.h"

#include <algorithm>

namespace q4 {

std::vector<std::string> SplitItemList(const std::string& list)
{
    std::vector<std::string> items;
    items.reserve(static_cast<size_t>(std::count(list.begin(), list.end(), ';')) + 1);
    size_t pos = 0;
    while (pos <= list.size()) {
        size_t end = list.find(';', pos);
        if (end == std::string::npos)
            end = list.size();
        if (end > pos)
            items.push_back(list.substr(pos, end - pos));
        pos = end + 1;
    }
    if (items.empty())
        items.emplace_back();
    return items;
}

}  // namespace q4
