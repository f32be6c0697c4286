// The emulated unit on a pseudo-terminal: answers block requests, stores write frames whose
// checksum holds, and can pace its output, delay its replies and inject faults.
#pragma once

#include "sim/CUnitEmulator.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class CEmulatorServer {
public:
    enum class FaultKind {
        Silent,    // no reply
        Short,     // a reply of 70 bytes
        Checksum,  // a reply whose checksum is wrong
        Readback,  // a reply whose data differ from the block held
        Late,      // the reply, but LATE_REPLY_MS after the request
        Stray,     // a good reply for the next block (the one before for the last)
    };
    // Long after the unit's 100 ms wait: the program has given the block up by then.
    static constexpr int LATE_REPLY_MS = 250;
    struct Fault {
        FaultKind kind;
        char command;  // '@', 'A' or 'B'
        int address;   // the address as sent
        int count;     // requests still to spoil
    };

    explicit CEmulatorServer(bool blank = false);
    ~CEmulatorServer();
    CEmulatorServer(const CEmulatorServer&) = delete;
    CEmulatorServer& operator=(const CEmulatorServer&) = delete;

    // Opens the pseudo-terminal and starts serving on a thread of its own; false when no
    // terminal can be had.
    bool Start();
    // Stops serving and closes the terminal; harmless when not started.
    void Stop();
    bool IsRunning() const { return m_thread.joinable(); }
    // The path the program opens as its serial port.
    const std::string& GetSlavePath() const { return m_slavePath; }

    CUnitEmulator& GetUnit() { return m_unit; }
    // Bits per second at which replies leave (10 bits a byte); 0 sends at once.
    void SetBaudRate(unsigned baud) { m_baudRate = baud; }
    void SetReplyDelayMs(int ms) { m_replyDelayMs = ms; }
    void AddFault(const Fault& fault);
    // Parses "KIND:CMD:BLOCK[:COUNT]"; false when the text is no fault.
    static bool ParseFault(const std::string& text, Fault& fault);

    // Counts of what arrived, for those who wait on the unit.
    int GetRequestCount() const { return m_requests; }
    int GetWriteCount() const { return m_writes; }
    int GetRejectedCount() const { return m_rejected; }

private:
    void Serve();
    void HandleInput(std::vector<uint8_t>& pending);
    void HandleRequest(const uint8_t* frame);
    void HandleWrite(const uint8_t* frame);
    void SendReply(const uint8_t* frame, int length);
    bool TakeFault(char command, int address, FaultKind& kind);
    // Sends the late replies that are due; the time until the next one is due, or -1.
    int SendLateReplies();
    // Sleeps until the deadline; false when the server is being stopped.
    bool SleepUntil(std::chrono::steady_clock::time_point until);

    CUnitEmulator m_unit;
    std::string m_slavePath;
    int m_master = -1;
    int m_slave = -1;
    int m_wake[2] = {-1, -1};
    std::thread m_thread;
    std::atomic<unsigned> m_baudRate{0};
    std::atomic<int> m_replyDelayMs{0};
    std::atomic<int> m_requests{0};
    std::atomic<int> m_writes{0};
    std::atomic<int> m_rejected{0};

    std::mutex m_lock; // guards the faults and the stop flag
    std::condition_variable m_stopSignal;
    bool m_stop = false;
    std::vector<Fault> m_faults;

    // Replies held back by a late fault; the serving thread alone touches them.
    struct LateReply {
        std::chrono::steady_clock::time_point due;
        std::vector<uint8_t> frame;
    };
    std::vector<LateReply> m_late;
};
