// Holding a command's output and writing it whole at each flush.
#include "cli/CStandardOutput.h"

#include <cerrno>
#include <unistd.h>

CStandardOutput::CStandardOutput(std::ostream& stream, int fd)
    : m_stream(stream), m_previous(stream.rdbuf(this)), m_previousExceptions(stream.exceptions()), m_fd(fd)
{
    m_stream.exceptions(m_previousExceptions | std::ios_base::badbit);
}

CStandardOutput::~CStandardOutput()
{
    m_stream.exceptions(m_previousExceptions);
    sync();
    m_stream.rdbuf(m_previous);
}

CStandardOutput::int_type CStandardOutput::overflow(int_type c)
{
    if (m_error)
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof()))
        m_held += traits_type::to_char_type(c);
    return traits_type::not_eof(c);
}

std::streamsize CStandardOutput::xsputn(const char* text, std::streamsize n)
{
    if (m_error)
        return 0;
    m_held.append(text, static_cast<size_t>(n));
    return n;
}

int CStandardOutput::sync()
{
    size_t done = 0;
    while (!m_error && done < m_held.size()) {
        ssize_t n = ::write(m_fd, m_held.data() + done, m_held.size() - done);
        if (n > 0)
            done += static_cast<size_t>(n);
        else if (n == 0 || errno != EINTR)
            m_error = n == 0 ? EIO : errno;
    }
    m_held.clear();
    return m_error ? -1 : 0;
}
