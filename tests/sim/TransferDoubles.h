// Test doubles for transfers: a scripted Retry/Cancel question, a scripted COM setup, and
// helpers that read and write the unit's 32-bit General constants in the emulator.
#pragma once

#include "link/IComSetupUi.h"
#include "link/ITransferQuestion.h"
#include "sim/CUnitEmulator.h"

#include <deque>
#include <mutex>
#include <string>
#include <vector>

// Answers Retry/Cancel from a script (Cancel when it runs out) and records the questions.
class ScriptedQuestion : public ITransferQuestion {
public:
    bool AskRetry(const std::string& message) override
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        m_asked.push_back(message);
        if (m_answers.empty())
            return false;
        bool retry = m_answers.front();
        m_answers.pop_front();
        return retry;
    }
    std::vector<std::string> Asked()
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        return m_asked;
    }
    std::deque<bool> m_answers;

private:
    std::mutex m_Lock;
    std::vector<std::string> m_asked;
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
    unit.GetBlock(CUnitEmulator::SPACE_GENERAL, c / 8, block);
    const uint8_t* p = block + 4 * (c % 8);
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16)
           | (static_cast<uint32_t>(p[3]) << 24);
}

inline void PutConstant(CUnitEmulator& unit, int c, uint32_t value)
{
    uint8_t block[32];
    unit.GetBlock(CUnitEmulator::SPACE_GENERAL, c / 8, block);
    for (int b = 0; b < 4; ++b)
        block[4 * (c % 8) + b] = static_cast<uint8_t>(value >> (8 * b));
    unit.SetBlock(CUnitEmulator::SPACE_GENERAL, c / 8, block);
}
