// The serial port against a pseudo-terminal: opening, line settings, reads that end on a count
// or on a quiet line, purge and close.
#include "link/CZTSerial.h"

#include "link/TermiosSettings.h"
#include "support/PtyPair.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

long ElapsedMs(Clock::time_point since)
{
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

class CZTSerialTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_pty.Ok());
        ASSERT_NE(m_serial.OpenCommPort(m_pty.SlavePath()), CZTSerial::INVALID_PORT);
    }
    void SetBaud(unsigned baud)
    {
        ASSERT_EQ(m_serial.SetCommState({baud, 8, CLineSettings::Parity::None, 1, CLineSettings::FlowControl::None}), 1);
    }

    PtyPair m_pty;
    CZTSerial m_serial;
};

TEST(CZTSerialNames, ComAliasesNameTheSerialDevices)
{
    const std::pair<const char*, const char*> cases[] = {
        {"COM1", "/dev/ttyS0"}, {"COM4", "/dev/ttyS3"}, {"com2", "/dev/ttyS1"}, {"COM12", "/dev/ttyS11"},
        {"/dev/ttyUSB0", "/dev/ttyUSB0"}, {"COM0", "COM0"}, {"COMX", "COMX"}, {"COM", "COM"},
    };
    for (const auto& [name, path] : cases)
        EXPECT_EQ(CZTSerial::DevicePath(name), path) << name;
}

TEST_F(CZTSerialTest, LineSettingsRoundTrip)
{
    // A pseudo-terminal always keeps 8 data bits without parity; rate, stop bits and flow
    // control stick.
    const CLineSettings cases[] = {
        {110, 8, CLineSettings::Parity::None, 1, CLineSettings::FlowControl::None},
        {19200, 8, CLineSettings::Parity::None, 2, CLineSettings::FlowControl::XonXoff},
        {1200, 8, CLineSettings::Parity::None, 1, CLineSettings::FlowControl::RtsCts},
        {115200, 8, CLineSettings::Parity::None, 2, CLineSettings::FlowControl::None},
    };
    for (const CLineSettings& s : cases) {
        ASSERT_EQ(m_serial.SetCommState(s), 1) << s.m_baudRate;
        CLineSettings back;
        ASSERT_EQ(m_serial.GetCommState(back), 1);
        EXPECT_EQ(back, s) << s.m_baudRate;
    }
    CLineSettings bad[5];
    bad[0].m_baudRate = 12345;
    bad[1].m_dataBits = 4;
    bad[2].m_dataBits = 9;
    bad[3].m_stopBits = 3;
    bad[4].m_parity = static_cast<CLineSettings::Parity>(5);
    for (const CLineSettings& s : bad)
        EXPECT_EQ(m_serial.SetCommState(s), 0);
}

TEST(TermiosSettings, EveryCombinationRoundTrips)
{
    for (unsigned baud : {110u, 300u, 2400u, 9600u, 19200u, 57600u})
        for (int bits = 5; bits <= 8; ++bits)
            for (int parity = 0; parity <= 2; ++parity)
                for (int stop = 1; stop <= 2; ++stop)
                    for (int flow = 0; flow <= 2; ++flow) {
                        CLineSettings s{baud, bits, static_cast<CLineSettings::Parity>(parity), stop,
                                        static_cast<CLineSettings::FlowControl>(flow)};
                        termios tio{};
                        ASSERT_TRUE(q4::ToTermios(s, tio));
                        EXPECT_EQ(q4::FromTermios(tio), s) << baud << " " << bits << parity << stop << flow;
                        EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
                        EXPECT_NE(tio.c_cflag & CREAD, 0u);
                    }
}

// A read waits for more while the line has been quiet less than four character times.
TEST_F(CZTSerialTest, QuietTimeIsFourCharacterTimesButAtLeast20Ms)
{
    for (auto [baud, quietMs] : {std::pair{19200u, 20}, {1200u, 34}, {300u, 134}, {110u, 364}}) {
        SetBaud(baud);
        EXPECT_EQ(m_serial.QuietTimeMs(), quietMs) << baud;
    }
}

TEST_F(CZTSerialTest, ReadDataReturnsOnceCountIsIn)
{
    SetBaud(110);  // a quiet line would take 364 ms
    std::string reply(71, '5');
    m_pty.Send(reply + "extra");
    char buf[80] = {};
    auto start = Clock::now();
    EXPECT_EQ(m_serial.ReadData(buf, 71), 71);
    EXPECT_LT(ElapsedMs(start), 200);
    EXPECT_EQ(std::string(buf, 71), reply);
    // What was beyond the count waits for the next read.
    EXPECT_EQ(m_serial.ReadData(buf, 71), 5);
    EXPECT_EQ(std::string(buf, 5), "extra");
}

TEST_F(CZTSerialTest, ReadDataStopsOnAQuietLine)
{
    SetBaud(9600);  // quiet after 20 ms
    char buf[71] = {};
    auto start = Clock::now();
    EXPECT_EQ(m_serial.ReadData(buf, 71), 0);
    long quiet = ElapsedMs(start);
    EXPECT_GE(quiet, 18);
    EXPECT_LT(quiet, 200);

    std::thread feeder([this] {
        m_pty.Send("first");
        std::this_thread::sleep_for(std::chrono::milliseconds(120));
        m_pty.Send("second");
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    int got = m_serial.ReadData(buf, 71);
    feeder.join();
    EXPECT_EQ(std::string(buf, static_cast<size_t>(got)), "first");
    EXPECT_EQ(m_serial.ReadData(buf, 71), 6);
}

TEST_F(CZTSerialTest, ReadDataCollectsBytesArrivingWithinQuietTime)
{
    SetBaud(300);  // quiet after 134 ms
    std::thread feeder([this] {
        for (int i = 0; i < 7; ++i) {
            m_pty.Send(std::string(10, static_cast<char>('0' + i)));
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    char buf[71] = {};
    int got = m_serial.ReadData(buf, 71);
    feeder.join();
    EXPECT_EQ(got, 70);
    EXPECT_EQ(std::string(buf + 60, 10), std::string(10, '6'));
}

TEST_F(CZTSerialTest, APortThatGoesAwayFailsEveryReadAndWriteAtOnce)
{
    SetBaud(110);  // a quiet line would take 364 ms
    EXPECT_EQ(m_serial.GetLostError(), "");
    m_pty.CloseMaster();
    char buf[71] = {};
    const uint8_t bytes[3] = {0x20, 0x20, 0x20};
    auto start = Clock::now();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(m_serial.ReadData(buf, 71), 0);
        EXPECT_EQ(m_serial.SendData(bytes, 3), 0u);
    }
    EXPECT_LT(ElapsedMs(start), 100);
    EXPECT_TRUE(m_serial.IsLost());
    EXPECT_EQ(m_serial.GetLostError(), "Input/output error");
}

TEST_F(CZTSerialTest, PurgeDiscardsWaitingInput)
{
    m_pty.Send("stale reply bytes");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(m_serial.Purge(), 1);
    char buf[32];
    EXPECT_EQ(m_serial.ReadData(buf, 32), 0);
}

TEST_F(CZTSerialTest, ClosedPortRefusesEverythingUntilOpenedAgain)
{
    CZTSerial other;  // a file that is no terminal is no port, and says why
    EXPECT_EQ(other.OpenCommPort("/dev/null"), CZTSerial::INVALID_PORT);
    EXPECT_EQ(other.GetOpenError(), "Inappropriate ioctl for device");
    EXPECT_FALSE(other.IsOpen());
    // A port is held by one opener at a time; the message names the holder where it can.
    EXPECT_EQ(other.OpenCommPort(m_pty.SlavePath()), CZTSerial::INVALID_PORT);
    // Named with the holder's program: this test's own executable.
    EXPECT_TRUE(other.GetOpenError() == "the port is in use by test_link (process " + std::to_string(getpid()) + ")"
                || other.GetOpenError() == "the port is in use by another program")
        << other.GetOpenError();
    m_serial.CloseCommPort();
    EXPECT_NE(other.OpenCommPort(m_pty.SlavePath()), CZTSerial::INVALID_PORT);
    EXPECT_EQ(other.GetOpenError(), "");
    other.CloseCommPort();

    EXPECT_EQ(m_serial.CloseCommPort(), 1u);
    EXPECT_FALSE(m_serial.IsOpen());
    EXPECT_EQ(m_serial.CloseCommPort(), 1u);
    const uint8_t bytes[3] = {0x20, 0x20, 0x20};
    char byte = 0;
    CLineSettings settings;
    EXPECT_EQ(m_serial.GetCommState(settings), 0);
    EXPECT_EQ(m_serial.SendData(bytes, 3), 0u);
    EXPECT_EQ(m_serial.ReadData(&byte, 1), 0);
    EXPECT_EQ(m_serial.Purge(), 0);
    EXPECT_NE(m_serial.OpenCommPort(m_pty.SlavePath()), CZTSerial::INVALID_PORT);
    EXPECT_EQ(m_serial.SendData(bytes, 3), 3u);
    EXPECT_EQ(m_pty.Receive(3, 500), "   ");
}

}  // namespace
