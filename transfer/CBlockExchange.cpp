// Block read and block write with read-back.
#include "transfer/CBlockExchange.h"

#include "link/CSerialLink.h"

#include <chrono>
#include <cstring>
#include <thread>

void CBlockExchange::ResetCount()
{
    m_cbTrans = 0;
    if (m_onCount)
        m_onCount(0);
}

void CBlockExchange::Count(uint32_t n)
{
    m_cbTrans += n;
    if (m_onCount)
        m_onCount(m_cbTrans);
}

bool CBlockExchange::Read(ND_Q4K_MSG kind, int block)
{
    std::memset(m_ReqFrame, 0, sizeof m_ReqFrame);
    std::memset(m_ReadFrame, 0, sizeof m_ReadFrame);
    std::memset(m_TransBlock, 0, sizeof m_TransBlock);
    m_protocol.MakeReqMsg(kind, static_cast<uint8_t>(block), m_ReqFrame);
    // Whatever is waiting answers an earlier request (one given up, whose reply came late): it
    // must not be taken for this one's.
    m_link.PurgeInput();
    if (m_link.Write(m_ReqFrame, CQ4kProtocol::REQ_FRAME_LEN) != CQ4kProtocol::REQ_FRAME_LEN)
        return false;
    Count(CQ4kProtocol::REQ_FRAME_LEN);

    int length = CQ4kProtocol::DATA_FRAME_LEN;
    m_link.ReadData(m_ReadFrame, length, m_link.GetFixedWaitMs());
    if (length != CQ4kProtocol::DATA_FRAME_LEN)
        return false;
    // A good checksum is not enough: a reply that came late, or for another block, has one too.
    ND_Q4K_MSG replyKind{};
    uint8_t replyAddress = 0;
    if (!m_protocol.GetReadMsg(m_ReadFrame, replyKind, replyAddress, m_TransBlock)
        || !m_protocol.IsReplyTo(m_ReqFrame, replyKind, replyAddress)) {
        std::memset(m_TransBlock, 0, sizeof m_TransBlock);
        return false;
    }
    Count(CQ4kProtocol::DATA_FRAME_LEN);
    return true;
}

bool CBlockExchange::Write(ND_Q4K_MSG kind, int block)
{
    std::memset(m_WriteFrame, 0, sizeof m_WriteFrame);
    m_protocol.MakeWriteMsg(kind, static_cast<uint8_t>(block), m_TransBlock, m_WriteFrame);
    std::memcpy(m_VerifyBlock, m_TransBlock, sizeof m_VerifyBlock);
    if (m_link.Write(m_WriteFrame, CQ4kProtocol::DATA_FRAME_LEN) != CQ4kProtocol::DATA_FRAME_LEN)
        return false;
    m_written = true;
    Count(CQ4kProtocol::DATA_FRAME_LEN);

    std::this_thread::sleep_for(std::chrono::milliseconds(m_link.GetFixedWaitMs()));
    if (!Read(static_cast<ND_Q4K_MSG>(kind - 4), block))
        return false;
    if (std::memcmp(m_TransBlock, m_VerifyBlock, sizeof m_VerifyBlock) != 0)
        return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(m_link.GetFixedWaitMs()));
    return true;
}
