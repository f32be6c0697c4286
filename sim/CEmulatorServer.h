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
    enum FAULT_KIND {
        FAULT_SILENT,   // no reply
        FAULT_SHORT,    // a reply of 70 bytes
        FAULT_CHECKSUM, // a reply whose checksum is wrong
        FAULT_READBACK, // a reply whose data differ from the block held
        FAULT_LATE,     // the reply, but LATE_REPLY_MS after the request
        FAULT_STRAY,    // a good reply for the next block (the one before for the last)
    };
    // Long after the unit's 100 ms wait: the program has given the block up by then.
    static constexpr int LATE_REPLY_MS = 250;
    struct Fault {
        FAULT_KIND kind;
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
    const std::string& GetSlavePath() const { return m_strSlavePath; }

    CUnitEmulator& GetUnit() { return m_Unit; }
    // Bits per second at which replies leave (10 bits a byte); 0 sends at once.
    void SetBaudRate(unsigned baud) { m_nBaudRate = baud; }
    void SetReplyDelayMs(int ms) { m_nReplyDelayMs = ms; }
    void AddFault(const Fault& fault);
    // Parses "KIND:CMD:BLOCK[:COUNT]"; false when the text is no fault.
    static bool ParseFault(const std::string& text, Fault& fault);

    // Counts of what arrived, for those who wait on the unit.
    int GetRequestCount() const { return m_nRequests; }
    int GetWriteCount() const { return m_nWrites; }
    int GetRejectedCount() const { return m_nRejected; }

private:
    void Serve();
    void HandleInput(std::vector<uint8_t>& pending);
    void HandleRequest(const uint8_t* frame);
    void HandleWrite(const uint8_t* frame);
    void SendReply(const uint8_t* frame, int length);
    bool TakeFault(char command, int address, FAULT_KIND& kind);
    // Sends the late replies that are due; the time until the next one is due, or -1.
    int SendLateReplies();
    // Sleeps until the deadline; false when the server is being stopped.
    bool SleepUntil(std::chrono::steady_clock::time_point until);

    CUnitEmulator m_Unit;
    std::string m_strSlavePath;
    int m_nMaster = -1;
    int m_nSlave = -1;
    int m_nWake[2] = {-1, -1};
    std::thread m_thread;
    std::atomic<unsigned> m_nBaudRate{0};
    std::atomic<int> m_nReplyDelayMs{0};
    std::atomic<int> m_nRequests{0};
    std::atomic<int> m_nWrites{0};
    std::atomic<int> m_nRejected{0};

    std::mutex m_Lock; // guards the faults and the stop flag
    std::condition_variable m_StopSignal;
    bool m_bStop = false;
    std::vector<Fault> m_Faults;

    // Replies held back by a late fault; the serving thread alone touches them.
    struct LateReply {
        std::chrono::steady_clock::time_point due;
        std::vector<uint8_t> frame;
    };
    std::vector<LateReply> m_Late;
};
