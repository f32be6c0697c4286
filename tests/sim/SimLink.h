// Test helper: the programmer's side of a link to the emulated unit, through the real COM
// holder and serial port, with frames built by the protocol class.
#pragma once

#include "link/CSerialLink.h"
#include "link/CQ4kProtocol.h"

#include <array>
#include <string>

struct SimReply {
    int length = 0;  // bytes that arrived
    int checksumOk = 0;
    ND_Q4K_MSG kind{};
    uint8_t address = 0;
    std::array<uint8_t, 32> data{};
};

class SimLink {
public:
    explicit SimLink(const std::string& port, unsigned baud = 9600)
    {
        m_bOpen = m_com.ConfigureDirect(port, {baud, 8, CLineSettings::Parity::None, 1, CLineSettings::FlowControl::None}) == 1;
    }

    bool IsOpen() const { return m_bOpen; }
    CSerialLink& Com() { return m_com; }

    SimReply Read(ND_Q4K_MSG kind, uint8_t block, int waitMs = 100)
    {
        uint8_t request[7];
        m_protocol.MakeReqMsg(kind, block, request);
        SimReply reply;
        if (m_com.Write(request, 7) != 7)
            return reply;
        uint8_t frame[71] = {};
        reply.length = 71;
        m_com.ReadData(frame, reply.length, waitMs);
        reply.checksumOk = m_protocol.GetReadMsg(frame, reply.kind, reply.address, reply.data.data());
        return reply;
    }

    bool Write(ND_Q4K_MSG kind, uint8_t block, const std::array<uint8_t, 32>& data, bool spoilChecksum = false)
    {
        uint8_t frame[71];
        m_protocol.MakeWriteMsg(kind, block, data.data(), frame);
        if (spoilChecksum)
            frame[5] = static_cast<uint8_t>(frame[5] == '0' ? '1' : '0');
        return m_com.Write(frame, 71) == 71;
    }

private:
    CSerialLink m_com;
    CQ4kProtocol m_protocol;
    bool m_bOpen = false;
};
