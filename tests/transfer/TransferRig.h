// Test rig: a unit linked through the real serial code to an emulated unit in-process, whole
// transfers run and their reports recorded, and a helper that lists every text of a set-up.
#pragma once

#include "setup/alarms/CAlarm.h"
#include "sim/CEmulatorServer.h"
#include "support/RecordingPrompt.h"
#include "support/TransferDoubles.h"
#include "transfer/CUnitConnection.h"
#include "unit/CQ4kUnit.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>
#include <vector>

// The emulated unit answers at once, so the fixed waits may be short; one test keeps 100 ms.
constexpr int kShortWaitMs = 5;
// The pty ignores the line's rate, but the link's read gives up only after a few character
// times of quiet: a slow line setting leaves the emulated unit room to answer on a busy
// machine, and a reply that is in ends the read at once.
constexpr unsigned kSlowLineBaud = 110;

// What one transfer reported.
struct TransferRun {
    TransferResult result;
    std::vector<std::string> titles;  // setup types started, consecutive repeats merged
    uint32_t total = 0;               // the expected bytes
    uint32_t maxSeen = 0;             // the highest count reported
    double seconds = 0;
};

// A set-up as texts: "General 3/1" -> "9600", "Alarm flag 2/0" -> "ON", ...
using SetupTexts = std::map<std::string, std::string>;

inline SetupTexts AllTexts(const CQ4kUnit& unit)
{
    SetupTexts texts;
    for (int t = 0; t < 4; ++t) {
        const CNordaSetupType* type = unit.GetSetupType(t);
        const CDataSheet* sheet = type->GetSheet();
        for (int s = 0; s < sheet->GetNumSections(); ++s) {
            for (int c = 0; c < sheet->GetNumCells(s); ++c)
                texts[type->m_strTitle + " " + std::to_string(s) + "/" + std::to_string(c)] = type->GetCellText(s, c);
        }
    }
    const auto* alarm = dynamic_cast<const CAlarm*>(unit.GetSetupType(ST_ALARM));
    for (int k = 0; k < CAlarm::ALARM_CHANNELS; ++k) {
        for (int i = 0; i < CAlarm::ALARM_FLAGS; ++i) {
            const CNdChnData* flag = alarm->GetFlagCell(k, i);
            texts["Alarm flag " + std::to_string(k) + "/" + std::to_string(i)] = flag ? flag->GetDataAsString() : "?";
        }
    }
    return texts;
}

class TransferRig : public ::testing::Test {
protected:
    explicit TransferRig(bool blankUnit = false) : m_server(blankUnit) {}

    void SetUp() override
    {
        ASSERT_TRUE(m_server.Start());
        m_unit.Initialize();
        Connect(kShortWaitMs);
    }

    void Connect(int waitMs, unsigned baud = kSlowLineBaud)
    {
        CLineSettings settings;
        settings.m_baudRate = baud;
        ASSERT_TRUE(m_connection.CommSetupDirect(m_server.GetSlavePath(), settings));
        m_connection.GetLink().SetFixedWaitMs(waitMs);
    }

    void AddFault(const std::string& text)
    {
        CEmulatorServer::Fault fault{};
        ASSERT_TRUE(CEmulatorServer::ParseFault(text, fault)) << text;
        m_server.AddFault(fault);
    }

    // Runs a whole transfer on this thread.
    TransferRun Run(CQ4kUnit& unit, TransferDirection direction)
    {
        m_observer.Clear();
        CTransfer transfer(unit, m_connection.GetLink(), direction, m_observer);
        TransferRun run;
        run.total = transfer.GetTotalBytes();
        auto start = std::chrono::steady_clock::now();
        run.result = transfer.Run();
        run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        run.titles = m_observer.Titles();
        run.maxSeen = m_observer.MaxBytes();
        for (int t = 0; t < 4; ++t)
            EXPECT_EQ(unit.GetSetupType(t)->GetTransState(), -1) << unit.GetTitle(t);
        return run;
    }

    std::vector<uint8_t> Block(CUnitEmulator::BlockSpace space, int block)
    {
        std::vector<uint8_t> bytes(32);
        EXPECT_TRUE(m_server.GetUnit().GetBlock(space, block, bytes.data()));
        return bytes;
    }

    CEmulatorServer m_server;
    RecordingPrompt m_prompt;
    CUnitConnection m_connection{&m_prompt};
    RecordingObserver m_observer;
    CQ4kUnit m_unit{m_prompt};
};

inline const std::vector<std::string> kAllTitles = {"General", "Physical Input", "Logical Input", "Alarm"};
