// Archive encodings of integers and strings.
#include "model/CArchive.h"

#include "model/Cp1252.h"
#include "model/StringTable.h"

#include <cstring>

CArchive::CArchive(std::vector<uint8_t> bytes) : m_nMode(LOAD), m_arBuffer(std::move(bytes)) {}

CArchive::CArchive() : m_nMode(STORE)
{
    // Room for a whole set-up, so that a save grows the buffer rarely.
    m_arBuffer.reserve(64 * 1024);
}

void CArchive::ThrowWriteOnly()
{
    throw CArchiveException(CArchiveException::WRITE_ONLY, "the archive is not open for reading");
}

void CArchive::ThrowReadOnly()
{
    throw CArchiveException(CArchiveException::READ_ONLY, "the archive is not open for writing");
}

void CArchive::WriteBytes(const void* data, size_t size)
{
    NeedStoring();
    // Byte by byte into the room reserved: the fields of a cell are a few bytes each.
    auto p = static_cast<const uint8_t*>(data);
    for (const uint8_t* end = p + size; p != end; ++p)
        m_arBuffer.push_back(*p);
}

void CArchive::WriteInt16(int16_t v) { WriteUInt16(static_cast<uint16_t>(v)); }

void CArchive::WriteUInt16(uint16_t v)
{
    uint8_t b[2] = {static_cast<uint8_t>(v & 0xFF), static_cast<uint8_t>(v >> 8)};
    WriteBytes(b, 2);
}

void CArchive::WriteInt32(int32_t v) { WriteUInt32(static_cast<uint32_t>(v)); }

void CArchive::WriteUInt32(uint32_t v)
{
    uint8_t b[4] = {static_cast<uint8_t>(v & 0xFF), static_cast<uint8_t>((v >> 8) & 0xFF),
                    static_cast<uint8_t>((v >> 16) & 0xFF), static_cast<uint8_t>(v >> 24)};
    WriteBytes(b, 4);
}

void CArchive::WriteString(const std::string& text)
{
    size_t n = text.size();
    if (n < 0xFF) {
        WriteUInt8(static_cast<uint8_t>(n));
    } else if (n < 0xFFFE) {
        WriteUInt8(0xFF);
        WriteUInt16(static_cast<uint16_t>(n));
    } else {
        WriteUInt8(0xFF);
        WriteUInt16(0xFFFF);
        WriteUInt32(static_cast<uint32_t>(n));
    }
    WriteBytes(text.data(), n);
}

void CArchive::ReadBytes(void* data, size_t size)
{
    NeedLoading();
    if (size > m_arBuffer.size() - m_nPos)
        throw CArchiveException(CArchiveException::END_OF_FILE, LoadString(IDS_END_OF_FILE));
    if (size > 0)
        std::memcpy(data, m_arBuffer.data() + m_nPos, size);
    m_nPos += size;
}

uint8_t CArchive::ReadUInt8()
{
    uint8_t v = 0;
    ReadBytes(&v, 1);
    return v;
}

int16_t CArchive::ReadInt16() { return static_cast<int16_t>(ReadUInt16()); }

uint16_t CArchive::ReadUInt16()
{
    uint8_t b[2];
    ReadBytes(b, 2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

int32_t CArchive::ReadInt32() { return static_cast<int32_t>(ReadUInt32()); }

uint32_t CArchive::ReadUInt32()
{
    uint8_t b[4];
    ReadBytes(b, 4);
    return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8)
           | (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

std::string CArchive::ReadString()
{
    std::string text;
    ReadStringInto(text);
    return text;
}

void CArchive::ReadStringInto(std::string& text)
{
    bool wide = false;
    uint32_t n = ReadUInt8();
    if (n == 0xFF) {
        n = ReadUInt16();
        if (n == 0xFFFE) {
            wide = true;
            n = ReadUInt8();
            if (n == 0xFF) {
                n = ReadUInt16();
                if (n == 0xFFFF)
                    n = ReadUInt32();
            }
        } else if (n == 0xFFFF) {
            n = ReadUInt32();
        }
    }
    size_t bytes = wide ? static_cast<size_t>(n) * 2 : n;
    if (bytes > m_arBuffer.size() - m_nPos)
        throw CArchiveException(CArchiveException::END_OF_FILE, LoadString(IDS_END_OF_FILE));
    const char* start = reinterpret_cast<const char*>(m_arBuffer.data() + m_nPos);
    m_nPos += bytes;
    if (wide)
        text = q4::Utf16LeToCp1252(std::string_view(start, bytes));
    else
        text.assign(start, bytes);
}
