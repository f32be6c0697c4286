// The signals are blocked in every thread and taken with sigwait by the watcher, so no handler
// and no state outside this object is needed. SIGUSR2, sent to the watcher, ends it.
#include "cli/CSignalWatch.h"

#include <csignal>
#include <pthread.h>

namespace {

sigset_t WatchedSignals()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGUSR2);
    return set;
}

}  // namespace

CSignalWatch::CSignalWatch(std::function<void()> onSignal) : m_onSignal(std::move(onSignal))
{
    sigset_t set = WatchedSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    m_watcher = std::thread([this, set] {
        for (;;) {
            int signal = 0;
            if (sigwait(&set, &signal) != 0 || signal == SIGUSR2)
                return;
            int none = 0;
            if (m_signal.compare_exchange_strong(none, signal))
                m_onSignal();
        }
    });
}

CSignalWatch::~CSignalWatch()
{
    pthread_kill(m_watcher.native_handle(), SIGUSR2);
    m_watcher.join();
    sigset_t set = WatchedSignals();
    pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}
