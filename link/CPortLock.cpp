// Taking and giving back a serial device: lock file, flock and exclusive mode.
#include "link/CPortLock.h"

#include "model/StringTable.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

bool IsAlive(int pid)
{
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

// The holder's program name as the system keeps it, empty when it cannot be read.
std::string ProgramName(int pid)
{
    FILE* file = std::fopen(("/proc/" + std::to_string(pid) + "/comm").c_str(), "r");
    if (!file)
        return {};
    char name[64] = {};
    const bool read = std::fgets(name, sizeof name, file) != nullptr;
    std::fclose(file);
    std::string text = read ? name : "";
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

std::string InUse(int pid)
{
    if (pid <= 0)
        return LoadString(IDS_PORT_IN_USE);
    const std::string program = ProgramName(pid);
    return program.empty() ? FormatString(IDS_PORT_IN_USE_BY, {std::to_string(pid)})
                           : FormatString(IDS_PORT_IN_USE_BY_PROGRAM, {program, std::to_string(pid)});
}

}  // namespace

CPortLock::CPortLock(std::string lockFolder) : m_folder(std::move(lockFolder)) {}

CPortLock::~CPortLock()
{
    Release();
}

std::string CPortLock::DefaultFolder()
{
    struct stat st {};
    return ::stat("/run/lock", &st) == 0 && S_ISDIR(st.st_mode) ? "/run/lock" : "/var/lock";
}

// LCK..ttyUSB0 for /dev/ttyUSB0; deeper names (pts/3) with their slashes as underscores.
std::string CPortLock::LockFilePath(const std::string& devicePath) const
{
    std::string name = devicePath.rfind("/dev/", 0) == 0 ? devicePath.substr(5) : devicePath;
    for (char& c : name) {
        if (c == '/')
            c = '_';
    }
    return m_folder + "/LCK.." + name;
}

int CPortLock::ReadHolder(const std::string& lockFile)
{
    FILE* file = std::fopen(lockFile.c_str(), "r");
    if (!file)
        return 0;
    int pid = 0;
    if (std::fscanf(file, "%d", &pid) != 1)
        pid = 0;
    std::fclose(file);
    return pid;
}

std::string CPortLock::InUseReason(const std::string& devicePath) const
{
    int pid = ReadHolder(LockFilePath(devicePath));
    return InUse(IsAlive(pid) ? pid : 0);
}

q4::Status CPortLock::Take(int fd, const std::string& devicePath)
{
    Release();
    const std::string lockFile = LockFilePath(devicePath);
    for (int attempt = 0; attempt < 2; ++attempt) {
        int made = ::open(lockFile.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (made >= 0) {
            char line[16];
            int n = std::snprintf(line, sizeof line, "%10d\n", static_cast<int>(::getpid()));
            bool written = ::write(made, line, static_cast<size_t>(n)) == n;
            ::close(made);
            if (written)
                m_lockFile = lockFile;
            else
                ::unlink(lockFile.c_str());
            break;
        }
        if (errno != EEXIST)
            break;  // no lock folder we may write: the flock and exclusive mode still hold
        int holder = ReadHolder(lockFile);
        if (IsAlive(holder))
            return q4::Failure{InUse(holder)};
        ::unlink(lockFile.c_str());  // left by a program that ended without cleaning up
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        Release();
        return q4::Failure{InUse(0)};
    }
    ::ioctl(fd, TIOCEXCL);
    m_fd = fd;
    return {};
}

void CPortLock::Release()
{
    if (m_fd >= 0) {
        ::ioctl(m_fd, TIOCNXCL);
        ::flock(m_fd, LOCK_UN);
        m_fd = -1;
    }
    if (!m_lockFile.empty()) {
        if (ReadHolder(m_lockFile) == static_cast<int>(::getpid()))
            ::unlink(m_lockFile.c_str());
        m_lockFile.clear();
    }
}
