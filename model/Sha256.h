// SHA-256 of a file's bytes: the plant log names the exact document each unit was given.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace q4 {

class CSha256 {
public:
    CSha256();
    void Add(const uint8_t* bytes, size_t count);
    // The digest of everything added; the object is spent afterwards.
    std::array<uint8_t, 32> Finish();

    // The digest as 64 lower-case hexadecimal digits.
    static std::string Hex(const uint8_t* bytes, size_t count);

private:
    void Compress(const uint8_t* block);

    uint32_t m_state[8];
    uint8_t m_buffer[64];
    size_t m_buffered = 0;
    uint64_t m_length = 0;
};

}  // namespace q4
