// q4000sim: an emulated Q4000-30 on a pseudo-terminal, for trying the programmer without a unit.
#include "model/Q4Version.h"
#include "sim/CEmulatorServer.h"
#include "sim/CSimOptions.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// True when path can be written: it is created (and removed again when it was not there).
bool CheckSavePath(const std::string& path, std::string& error)
{
    struct stat st {};
    const bool existed = ::stat(path.c_str(), &st) == 0;
    if (existed && S_ISDIR(st.st_mode)) {
        error = "cannot write " + path + ": " + std::strerror(EISDIR);
        return false;
    }
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    ::close(fd);
    if (!existed)
        ::unlink(path.c_str());
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    CSimOptions options;
    std::string error;
    if (!options.Parse(std::vector<std::string>(argv + 1, argv + argc), error)) {
        std::fprintf(stderr, "q4000sim: %s\n%s", error.c_str(), CSimOptions::Usage());
        return 2;
    }
    if (options.m_bHelp) {
        std::fputs(CSimOptions::Usage(), stdout);
        return 0;
    }
    if (options.m_bVersion) {
        std::printf("q4000sim %s\n", q4::VERSION);
        return 0;
    }

    // Where the memory goes at the end must be writable from the start: a path found bad at the
    // end would lose it.
    for (int n = 1; n <= options.m_nUnits && !options.m_strSave.empty(); ++n) {
        if (!CheckSavePath(options.PathOf(options.m_strSave, n), error)) {
            std::fprintf(stderr, "q4000sim: --save: %s\n", error.c_str());
            return 2;
        }
    }

    // The server's thread inherits the blocked signals; they are taken here with sigwait.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    // Every unit is a server of its own with its terminal and thread.
    std::vector<std::unique_ptr<CEmulatorServer>> servers;
    std::vector<std::string> links;
    for (int n = 1; n <= options.m_nUnits; ++n) {
        auto server = std::make_unique<CEmulatorServer>(options.m_bBlank);
        if (!options.m_strLoad.empty() && !server->GetUnit().LoadFile(options.m_strLoad, error)) {
            std::fprintf(stderr, "q4000sim: %s\n", error.c_str());
            return 2;
        }
        server->SetBaudRate(options.m_nBaudRate);
        server->SetReplyDelayMs(options.m_nReplyDelayMs);
        for (const CEmulatorServer::Fault& fault : options.m_Faults)
            server->AddFault(fault);
        if (!server->Start()) {
            std::fprintf(stderr, "q4000sim: cannot open a pseudo-terminal\n");
            return 1;
        }
        servers.push_back(std::move(server));
    }
    auto unlinkAll = [&links] {
        for (const std::string& link : links)
            ::unlink(link.c_str());
    };
    for (int n = 1; n <= options.m_nUnits && !options.m_strLink.empty(); ++n) {
        const std::string link = options.PathOf(options.m_strLink, n);
        struct stat st {};
        if (::lstat(link.c_str(), &st) == 0) {
            if (!S_ISLNK(st.st_mode)) {
                std::fprintf(stderr, "q4000sim: %s exists and is no symbolic link\n", link.c_str());
                unlinkAll();
                return 2;
            }
            ::unlink(link.c_str());
        }
        if (::symlink(servers[static_cast<size_t>(n - 1)]->GetSlavePath().c_str(), link.c_str()) != 0) {
            std::fprintf(stderr, "q4000sim: cannot link %s\n", link.c_str());
            unlinkAll();
            return 1;
        }
        links.push_back(link);
    }

    for (const auto& server : servers)
        std::printf("PTY %s\n", server->GetSlavePath().c_str());
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    for (const auto& server : servers)
        server->Stop();
    unlinkAll();
    int code = 0;
    for (int n = 1; n <= options.m_nUnits && !options.m_strSave.empty(); ++n) {
        const std::string path = options.PathOf(options.m_strSave, n);
        if (!servers[static_cast<size_t>(n - 1)]->GetUnit().SaveFile(path, error)) {
            std::fprintf(stderr, "q4000sim: %s\n", error.c_str());
            code = 1;
        }
    }
    return code;
}
