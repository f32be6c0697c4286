// Sheet names and the escapes of cell texts.
#include "codec/SetupText.h"

#include "model/Cp1252.h"
#include "model/HexText.h"
#include "unit/CQ4kUnit.h"

namespace {

const char* const g_SheetNames[4] = {"general", "physical", "logical", "alarm"};

// UTF-8 text as Windows-1252; refused when it is not UTF-8 or holds a character the code page
// lacks, rather than letting it turn into '?'.
bool ToCp1252(const std::string& utf8, std::string& out)
{
    std::string text = q4::Utf8ToCp1252(utf8);
    if (q4::Cp1252ToUtf8(text) != utf8)
        return false;
    out += text;
    return true;
}

const char g_NotCp1252[] = "the text is not UTF-8 or holds a character outside Windows-1252 (write bytes as \\xHH)";

}  // namespace

namespace q4 {

const char* SheetName(int sheet)
{
    return sheet >= 0 && sheet < 4 ? g_SheetNames[sheet] : "";
}

int ParseSheet(const std::string& name)
{
    for (int i = 0; i < 4; ++i) {
        if (name == g_SheetNames[i] || name == std::string(1, static_cast<char>('0' + i)))
            return i;
    }
    return -1;
}

CNordaSetupType* SheetType(const CQ4kUnit& unit, int sheet)
{
    CNordaSetupType* type = unit.GetSetupType(sheet);
    return type && type->GetSheet() ? type : nullptr;
}

std::string EscapeText(const std::string& text)
{
    std::string out;
    for (char c : text) {
        auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) {
            out += "\\x";
            AppendHexByte(out, b);
        } else if (c == '\\') {
            out += "\\\\";
        } else {
            out += c;
        }
    }
    return Cp1252ToUtf8(out);
}

Result<std::string> UnescapeText(const std::string& text)
{
    std::string out;
    std::string literal;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            literal += text[i];
            continue;
        }
        if (!ToCp1252(literal, out))
            return Failure{g_NotCp1252};
        literal.clear();
        if (i + 1 < text.size() && text[i + 1] == '\\') {
            out += '\\';
            ++i;
        } else if (i + 3 < text.size() && text[i + 1] == 'x' && HexDigit(text[i + 2]) >= 0 && HexDigit(text[i + 3]) >= 0) {
            out += static_cast<char>(HexDigit(text[i + 2]) * 16 + HexDigit(text[i + 3]));
            i += 3;
        } else {
            return Failure{"a backslash in the text must start \\xHH or \\\\"};
        }
    }
    if (!ToCp1252(literal, out))
        return Failure{g_NotCp1252};
    return out;
}

}  // namespace q4
