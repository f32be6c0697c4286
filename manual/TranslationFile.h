// The finished translations of a Qt Linguist file (.ts), as the desktop program carries them:
// the manual's generated parts take the program's own words from it.
#pragma once

#include <map>
#include <string>
#include <utility>

// (context, English source) to its translation, UTF-8. Throws ManualError for a text that is
// no translation file; entries not yet translated are left out.
std::map<std::pair<std::string, std::string>, std::string> ReadTranslationFile(const std::string& xml);
