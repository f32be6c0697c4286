// Names of the physical channels ("IN 11".."IN 83") and logical inputs ("LOG1 (1A)"..),
// their indices, and picking one entry out of a ";"-separated choice string.
#pragma once

#include <string>

extern const char* const g_PhInpChn[25];
extern const char* const g_LogInpChn[25];

std::string GetPhChnName(int index);
int GetPhChnIndex(const std::string& name);
std::string GetLogChnName(int index);      // the short name, cut to 4 characters
int GetLogChnIndex(const std::string& name);
std::string GetStrOfIndex(const char* list, int index);
