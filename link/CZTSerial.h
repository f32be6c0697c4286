// A serial port: open by name, read and set its line settings, write, read what has arrived,
// purge and close. The interface carries no system type so that other backends can be added.
#pragma once

#include "link/CLineSettings.h"
#include "link/CPortLock.h"

#include <cstdint>
#include <string>
#include <vector>

class CZTSerial {
public:
    static constexpr uint32_t INVALID_PORT = 0xFFFFFFFFu;

    // lockFolder: where the lock files of the ports are (the system's unless given).
    explicit CZTSerial(std::string lockFolder = CPortLock::DefaultFolder()) : m_lock(std::move(lockFolder)) {}
    CZTSerial(const CZTSerial&) = delete;
    CZTSerial& operator=(const CZTSerial&) = delete;
    virtual ~CZTSerial();

    // A device path, a pseudo-terminal, or a name "COMn" (COM1 is /dev/ttyS0). Returns the
    // port's handle, or INVALID_PORT when it cannot be opened as a terminal or another program
    // holds it. The port is held for this object alone until it is closed.
    virtual uint32_t OpenCommPort(const std::string& name);
    // Why the last open failed, as the system words it; empty after a successful open.
    virtual std::string GetOpenError() const { return m_strOpenError; }
    // Closes the port, its line settings back as they were found; harmless when it is closed.
    virtual uint32_t CloseCommPort();
    virtual bool IsOpen() const { return m_nHandle >= 0; }
    // The port went away (hang-up, error or end of file) since it was opened: every read and
    // write then fails at once instead of waiting on a line that is no more.
    bool IsLost() const { return m_bLost; }
    // Why, as the system words it ("Input/output error"); empty while the port works.
    std::string GetLostError() const;

    // Nonzero on success.
    virtual int GetCommState(CLineSettings& settings) const;
    virtual int SetCommState(const CLineSettings& settings);

    // Writes all n bytes (waiting for them to leave, within their line time); returns the
    // number written.
    virtual uint32_t SendData(const uint8_t* data, int n);
    // Takes up to n bytes: returns once n are in, or once the line has been quiet for a few
    // character times at the current line settings.
    virtual int ReadData(void* buffer, int n);
    // Discards everything waiting in both directions.
    virtual int Purge();
    // Discards what has arrived and not been read.
    virtual int PurgeInput();

    // The device path a port name stands for.
    static std::string DevicePath(const std::string& name);
    // How long the line must be quiet before a read gives up waiting for more, in ms.
    int QuietTimeMs() const;

private:
    uint32_t FailOpen(int error);
    void Lose(int error);

    CPortLock m_lock;
    std::vector<unsigned char> m_savedSettings;  // the terminal's settings before it was opened
    int m_nHandle = -1;
    bool m_bLost = false;
    int m_nLostError = 0;
    std::string m_strOpenError;
    unsigned m_nBaudRate = 9600;
    int m_nBitsPerChar = 10;
};
