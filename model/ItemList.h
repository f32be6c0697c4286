// Item-list strings: ";"-separated choices split with strtok's rules.
#pragma once

#include <string>
#include <vector>

namespace q4 {

// Empty pieces are dropped; a string without a non-empty piece gives one empty item.
std::vector<std::string> SplitItemList(const std::string& list);

}  // namespace q4
