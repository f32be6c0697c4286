// The serial port over POSIX termios: raw mode, line settings, writes that wait for the line,
// and reads that end on a count or on a quiet line.
#include "link/CZTSerial.h"

#include "link/TermiosSettings.h"

#include <cctype>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <system_error>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

const int QUIET_CHARS = 4;
const int MIN_QUIET_MS = 20;

enum class Wait { Ready, Quiet, Gone };

// Waits for the descriptor to become readable or writable, or to report that the other end
// hung up or the device failed.
Wait WaitFor(int fd, short events, int timeoutMs)
{
    pollfd p{fd, events, 0};
    for (;;) {
        int r = ::poll(&p, 1, timeoutMs);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0 || (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0)
            return Wait::Gone;
        return r > 0 && (p.revents & events) != 0 ? Wait::Ready : Wait::Quiet;
    }
}

}  // namespace

CZTSerial::~CZTSerial()
{
    CloseCommPort();
}

std::string CZTSerial::DevicePath(const std::string& name)
{
    if (name.size() > 3 && (name[0] == 'C' || name[0] == 'c') && (name[1] == 'O' || name[1] == 'o')
        && (name[2] == 'M' || name[2] == 'm')) {
        bool digits = true;
        for (size_t i = 3; i < name.size(); ++i)
            digits = digits && std::isdigit(static_cast<unsigned char>(name[i]));
        if (digits && name.size() <= 6) {
            int n = std::stoi(name.substr(3));
            if (n >= 1)
                return "/dev/ttyS" + std::to_string(n - 1);
        }
    }
    return name;
}

uint32_t CZTSerial::OpenCommPort(const std::string& name)
{
    CloseCommPort();
    m_strOpenError.clear();
    std::string path = DevicePath(name);
    if (path.empty())
        return FailOpen(ENOENT);
    // Named by the device itself, so that a link to it and the device share one lock.
    char resolved[PATH_MAX];
    std::string device = ::realpath(path.c_str(), resolved) ? resolved : path;
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == EBUSY) {
        m_strOpenError = m_lock.InUseReason(device);
        return INVALID_PORT;
    }
    if (fd < 0)
        return FailOpen(errno);
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {
        int error = errno;  // before close() may change it
        ::close(fd);
        return FailOpen(error);
    }
    if (q4::Status taken = m_lock.Take(fd, device); !taken) {
        m_strOpenError = taken.Reason();
        ::close(fd);
        return INVALID_PORT;
    }
    m_savedSettings.assign(reinterpret_cast<const unsigned char*>(&tio),
                           reinterpret_cast<const unsigned char*>(&tio) + sizeof tio);
    // Raw from the start: no echo, no line editing, no character translation.
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    ::tcsetattr(fd, TCSANOW, &tio);
    m_nHandle = fd;
    m_bLost = false;
    m_nLostError = 0;
    CLineSettings current;
    if (GetCommState(current)) {
        m_nBaudRate = current.m_baudRate ? current.m_baudRate : 9600;
        m_nBitsPerChar = q4::BitsPerChar(current);
    }
    return static_cast<uint32_t>(fd);
}

// std::error_code words errno as strerror does, without strerror's shared buffer.
uint32_t CZTSerial::FailOpen(int error)
{
    m_strOpenError = std::error_code(error, std::generic_category()).message();
    return INVALID_PORT;
}

// A hang-up carries no error of its own; the terminal then answers writes with EIO.
void CZTSerial::Lose(int error)
{
    m_bLost = true;
    m_nLostError = error ? error : EIO;
}

std::string CZTSerial::GetLostError() const
{
    return m_bLost ? std::error_code(m_nLostError, std::generic_category()).message() : std::string();
}

uint32_t CZTSerial::CloseCommPort()
{
    if (m_nHandle >= 0) {
        termios saved{};
        if (m_savedSettings.size() == sizeof saved) {
            std::memcpy(&saved, m_savedSettings.data(), sizeof saved);
            ::tcsetattr(m_nHandle, TCSANOW, &saved);
        }
        m_lock.Release();
        ::close(m_nHandle);
        m_nHandle = -1;
    }
    return 1;
}

int CZTSerial::GetCommState(CLineSettings& settings) const
{
    termios tio{};
    if (m_nHandle < 0 || ::tcgetattr(m_nHandle, &tio) != 0)
        return 0;
    settings = q4::FromTermios(tio);
    return 1;
}

int CZTSerial::SetCommState(const CLineSettings& settings)
{
    termios tio{};
    if (m_nHandle < 0 || ::tcgetattr(m_nHandle, &tio) != 0)
        return 0;
    if (!q4::ToTermios(settings, tio) || ::tcsetattr(m_nHandle, TCSANOW, &tio) != 0)
        return 0;
    m_nBaudRate = settings.m_baudRate;
    m_nBitsPerChar = q4::BitsPerChar(settings);
    return 1;
}

int CZTSerial::QuietTimeMs() const
{
    unsigned rate = m_nBaudRate ? m_nBaudRate : 9600;
    int ms = static_cast<int>((QUIET_CHARS * m_nBitsPerChar * 1000u + rate - 1) / rate);
    return ms < MIN_QUIET_MS ? MIN_QUIET_MS : ms;
}

uint32_t CZTSerial::SendData(const uint8_t* data, int n)
{
    if (m_nHandle < 0 || m_bLost || n < 0)
        return 0;
    // The line time of the frame, plus slack: the longest we wait for the port to take it.
    unsigned rate = m_nBaudRate ? m_nBaudRate : 9600;
    int lineMs = static_cast<int>(static_cast<unsigned>(n) * static_cast<unsigned>(m_nBitsPerChar) * 1000u / rate);
    int budgetMs = lineMs + 200;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(budgetMs);

    int sent = 0;
    while (sent < n) {
        ssize_t w = ::write(m_nHandle, data + sent, static_cast<size_t>(n - sent));
        if (w > 0) {
            sent += static_cast<int>(w);
            continue;
        }
        if (w < 0 && errno == EINTR)
            continue;
        if (w < 0 && errno != EAGAIN) {
            Lose(errno);
            break;
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        Wait wait = left.count() > 0 ? WaitFor(m_nHandle, POLLOUT, static_cast<int>(left.count())) : Wait::Quiet;
        if (wait == Wait::Gone)
            Lose(0);
        if (wait != Wait::Ready)
            break;
    }
    // Let the bytes leave before the caller starts timing the reply; bounded by the line time so
    // that a port nobody drains cannot hold us.
    for (;;) {
        int queued = 0;
        if (::ioctl(m_nHandle, TIOCOUTQ, &queued) != 0 || queued <= 0)
            break;
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return static_cast<uint32_t>(sent);
}

int CZTSerial::ReadData(void* buffer, int n)
{
    if (m_nHandle < 0 || m_bLost || n <= 0)
        return 0;
    auto* out = static_cast<uint8_t*>(buffer);
    const int quietMs = QuietTimeMs();
    int got = 0;
    while (got < n) {
        ssize_t r = ::read(m_nHandle, out + got, static_cast<size_t>(n - got));
        if (r > 0) {
            got += static_cast<int>(r);
            continue;
        }
        if (r < 0 && errno == EINTR)
            continue;
        // A terminal in raw polling mode reads 0 bytes for "nothing yet"; an error other than
        // that means the device has gone.
        if (r < 0 && errno != EAGAIN) {
            Lose(errno);
            break;
        }
        // Nothing waiting: give the line a few character times before calling it quiet.
        Wait wait = WaitFor(m_nHandle, POLLIN, quietMs);
        if (wait == Wait::Gone)
            Lose(0);
        if (wait != Wait::Ready)
            break;
    }
    return got;
}

int CZTSerial::Purge()
{
    if (m_nHandle < 0)
        return 0;
    return ::tcflush(m_nHandle, TCIOFLUSH) == 0 ? 1 : 0;
}

int CZTSerial::PurgeInput()
{
    if (m_nHandle < 0)
        return 0;
    return ::tcflush(m_nHandle, TCIFLUSH) == 0 ? 1 : 0;
}
