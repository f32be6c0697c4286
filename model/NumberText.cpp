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

}  // namespace q4
