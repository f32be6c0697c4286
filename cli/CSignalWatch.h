// Ctrl+C and SIGTERM during a transfer: instead of ending the process at once, they are
// taken by a thread of their own that asks the transfer to stop after the block in flight.
#pragma once

#include <atomic>
#include <functional>
#include <thread>

class CSignalWatch {
public:
    // onSignal runs on the watching thread at the first SIGINT or SIGTERM.
    explicit CSignalWatch(std::function<void()> onSignal);
    // Stops watching; the signals act as before again.
    ~CSignalWatch();
    CSignalWatch(const CSignalWatch&) = delete;
    CSignalWatch& operator=(const CSignalWatch&) = delete;

    // The signal that came (SIGINT or SIGTERM), or 0.
    int GetSignal() const { return m_signal; }

private:
    std::function<void()> m_onSignal;
    std::atomic<int> m_signal{0};
    std::thread m_watcher;
};
