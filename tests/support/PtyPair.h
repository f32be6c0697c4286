// A pseudo-terminal for tests: the master side stays with the test, the slave path is handed
// to the code under test. The test keeps a raw slave descriptor of its own open so that the
// master stays readable when the code under test closes its side.
#pragma once

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <termios.h>
#include <unistd.h>
#include <vector>

class PtyPair {
public:
    PtyPair()
    {
        m_nMaster = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (m_nMaster < 0 || ::grantpt(m_nMaster) != 0 || ::unlockpt(m_nMaster) != 0)
            return;
        const char* name = ::ptsname(m_nMaster);
        if (!name)
            return;
        m_strSlave = name;
        m_nSlave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios tio{};
        if (m_nSlave >= 0 && ::tcgetattr(m_nSlave, &tio) == 0) {
            ::cfmakeraw(&tio);
            ::tcsetattr(m_nSlave, TCSANOW, &tio);
        }
        ::fcntl(m_nMaster, F_SETFL, ::fcntl(m_nMaster, F_GETFL) | O_NONBLOCK);
    }
    ~PtyPair()
    {
        if (m_nSlave >= 0)
            ::close(m_nSlave);
        if (m_nMaster >= 0)
            ::close(m_nMaster);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    // The other end goes away, as an unplugged adapter or a killed emulator does.
    void CloseMaster()
    {
        ::close(m_nMaster);
        m_nMaster = -1;
    }

    bool Ok() const { return m_nMaster >= 0 && m_nSlave >= 0; }
    const std::string& SlavePath() const { return m_strSlave; }
    int SlaveFd() const { return m_nSlave; }

    void Send(const std::string& bytes) const
    {
        size_t done = 0;
        while (done < bytes.size()) {
            ssize_t w = ::write(m_nMaster, bytes.data() + done, bytes.size() - done);
            if (w > 0)
                done += static_cast<size_t>(w);
            else if (w < 0 && errno != EAGAIN && errno != EINTR)
                return;
        }
    }

    // Collects what the slave side wrote until n bytes are in or timeoutMs passed.
    std::string Receive(size_t n, int timeoutMs) const
    {
        std::string got;
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (got.size() < n) {
            char buf[256];
            ssize_t r = ::read(m_nMaster, buf, sizeof buf < n - got.size() ? sizeof buf : n - got.size());
            if (r > 0) {
                got.append(buf, static_cast<size_t>(r));
                continue;
            }
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                break;
            pollfd p{m_nMaster, POLLIN, 0};
            ::poll(&p, 1, static_cast<int>(left.count()));
        }
        return got;
    }

private:
    int m_nMaster = -1;
    int m_nSlave = -1;
    std::string m_strSlave;
};
