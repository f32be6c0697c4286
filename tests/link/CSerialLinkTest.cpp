// The COM setup and the port holder: the two questions, the messages, and the guarded writes
// and reads of the transfers.
#include "link/CSerialLink.h"
#include "link/TermiosSettings.h"

#include "link/IComSetupUi.h"
#include "support/PtyPair.h"
#include "support/RecordingPrompt.h"

#include <gtest/gtest.h>

#include <memory>

#include <chrono>
#include <optional>

namespace {

// Answers the two COM setup questions from a script and records what it was offered.
class ScriptedComUi : public IComSetupUi {
public:
    bool ChoosePortName(std::string& name) override
    {
        m_offeredNames.push_back(name);
        if (m_portAnswer)
            name = *m_portAnswer;
        return m_portAnswer.has_value();
    }
    bool EditLineSettings(const std::string& port, CLineSettings& settings) override
    {
        m_editedPorts.push_back(port);
        if (m_settingsAnswer)
            settings = *m_settingsAnswer;
        return m_settingsAnswer.has_value();
    }

    std::optional<std::string> m_portAnswer;
    std::optional<CLineSettings> m_settingsAnswer;
    std::vector<std::string> m_offeredNames;
    std::vector<std::string> m_editedPorts;
};

CLineSettings Settings(unsigned baud, int stopBits = 1)
{
    return CLineSettings{baud, 8, CLineSettings::Parity::None, stopBits, CLineSettings::FlowControl::None};
}

TEST(CSerialLink, SetupOutcomes)
{
    // choosePort false: Cancel in "COM Port Setup"; useValidPort false: a typed name that opens
    // nothing; baud nullopt: Cancel in the settings dialog; message nullptr: no message.
    const struct {
        const char* what; bool choosePort, useValidPort; std::optional<unsigned> baud; int result; bool portOpen;
        const char* message;
    } cases[] = {
        {"cancel port dialog", false, true, 9600u, 0, false, nullptr},
        {"port cannot be opened", true, false, 9600u, 0, false,
         "Error to open com port.\nCOM77 (/dev/ttyS76): No such file or directory"},
        {"cancel settings dialog", true, true, std::nullopt, 0, true, nullptr},
        {"settings refused", true, true, 12345u, 0, true, "Error to Set communication state"},
        {"success", true, true, 2400u, 1, true, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PtyPair pty;
        ASSERT_TRUE(pty.Ok());
        RecordingPrompt prompt;
        ScriptedComUi ui;
        const std::string port = c.useValidPort ? pty.SlavePath() : std::string("COM77");
        if (c.choosePort)
            ui.m_portAnswer = port;
        if (c.baud)
            ui.m_settingsAnswer = Settings(*c.baud, 2);
        auto com = std::make_unique<CSerialLink>(&prompt, &ui);
        com->SetPortName("COM3");

        EXPECT_EQ(com->DoCommSetup(), c.result);
        EXPECT_EQ(com->IsPortOpen(), c.portOpen);
        // The port dialog always opens on COM1, whatever was chosen before; a typed name is used as typed.
        EXPECT_EQ(ui.m_offeredNames, std::vector<std::string>{"COM1"});
        EXPECT_EQ(com->GetPortName(), c.choosePort ? port : "COM3");
        if (c.message) {
            ASSERT_EQ(prompt.Messages().size(), 1u);
            EXPECT_EQ(prompt.Messages()[0].text, c.message);
            EXPECT_EQ(prompt.Messages()[0].buttons, IMessagePrompt::BTN_OK);
            EXPECT_TRUE(prompt.Messages()[0].exclamation);  // a failure, shown as a warning
        } else {
            EXPECT_TRUE(prompt.Messages().empty());
        }
        // The settings dialog is reached only with an open port.
        EXPECT_EQ(ui.m_editedPorts, c.choosePort && c.useValidPort ? std::vector<std::string>{port}
                                                                   : std::vector<std::string>{});
        if (c.result) {
            // The terminal holds what was applied, and its own settings again once given back.
            termios held{};
            ASSERT_EQ(tcgetattr(pty.SlaveFd(), &held), 0);
            EXPECT_EQ(q4::FromTermios(held), Settings(2400, 2));
            com.reset();
            ASSERT_EQ(tcgetattr(pty.SlaveFd(), &held), 0);
            EXPECT_NE(q4::FromTermios(held), Settings(2400, 2));
        }
    }
}

// Transfers only write through an open port: a closed one gives -1, not a count of 0.
TEST(CSerialLink, ClosedPortRefusesTransfersAndConfigureDirectReportsFailuresAndSetupClosesThePortFirst)
{
    PtyPair pty;
    RecordingPrompt prompt;
    ScriptedComUi ui;  // cancels the port dialog
    CSerialLink com(&prompt, &ui);
    const uint8_t spaces[3] = {0x20, 0x20, 0x20};
    EXPECT_EQ(com.Write(spaces, 3), -1);
    uint8_t buf[71];
    int length = 71;
    EXPECT_EQ(com.ReadData(buf, length, 0), 1);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(com.Purge(), 0);
    EXPECT_EQ(com.ConfigureDirect("/nonexistent/tty", Settings(9600)), 0);
    EXPECT_FALSE(com.IsPortOpen());
    EXPECT_EQ(com.ConfigureDirect(pty.SlavePath(), Settings(7)), 0);
    EXPECT_TRUE(com.IsPortOpen());
    ASSERT_EQ(prompt.Messages().size(), 2u);
    EXPECT_EQ(prompt.Messages()[0].text, "Error to open com port.\n/nonexistent/tty: No such file or directory");
    EXPECT_EQ(prompt.Messages()[1].text, "Error to Set communication state");
    ASSERT_EQ(com.ConfigureDirect(pty.SlavePath(), Settings(19200)), 1);
    EXPECT_EQ(com.DoCommSetup(), 0);
    EXPECT_FALSE(com.IsPortOpen());
}

TEST(CSerialLink, WriteAndReadThroughThePort)
{
    PtyPair pty;
    CSerialLink com;
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
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buf), static_cast<size_t>(length)), "reply");
    length = 71;  // nothing more: still 1, and the length tells
    EXPECT_EQ(com.ReadData(buf, length, 0), 1);
    EXPECT_EQ(length, 0);
}

}  // namespace
