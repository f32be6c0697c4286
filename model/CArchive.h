// Our archive: little-endian integers and archive strings over a byte buffer, as the
// document file stores them. Files are read whole and written whole (model/CDocumentFile).
#pragma once

#include "model/CArchiveException.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class CArchive {
public:
    enum Mode { LOAD, STORE };

    // A loading archive over the given bytes.
    explicit CArchive(std::vector<uint8_t> bytes);
    // An empty storing archive.
    CArchive();

    bool IsLoading() const { return m_nMode == LOAD; }
    bool IsStoring() const { return m_nMode == STORE; }
    const std::vector<uint8_t>& GetBuffer() const& { return m_arBuffer; }
    // The bytes of an archive that is done with, taken over without a copy.
    std::vector<uint8_t> GetBuffer() && { return std::move(m_arBuffer); }
    size_t GetPosition() const { return m_nPos; }

    void WriteBytes(const void* data, size_t size);
    void WriteUInt8(uint8_t v) { WriteBytes(&v, 1); }
    void WriteInt16(int16_t v);
    void WriteUInt16(uint16_t v);
    void WriteInt32(int32_t v);
    void WriteUInt32(uint32_t v);
    // Length 1 byte below 255, 0xFF + 2 bytes below 0xFFFE, else 0xFF 0xFFFF + 4 bytes.
    void WriteString(const std::string& text);

    void ReadBytes(void* data, size_t size);  // throws END_OF_FILE
    uint8_t ReadUInt8();
    int16_t ReadInt16();
    uint16_t ReadUInt16();
    int32_t ReadInt32();
    uint32_t ReadUInt32();
    // Also accepts the wide-string marker 0xFF 0xFFFE and converts UTF-16 to Windows-1252.
    std::string ReadString();
    // The same into a string that is kept, so that its storage is used again.
    void ReadStringInto(std::string& text);

private:
    // Inline: a load reads and a save writes every field of every cell through them.
    void NeedLoading() const
    {
        if (m_nMode != LOAD)
            ThrowWriteOnly();
    }
    void NeedStoring() const
    {
        if (m_nMode != STORE)
            ThrowReadOnly();
    }
    [[noreturn]] static void ThrowWriteOnly();
    [[noreturn]] static void ThrowReadOnly();

    Mode m_nMode;
    std::vector<uint8_t> m_arBuffer;
    size_t m_nPos = 0;
};
