// One block moved over the COM link: a read (the input emptied, the request, the fixed wait, a
// 71-byte reply to that request whose checksum holds), or a write with read-back; and the count
// of the bytes that went over the line.
#pragma once

#include "link/CQ4kProtocol.h"

#include <atomic>
#include <cstdint>
#include <functional>

class CSerialLink;

class CBlockExchange {
public:
    explicit CBlockExchange(CSerialLink& link) : m_link(link) {}

    // Reads one block into m_TransBlock; false when the block failed.
    bool Read(ND_Q4K_MSG kind, int block);
    // Writes m_TransBlock, waits, reads the block back (kind - 4) and compares, waits again;
    // true when the unit holds the block.
    bool Write(ND_Q4K_MSG kind, int block);

    uint32_t GetBytesMoved() const { return m_cbTrans; }
    // True once a write frame has gone out: the unit may hold something new.
    bool HasWritten() const { return m_written; }
    void ResetCount();
    // Told the new count after every frame that went through.
    std::function<void(uint32_t)> m_onCount;

    // Frames and blocks of the exchange under way.
    uint8_t m_ReqFrame[CQ4kProtocol::REQ_FRAME_LEN] = {};
    uint8_t m_WriteFrame[CQ4kProtocol::DATA_FRAME_LEN] = {};
    uint8_t m_ReadFrame[CQ4kProtocol::DATA_FRAME_LEN] = {};
    uint8_t m_TransBlock[CQ4kProtocol::BLOCK_LEN] = {};
    uint8_t m_VerifyBlock[CQ4kProtocol::BLOCK_LEN] = {};

private:
    void Count(uint32_t n);

    CSerialLink& m_link;
    CQ4kProtocol m_protocol;
    std::atomic<uint32_t> m_cbTrans{0};
    bool m_written = false;
};
