// Test doubles for transfers: an observer that records the reports and answers failed blocks
// from a script, a scripted COM setup, and the unit's 32-bit General constants in the emulator.
#pragma once

#include "link/IComSetupUi.h"
#include "sim/CUnitEmulator.h"
#include "transfer/CTransfer.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class RecordingObserver : public ITransferObserver {
public:
    void OnSetupTypeStarted(int, const std::string& title) override
    {
        std::function<void(const std::string&)> onStarted;
        {
            std::lock_guard<std::mutex> lock(m_Lock);
            if (m_titles.empty() || m_titles.back() != title)
                m_titles.push_back(title);
            onStarted = m_onStarted;
        }
        if (onStarted)
            onStarted(title);
    }
    void OnBytesMoved(uint32_t bytes) override
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        m_nMaxBytes = std::max(m_nMaxBytes, bytes);
    }
    // Answers from the script, Cancel when it runs out; with m_bHold the question stays open.
    void OnBlockFailed(CTransfer& transfer, const std::string& message) override
    {
        bool retry = false;
        {
            std::lock_guard<std::mutex> lock(m_Lock);
            m_asked.push_back(message);
            if (m_bHold)
                return;
            if (!m_answers.empty()) {
                retry = m_answers.front();
                m_answers.pop_front();
            }
        }
        if (m_nAnswerDelayMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(m_nAnswerDelayMs));
        transfer.Answer(retry);
    }
    void OnFinished(const TransferResult& result) override
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        m_result = result;
        ++m_nFinished;
    }

    std::vector<std::string> Titles() { return Locked(m_titles); }
    std::vector<std::string> Asked() { return Locked(m_asked); }
    uint32_t MaxBytes() { return Locked(m_nMaxBytes); }
    int Finished() { return Locked(m_nFinished); }
    void Clear()
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        m_titles.clear();
        m_asked.clear();
        m_nMaxBytes = 0;
    }

    // Set before the transfer starts.
    std::deque<bool> m_answers;
    bool m_bHold = false;
    int m_nAnswerDelayMs = 0;  // a person takes a moment to answer
    std::function<void(const std::string&)> m_onStarted;

private:
    template <class T>
    T Locked(const T& value)
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        return value;
    }

    std::mutex m_Lock;
    std::vector<std::string> m_titles;  // setup types started, consecutive repeats merged
    std::vector<std::string> m_asked;
    uint32_t m_nMaxBytes = 0;
    TransferResult m_result;
    int m_nFinished = 0;
};

// Chooses the given port at 9600 baud, or cancels when the port is empty; counts the setups.
class DirectComUi : public IComSetupUi {
public:
    explicit DirectComUi(std::string port) : m_strPort(std::move(port)) {}
    bool ChoosePortName(std::string& name) override
    {
        ++m_nSetups;
        if (m_strPort.empty())
            return false;
        name = m_strPort;
        return true;
    }
    bool EditLineSettings(const std::string&, CLineSettings& settings) override
    {
        settings = CLineSettings{};
        return true;
    }
    std::string m_strPort;
    int m_nSetups = 0;
};

inline uint32_t GetConstant(const CUnitEmulator& unit, int c)
{
    uint8_t block[32];
    unit.GetBlock(CUnitEmulator::BlockSpace::General, c / 8, block);
    const uint8_t* p = block + 4 * (c % 8);
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16)
           | (static_cast<uint32_t>(p[3]) << 24);
}

inline void PutConstant(CUnitEmulator& unit, int c, uint32_t value)
{
    uint8_t block[32];
    unit.GetBlock(CUnitEmulator::BlockSpace::General, c / 8, block);
    for (int b = 0; b < 4; ++b)
        block[4 * (c % 8) + b] = static_cast<uint8_t>(value >> (8 * b));
    unit.SetBlock(CUnitEmulator::BlockSpace::General, c / 8, block);
}
