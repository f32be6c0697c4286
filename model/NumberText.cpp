// Locale-independent replacements for atof/atoi/atol and the printf number formats we use.
#include "model/NumberText.h"

#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <system_error>

namespace q4 {
namespace {

bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsHexDigit(char c)
{
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

// Position of the first character that is not white space.
size_t SkipSpace(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    return i;
}

}  // namespace

double AtoF(std::string_view text)
{
    size_t i = SkipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string_view rest = text.substr(i);
    double value = 0.0;
    // strtod reads "0x" hexadecimal floats; from_chars wants them without the prefix.
    if (rest.size() > 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')
        && (IsHexDigit(rest[2]) || (rest[2] == '.' && rest.size() > 3 && IsHexDigit(rest[3])))) {
        auto res = std::from_chars(rest.data() + 2, rest.data() + rest.size(), value, std::chars_format::hex);
        if (res.ec == std::errc::result_out_of_range)
            value = HUGE_VAL;
    } else {
        auto res = std::from_chars(rest.data(), rest.data() + rest.size(), value, std::chars_format::general);
        if (res.ec == std::errc::invalid_argument)
            value = 0.0;
        else if (res.ec == std::errc::result_out_of_range) {
            // strtod gives HUGE_VAL on overflow and a tiny value (or 0) on underflow; tell
            // the two apart by the exponent's sign.
            std::string_view digits(rest.data(), static_cast<size_t>(res.ptr - rest.data()));
            size_t e = digits.find_first_of("eE");
            bool tiny = e != std::string_view::npos && e + 1 < digits.size() && digits[e + 1] == '-';
            value = tiny ? 0.0 : HUGE_VAL;
        }
    }
    return negative ? -value : value;
}

long AtoL(std::string_view text)
{
    size_t i = SkipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate as a negative number so that LONG_MIN fits; saturate as strtol does.
    long value = 0;
    bool overflow = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        int digit = text[i] - '0';
        if (!overflow) {
            if (value < (LONG_MIN + digit) / 10)
                overflow = true;
            else
                value = value * 10 - digit;
        }
    }
    if (overflow)
        return negative ? LONG_MIN : LONG_MAX;
    if (negative)
        return value;
    return value == LONG_MIN ? LONG_MAX : -value;
}

int AtoI(std::string_view text)
{
    // glibc's atoi is (int)strtol: the long result is cut to its low 32 bits.
    return static_cast<int>(static_cast<unsigned long>(AtoL(text)) & 0xFFFFFFFFUL);
}

std::string FormatD(long value)
{
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

std::string FormatF(double value, int decimals)
{
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    return std::string(buf, res.ptr);
}

std::string Format2g(double value)
{
    std::string text;
    if (std::isnan(value))
        text = std::signbit(value) ? "-nan" : "nan";
    else if (std::isinf(value))
        text = value < 0 ? "-inf" : "inf";
    else {
        char buf[64];
        auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 6);
        text.assign(buf, res.ptr);
    }
    if (text.size() < 2)
        text.insert(0, 2 - text.size(), ' ');
    return text;
}

namespace {

std::string_view TrimBlanks(std::string_view text)
{
    size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the run of digits at pos.
size_t Digits(std::string_view text, size_t pos)
{
    size_t end = pos;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    return end - pos;
}

// True when the whole text is [+-]?digits, or with real [+-]?(digits[.digits]|.digits)([eE][+-]?digits)?.
bool IsNumberForm(std::string_view text, bool integer)
{
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t whole = Digits(text, i);
    i += whole;
    if (integer)
        return whole > 0 && i == text.size();
    if (i < text.size() && text[i] == '.') {
        size_t fraction = Digits(text, i + 1);
        if (fraction == 0)
            return false;
        i += 1 + fraction;
    } else if (whole == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        size_t exponent = Digits(text, i);
        if (exponent == 0)
            return false;
        i += exponent;
    }
    return i == text.size();
}

}  // namespace

std::optional<std::string> NumberEntry(std::string_view typed, bool integer)
{
    std::string text(TrimBlanks(typed));
    for (char& c : text) {
        if (c == ',')
            c = '.';
    }
    if (!IsNumberForm(text, integer))
        return std::nullopt;
    return text;
}

std::optional<double> PlainNumber(std::string_view text)
{
    text = TrimBlanks(text);
    if (!IsNumberForm(text, false))
        return std::nullopt;
    if (text[0] == '+')
        text.remove_prefix(1);
    double value = 0;
    auto res = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace q4
