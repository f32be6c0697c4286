// Hexadecimal text of bytes.
#include "model/HexText.h"

namespace q4 {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

void AppendHexByte(std::string& out, uint8_t byte)
{
    static const char digits[] = "0123456789ABCDEF";
    out += digits[byte >> 4];
    out += digits[byte & 0x0F];
}

std::string ToHex(const uint8_t* bytes, size_t count)
{
    std::string out;
    out.reserve(2 * count);
    for (size_t i = 0; i < count; ++i)
        AppendHexByte(out, bytes[i]);
    return out;
}

}  // namespace q4
