// Locale-independent number reading and writing: the leading-numeric-part readers that
// atof/atoi/atol implement, and the "%d", "%.Nf" and "%2g" writers, all in the "C" locale.
#pragma once

#include <string>
#include <string_view>

namespace q4 {

double AtoF(std::string_view text);   // as atof: leading part, 0 when there is none
int AtoI(std::string_view text);      // as atoi (glibc: strtol, then cut to int)
long AtoL(std::string_view text);     // as atol

std::string FormatD(long value);                    // "%d"
std::string FormatF(double value, int decimals);    // "%.1f", "%.2f", "%.3f", ...
std::string Format2g(double value);                 // "%2g"

}  // namespace q4
