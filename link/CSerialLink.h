// The connection to the unit: the COM setup (port name, then line settings) and the serial
// port that the transfers write frames to and read replies from.
#pragma once

#include "link/CLineSettings.h"
#include "link/CZTSerial.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

class IComSetupUi;
class IMessagePrompt;

class CSerialLink {
public:
    explicit CSerialLink(IMessagePrompt* prompt = nullptr, IComSetupUi* ui = nullptr,
                             std::unique_ptr<CZTSerial> serial = std::make_unique<CZTSerial>());
    ~CSerialLink();
    CSerialLink(const CSerialLink&) = delete;
    CSerialLink& operator=(const CSerialLink&) = delete;

    void SetUi(IComSetupUi* ui) { m_pUi = ui; }
    void SetMessagePrompt(IMessagePrompt* prompt) { m_pPrompt = prompt; }

    // Closes the port, asks for the port name (always offered as "COM1") and then configures
    // it; 1 when the port is open and set up.
    int DoCommSetup();
    // Opens the port if needed, reads its settings, lets the user edit them and applies them.
    int DoConfig();
    // Opens the named port; shows the error (with the device and the system's reason) and
    // returns 0 when it cannot.
    int OpenComPort();
    // Opens and configures a port without asking anybody; 1 on success.
    int ConfigureDirect(const std::string& port, const CLineSettings& settings);

    // Bytes written, or -1 while the port is closed.
    int Write(const uint8_t* data, int length);
    // Always 1: waits waitMs, then sets length to the number of bytes taken (at most length).
    int ReadData(uint8_t* buffer, int& length, int waitMs);
    // Discards everything waiting in both directions.
    int Purge();
    // Discards what has arrived and not been read.
    int PurgeInput();

    bool IsPortOpen() const;
    // Why the open port stopped working ("the port went away: Input/output error"); empty while
    // it works.
    std::string GetPortFailure() const;

    // The unit's fixed waits: before a reply is read, after a write frame and after a good
    // read-back. The unit needs 100 ms; an emulated unit on a pty may be driven faster.
    static constexpr int FIXED_WAIT_MS = 100;
    int GetFixedWaitMs() const { return m_nFixedWaitMs; }
    void SetFixedWaitMs(int ms) { m_nFixedWaitMs = ms < 0 ? 0 : ms; }
    const std::string& GetPortName() const { return m_strPortName; }
    void SetPortName(const std::string& name) { m_strPortName = name; }

private:
    void ShowError(const std::string& text);
    std::string OpenErrorText() const;

    std::unique_ptr<CZTSerial> m_pSerial;
    std::string m_strPortName;
    IMessagePrompt* m_pPrompt = nullptr;
    IComSetupUi* m_pUi = nullptr;
    std::atomic<int> m_nFixedWaitMs{FIXED_WAIT_MS};
};
