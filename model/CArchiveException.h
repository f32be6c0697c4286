// The archive's exception: why reading or writing a document stopped.
#pragma once

#include <stdexcept>
#include <string>

class CArchiveException : public std::runtime_error {
public:
    enum Cause { NONE = 0, GENERIC = 1, READ_ONLY = 2, END_OF_FILE = 3, WRITE_ONLY = 4,
                 BAD_INDEX = 5, BAD_CLASS = 6, BAD_SCHEMA = 7 };

    CArchiveException(Cause cause, const std::string& what) : std::runtime_error(what), m_cause(cause) {}
    Cause m_cause;
};
