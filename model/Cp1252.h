// Conversion between the set-up's Windows-1252 byte strings and UTF-8, used only where text
// meets Qt, JSON or a terminal.
#pragma once

#include <string>
#include <string_view>

namespace q4 {

std::string Cp1252ToUtf8(std::string_view text);
// One Unicode code point appended as UTF-8.
void AppendUtf8(std::string& out, char32_t cp);
// Characters that Windows-1252 cannot hold become '?'; malformed UTF-8 bytes too.
std::string Utf8ToCp1252(std::string_view text);
// One UTF-16 code unit sequence (little-endian bytes) to Windows-1252.
std::string Utf16LeToCp1252(std::string_view bytes);

}  // namespace q4
