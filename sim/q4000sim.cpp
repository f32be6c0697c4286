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

// Whether path can be written: it is created (and removed again when it was not there).
q4::Status CheckSavePath(const std::string& path)
{
    struct stat st {};
    const bool existed = ::stat(path.c_str(), &st) == 0;
    if (existed && S_ISDIR(st.st_mode))
        return q4::Failure{"cannot write " + path + ": " + std::strerror(EISDIR)};
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return q4::Failure{"cannot write " + path + ": " + std::strerror(errno)};
    ::close(fd);
    if (!existed)
        ::unlink(path.c_str());
    return {};
}

}  // namespace

int main(int argc, char** argv)
{
    CSimOptions options;
    if (q4::Status parsed = options.Parse(std::vector<std::string>(argv + 1, argv + argc)); !parsed) {
        std::fprintf(stderr, "q4000sim: %s\n%s", parsed.Reason().c_str(), CSimOptions::Usage());
        return 2;
    }
    if (options.m_help) {
        std::fputs(CSimOptions::Usage(), stdout);
        return 0;
    }
    if (options.m_version) {
        std::printf("q4000sim %s\n", q4::VERSION);
        return 0;
    }

    // Where the memory goes at the end must be writable from the start: a path found bad at the
    // end would lose it.
    for (int n = 1; n <= options.m_units && !options.m_save.empty(); ++n) {
        if (q4::Status writable = CheckSavePath(options.PathOf(options.m_save, n)); !writable) {
            std::fprintf(stderr, "q4000sim: --save: %s\n", writable.Reason().c_str());
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
    for (int n = 1; n <= options.m_units; ++n) {
        auto server = std::make_unique<CEmulatorServer>(options.m_blank);
        q4::Status loaded = options.m_load.empty() ? q4::Status{} : server->GetUnit().LoadFile(options.m_load);
        if (!loaded) {
            std::fprintf(stderr, "q4000sim: %s\n", loaded.Reason().c_str());
            return 2;
        }
        server->SetBaudRate(options.m_baudRate);
        server->SetReplyDelayMs(options.m_replyDelayMs);
        for (const CEmulatorServer::Fault& fault : options.m_faults)
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
    for (int n = 1; n <= options.m_units && !options.m_link.empty(); ++n) {
        const std::string link = options.PathOf(options.m_link, n);
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
    for (int n = 1; n <= options.m_units && !options.m_save.empty(); ++n) {
        const std::string path = options.PathOf(options.m_save, n);
        if (q4::Status saved = servers[static_cast<size_t>(n - 1)]->GetUnit().SaveFile(path); !saved) {
            std::fprintf(stderr, "q4000sim: %s\n", saved.Reason().c_str());
            code = 1;
        }
    }
    return code;
}
