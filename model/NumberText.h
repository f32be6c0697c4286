// Locale-independent number reading and writing: the leading-numeric-part readers that
// atof/atoi/atol implement, and the "%d", "%.Nf" and "%2g" writers, all in the "C" locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace q4 {

double AtoF(std::string_view text);   // as atof: leading part, 0 when there is none
int AtoI(std::string_view text);      // as atoi (glibc: strtol, then cut to int)
long AtoL(std::string_view text);     // as atol

std::string FormatD(long value);                    // "%d"
std::string FormatF(double value, int decimals);    // "%.1f", "%.2f", "%.3f", ...
std::string Format2g(double value);                 // "%2g"

// A text a person gives a number cell: blanks around it dropped and a comma taken as the point,
// it must be digits with an optional sign (integer), or for a real [+-]?(digits[.digits]|.digits)
// with an optional exponent. The text to store, or nothing when it is no number.
std::optional<std::string> NumberEntry(std::string_view typed, bool integer);
// The value of a text that is a number in that form (a point, not a comma), blanks around it
// aside; nothing for any other text and for a value beyond a double.
std::optional<double> PlainNumber(std::string_view text);

}  // namespace q4
