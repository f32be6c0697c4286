// Hexadecimal digits of the unit's blocks in text form (memory files, block listings, escapes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace q4 {

// The value of one hexadecimal digit (either case), or -1.
int HexDigit(char c);
// Two upper-case digits per byte.
std::string ToHex(const uint8_t* bytes, size_t count);
void AppendHexByte(std::string& out, uint8_t byte);

}  // namespace q4
