// A serial port without a device, for the fuzz targets: what arrives on its line is played back
// from bytes given beforehand, and what the program writes is kept frame by frame.
#pragma once

#include "link/CZTSerial.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CPlaybackPort : public CZTSerial {
public:
    // The line from now on. Each read takes a count byte off it, then as many of the bytes
    // after it as the count says, as were asked for and as are left: a count below what was
    // asked for is a unit that fell silent within the frame. An empty line is a quiet one.
    void Play(const uint8_t* line, size_t size);

    // Frames written and chunks read (empty when nothing came) since Play, in order.
    const std::vector<std::vector<uint8_t>>& GetWritten() const { return m_written; }
    const std::vector<std::vector<uint8_t>>& GetDelivered() const { return m_delivered; }
    // The most one read asked for since Play.
    int GetLargestRead() const { return m_nLargestRead; }

    uint32_t OpenCommPort(const std::string& name) override;
    std::string GetOpenError() const override { return std::string(); }
    uint32_t CloseCommPort() override;
    bool IsOpen() const override { return m_bOpen; }
    int GetCommState(CLineSettings& settings) const override;
    int SetCommState(const CLineSettings& settings) override;
    uint32_t SendData(const uint8_t* data, int n) override;
    int ReadData(void* buffer, int n) override;
    // Nothing has arrived before it is read: there is nothing to discard.
    int Purge() override { return 1; }
    int PurgeInput() override { return 1; }

private:
    std::vector<uint8_t> m_line;
    size_t m_nNext = 0;
    std::vector<std::vector<uint8_t>> m_written;
    std::vector<std::vector<uint8_t>> m_delivered;
    int m_nLargestRead = 0;
    bool m_bOpen = false;
    CLineSettings m_settings;
};
