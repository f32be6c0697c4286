// The played-back line: count bytes and the chunks they announce.
#include "CPlaybackPort.h"

#include <algorithm>
#include <cstring>

void CPlaybackPort::Play(const uint8_t* line, size_t size)
{
    m_line.assign(line, line + size);
    m_nNext = 0;
    m_written.clear();
    m_delivered.clear();
    m_nLargestRead = 0;
}

uint32_t CPlaybackPort::OpenCommPort(const std::string& name)
{
    m_bOpen = !name.empty();
    return m_bOpen ? 1 : INVALID_PORT;
}

uint32_t CPlaybackPort::CloseCommPort()
{
    m_bOpen = false;
    return 1;
}

int CPlaybackPort::GetCommState(CLineSettings& settings) const
{
    settings = m_settings;
    return m_bOpen ? 1 : 0;
}

int CPlaybackPort::SetCommState(const CLineSettings& settings)
{
    m_settings = settings;
    return m_bOpen ? 1 : 0;
}

uint32_t CPlaybackPort::SendData(const uint8_t* data, int n)
{
    if (!m_bOpen || n <= 0)
        return 0;
    m_written.emplace_back(data, data + n);
    return static_cast<uint32_t>(n);
}

int CPlaybackPort::ReadData(void* buffer, int n)
{
    m_nLargestRead = std::max(m_nLargestRead, n);
    if (!m_bOpen || n <= 0)
        return 0;
    size_t count = m_nNext < m_line.size() ? m_line[m_nNext++] : 0;
    size_t take = std::min({count, static_cast<size_t>(n), m_line.size() - m_nNext});
    const uint8_t* from = m_line.data() + m_nNext;
    if (take > 0)
        std::memcpy(buffer, from, take);
    m_delivered.emplace_back(from, from + take);
    m_nNext += take;
    return static_cast<int>(take);
}
