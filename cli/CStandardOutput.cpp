// Holding a command's output and writing it whole at each flush.
#include "cli/CStandardOutput.h"

#include <cerrno>
#include <unistd.h>

CStandardOutput::CStandardOutput(std::ostream& stream, int fd)
    : m_stream(stream), m_pPrevious(stream.rdbuf(this)), m_nPreviousExceptions(stream.exceptions()), m_nFd(fd)
{
    m_stream.exceptions(m_nPreviousExceptions | std::ios_base::badbit);
}

CStandardOutput::~CStandardOutput()
{
    m_stream.exceptions(m_nPreviousExceptions);
    sync();
    m_stream.rdbuf(m_pPrevious);
}

CStandardOutput::int_type CStandardOutput::overflow(int_type c)
{
    if (m_nError)
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof()))
        m_strHeld += traits_type::to_char_type(c);
    return traits_type::not_eof(c);
}

std::streamsize CStandardOutput::xsputn(const char* text, std::streamsize n)
{
    if (m_nError)
        return 0;
    m_strHeld.append(text, static_cast<size_t>(n));
    return n;
}

int CStandardOutput::sync()
{
    size_t done = 0;
    while (!m_nError && done < m_strHeld.size()) {
        ssize_t n = ::write(m_nFd, m_strHeld.data() + done, m_strHeld.size() - done);
        if (n > 0)
            done += static_cast<size_t>(n);
        else if (n == 0 || errno != EINTR)
            m_nError = n == 0 ? EIO : errno;
    }
    m_strHeld.clear();
    return m_nError ? -1 : 0;
}
