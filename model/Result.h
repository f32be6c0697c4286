// The result of a core operation that can fail: its value, or the reason it failed, one line a
// person can read ("backups/AN-101 cannot be made: Permission denied").
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace q4 {

// Why an operation failed; Failure("...") converts to any Result.
struct Failure {
    std::string reason;
};

template <typename T>
class Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Failure failure) : m_reason(std::move(failure.reason)) {}

    explicit operator bool() const { return m_value.has_value(); }
    bool Ok() const { return m_value.has_value(); }
    // Only when Ok().
    T& Value() { return *m_value; }
    const T& Value() const { return *m_value; }
    T* operator->() { return &*m_value; }
    const T* operator->() const { return &*m_value; }
    // Empty when Ok().
    const std::string& Reason() const { return m_reason; }

private:
    std::optional<T> m_value;
    std::string m_reason;
};

// The result of an operation that gives nothing back but whether it worked.
template <>
class Result<void> {
public:
    Result() = default;
    Result(Failure failure) : m_ok(false), m_reason(std::move(failure.reason)) {}

    explicit operator bool() const { return m_ok; }
    bool Ok() const { return m_ok; }
    const std::string& Reason() const { return m_reason; }

private:
    bool m_ok = true;
    std::string m_reason;
};

using Status = Result<void>;

}  // namespace q4
