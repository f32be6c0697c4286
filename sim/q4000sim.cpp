// q4000sim: an emulated Q4000-30 on a pseudo-terminal, for trying the programmer without a unit.
#include "model/Q4Version.h"
#include "sim/CEmulatorServer.h"
#include "sim/CSimOptions.h"

#include <csignal>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

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

    // The server's thread inherits the blocked signals; they are taken here with sigwait.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    CEmulatorServer server(options.m_bBlank);
    if (!options.m_strLoad.empty() && !server.GetUnit().LoadFile(options.m_strLoad, error)) {
        std::fprintf(stderr, "q4000sim: %s\n", error.c_str());
        return 2;
    }
    server.SetBaudRate(options.m_nBaudRate);
    server.SetReplyDelayMs(options.m_nReplyDelayMs);
    for (const CEmulatorServer::Fault& fault : options.m_Faults)
        server.AddFault(fault);
    if (!server.Start()) {
        std::fprintf(stderr, "q4000sim: cannot open a pseudo-terminal\n");
        return 1;
    }
    const std::string slave = server.GetSlavePath();

    if (!options.m_strLink.empty()) {
        struct stat st {};
        if (::lstat(options.m_strLink.c_str(), &st) == 0) {
            if (!S_ISLNK(st.st_mode)) {
                std::fprintf(stderr, "q4000sim: %s exists and is no symbolic link\n", options.m_strLink.c_str());
                return 2;
            }
            ::unlink(options.m_strLink.c_str());
        }
        if (::symlink(slave.c_str(), options.m_strLink.c_str()) != 0) {
            std::fprintf(stderr, "q4000sim: cannot link %s\n", options.m_strLink.c_str());
            return 1;
        }
    }

    std::printf("PTY %s\n", slave.c_str());
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    server.Stop();

    if (!options.m_strLink.empty())
        ::unlink(options.m_strLink.c_str());
    if (!options.m_strSave.empty() && !server.GetUnit().SaveFile(options.m_strSave, error)) {
        std::fprintf(stderr, "q4000sim: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
