// Channel name tables and look-ups.
#include "model/ChannelNames.h"

#include <algorithm>
#include <string_view>

const char* const g_PhInpChn[25] = {
    "NON",
    "IN 11", "IN 12", "IN 13", "IN 21", "IN 22", "IN 23", "IN 31", "IN 32", "IN 33",
    "IN 41", "IN 42", "IN 43", "IN 51", "IN 52", "IN 53", "IN 61", "IN 62", "IN 63",
    "IN 71", "IN 72", "IN 73", "IN 81", "IN 82", "IN 83",
};

const char* const g_LogInpChn[25] = {
    "NON",
    "LOG1 (1A)", "LOG2 (1B)", "LOG3 (1C)", "LOG4 (2A)", "LOG5 (2B)", "LOG6 (2C)", "LOG7 (3A)", "LOG8 (3B)",
    "LOG9", "LOG10", "LOG11", "LOG12", "LOG13", "LOG14", "LOG15", "LOG16",
    "LOG17", "LOG18", "LOG19", "LOG20", "LOG21", "LOG22", "LOG23", "LOG24",
};

std::string GetPhChnName(int index)
{
    if (index < 0 || index > 24)
        return std::string();
    return g_PhInpChn[index];
}

int GetPhChnIndex(const std::string& name)
{
    for (int i = 0; i < 25; ++i) {
        if (name == g_PhInpChn[i])
            return i;
    }
    return -1;
}

std::string GetLogChnName(int index)
{
    if (index < 0 || index > 24)
        return std::string();
    return std::string(g_LogInpChn[index]).substr(0, 4);
}

int GetLogChnIndex(const std::string& name)
{
    // Called for every item of every alarm's input lists as a file is read: no copies, and
    // only names that can be one ("NON", "LOG...") are looked for.
    if (name.empty() || (name[0] != 'L' && name[0] != 'N'))
        return -1;
    std::string_view shortName = std::string_view(name).substr(0, 4);
    for (int i = 0; i < 25; ++i) {
        if (shortName == std::string_view(g_LogInpChn[i]).substr(0, 4))
            return i;
    }
    return -1;
}

std::string GetStrOfIndex(const char* list, int index)
{
    // The index-th of the pieces SplitItemList keeps, found without splitting the whole list.
    std::string_view text = list ? list : "";
    int n = 0;
    for (size_t pos = 0; index >= 0 && pos < text.size();) {
        size_t end = std::min(text.find(';', pos), text.size());
        if (end > pos && n++ == index)
            return std::string(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return " ";
}
