// The COM setup and the port holder: the two questions, the messages, and the guarded writes
// and reads of the transfers.
#include "link/CComSetupDialog.h"

#include "link/IComSetupUi.h"
#include "support/PtyPair.h"
#include "support/RecordingPrompt.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

namespace {

// Answers the two COM setup questions from a script and records what it was offered.
class ScriptedComUi : public IComSetupUi {
public:
    bool ChoosePortName(std::string& name) override
    {
        m_offeredNames.push_back(name);
        if (!m_portAnswer)
            return false;
        name = *m_portAnswer;
        return true;
    }
    bool EditLineSettings(const std::string& port, CLineSettings& settings) override
    {
        m_editedPorts.push_back(port);
        if (!m_settingsAnswer)
            return false;
        settings = *m_settingsAnswer;
        return true;
    }

    std::optional<std::string> m_portAnswer;
    std::optional<CLineSettings> m_settingsAnswer;
    std::vector<std::string> m_offeredNames;
    std::vector<std::string> m_editedPorts;
};

// A port that only counts the calls that reach it.
class CountingSerial : public CZTSerial {
public:
    explicit CountingSerial(int& sends) : m_nSends(sends) {}
    uint32_t SendData(const uint8_t*, int n) override
    {
        ++m_nSends;
        return static_cast<uint32_t>(n);
    }

private:
    int& m_nSends;
};

CLineSettings Settings(unsigned baud)
{
    CLineSettings s;
    s.m_nBaudRate = baud;
    return s;
}

struct SetupCase {
    const char* what;
    bool choosePort;          // false: Cancel in "COM Port Setup"
    bool useValidPort;        // the pty, or a path that does not exist
    std::optional<unsigned> baud; // nullopt: Cancel in the settings dialog
    int result;
    bool portOpen;
    const char* message;      // nullptr: no message
};

TEST(CComSetupDialog, SetupOutcomes)
{
    const SetupCase cases[] = {
        {"cancel port dialog", false, true, 9600u, 0, false, nullptr},
        {"port cannot be opened", true, false, 9600u, 0, false, "Error to open com port.\n"},
        {"cancel settings dialog", true, true, std::nullopt, 0, true, nullptr},
        {"settings refused", true, true, 12345u, 0, true, "Error to Set communication state"},
        {"success", true, true, 19200u, 1, true, nullptr},
    };
    for (const SetupCase& c : cases) {
        SCOPED_TRACE(c.what);
        PtyPair pty;
        ASSERT_TRUE(pty.Ok());
        RecordingPrompt prompt;
        ScriptedComUi ui;
        if (c.choosePort)
            ui.m_portAnswer = c.useValidPort ? pty.SlavePath() : std::string("/nonexistent/tty");
        if (c.baud)
            ui.m_settingsAnswer = Settings(*c.baud);
        CComSetupDialog com(&prompt, &ui);

        EXPECT_EQ(com.DoCommSetup(), c.result);
        EXPECT_EQ(com.IsPortOpen(), c.portOpen);
        if (c.message) {
            ASSERT_EQ(prompt.Messages().size(), 1u);
            EXPECT_EQ(prompt.Messages()[0].text, c.message);
            EXPECT_EQ(prompt.Messages()[0].buttons, IMessagePrompt::BTN_OK);
        } else {
            EXPECT_TRUE(prompt.Messages().empty());
        }
        // The settings dialog is reached only with an open port.
        EXPECT_EQ(ui.m_editedPorts.size(), c.choosePort && c.useValidPort ? 1u : 0u);
    }
}

TEST(CComSetupDialog, SuccessfulSetupAppliesTheChosenSettings)
{
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    ScriptedComUi ui;
    ui.m_portAnswer = pty.SlavePath();
    ui.m_settingsAnswer = CLineSettings{2400, 8, CLineSettings::PARITY_NONE, 2, CLineSettings::FLOW_NONE};
    CComSetupDialog com(nullptr, &ui);
    ASSERT_EQ(com.DoCommSetup(), 1);
    EXPECT_EQ(com.GetPortName(), pty.SlavePath());
    ASSERT_EQ(ui.m_editedPorts.size(), 1u);
    EXPECT_EQ(ui.m_editedPorts[0], pty.SlavePath());

    // Another look at the same terminal sees what was applied.
    CZTSerial probe;
    ASSERT_NE(probe.OpenCommPort(pty.SlavePath()), CZTSerial::INVALID_PORT);
    CLineSettings seen;
    ASSERT_EQ(probe.GetCommState(seen), 1);
    EXPECT_EQ(seen.m_nBaudRate, 2400u);
    EXPECT_EQ(seen.m_nStopBits, 2);
}

TEST(CComSetupDialog, PortDialogAlwaysOpensOnCom1)
{
    PtyPair pty;
    ScriptedComUi ui;
    ui.m_portAnswer = pty.SlavePath();
    ui.m_settingsAnswer = Settings(9600);
    CComSetupDialog com(nullptr, &ui);
    com.SetPortName("COM3");
    ASSERT_EQ(com.DoCommSetup(), 1);
    ASSERT_EQ(com.DoCommSetup(), 1);
    EXPECT_EQ(ui.m_offeredNames, (std::vector<std::string>{"COM1", "COM1"}));
}

TEST(CComSetupDialog, TypedPortNameIsUsedAsTyped)
{
    RecordingPrompt prompt;
    ScriptedComUi ui;
    ui.m_portAnswer = "COM77";
    CComSetupDialog com(&prompt, &ui);
    EXPECT_EQ(com.DoCommSetup(), 0);
    EXPECT_EQ(com.GetPortName(), "COM77");
    ASSERT_EQ(prompt.Messages().size(), 1u);
    EXPECT_EQ(prompt.Messages()[0].text, "Error to open com port.\n");
}

TEST(CComSetupDialog, SetupClosesThePortFirst)
{
    PtyPair pty;
    ScriptedComUi ui; // cancels the port dialog
    CComSetupDialog com(nullptr, &ui);
    ASSERT_EQ(com.ConfigureDirect(pty.SlavePath(), Settings(9600)), 1);
    ASSERT_TRUE(com.IsPortOpen());
    EXPECT_EQ(com.DoCommSetup(), 0);
    EXPECT_FALSE(com.IsPortOpen());
}

TEST(CComSetupDialog, ConfigureDirectReportsFailures)
{
    PtyPair pty;
    RecordingPrompt prompt;
    CComSetupDialog com(&prompt);
    EXPECT_EQ(com.ConfigureDirect("/nonexistent/tty", Settings(9600)), 0);
    EXPECT_FALSE(com.IsPortOpen());
    EXPECT_EQ(com.ConfigureDirect(pty.SlavePath(), Settings(7)), 0);
    EXPECT_TRUE(com.IsPortOpen());
    ASSERT_EQ(prompt.Messages().size(), 2u);
    EXPECT_EQ(prompt.Messages()[0].text, "Error to open com port.\n");
    EXPECT_EQ(prompt.Messages()[1].text, "Error to Set communication state");
    EXPECT_EQ(com.ConfigureDirect(pty.SlavePath(), Settings(19200)), 1);
}

TEST(CComSetupDialog, OpenComPortReportsFailure)
{
    PtyPair pty;
    RecordingPrompt prompt;
    CComSetupDialog com(&prompt);
    com.SetPortName("/nonexistent/tty");
    EXPECT_EQ(com.OpenComPort(), 0);
    com.SetPortName(pty.SlavePath());
    EXPECT_EQ(com.OpenComPort(), 1);
    EXPECT_TRUE(com.IsPortOpen());
    ASSERT_EQ(prompt.Messages().size(), 1u);
}

TEST(CComSetupDialog, WriteOnClosedPortNeverReachesTheSerialPort)
{
    int sends = 0;
    CComSetupDialog com(nullptr, nullptr, std::make_unique<CountingSerial>(sends));
    const uint8_t spaces[3] = {0x20, 0x20, 0x20};
    EXPECT_EQ(com.Write(spaces, 3), -1);
    EXPECT_EQ(sends, 0);
}

TEST(CComSetupDialog, WriteAndReadThroughThePort)
{
    PtyPair pty;
    CComSetupDialog com;
    ASSERT_EQ(com.ConfigureDirect(pty.SlavePath(), Settings(9600)), 1);
    const uint8_t request[7] = {'#', 'A', '0', '5', '4', '6', '$'};
    EXPECT_EQ(com.Write(request, 7), 7);
    EXPECT_EQ(pty.Receive(7, 500), "#A0546$");

    pty.Send("reply");
    uint8_t buf[71] = {};
    int length = 71;
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(com.ReadData(buf, length, 50), 1);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
    EXPECT_EQ(length, 5);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buf), 5), "reply");

    // Nothing more: still 1, and the length tells.
    length = 71;
    EXPECT_EQ(com.ReadData(buf, length, 0), 1);
    EXPECT_EQ(length, 0);
}

TEST(CComSetupDialog, ReadOnClosedPortTakesNothing)
{
    CComSetupDialog com;
    uint8_t buf[71];
    int length = 71;
    EXPECT_EQ(com.ReadData(buf, length, 0), 1);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(com.Purge(), 0);
}

}  // namespace
