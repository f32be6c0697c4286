// A JSON text that cannot be read: the text says where ("line L column C: ...") and what.
#pragma once

#include <stdexcept>
#include <string>

class CJsonError : public std::runtime_error {
public:
    explicit CJsonError(const std::string& text) : std::runtime_error(text) {}
};
