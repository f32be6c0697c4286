// A failure that ends the command-line companion with exit code 2: a usage error, a malformed
// edit line, or a file that cannot be read or written. The text is one line for standard error.
#pragma once

#include <stdexcept>
#include <string>

class CCliError : public std::runtime_error {
public:
    explicit CCliError(const std::string& text) : std::runtime_error(text) {}
};
