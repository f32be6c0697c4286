// Building and decoding the unit's request, write and reply frames.
#include "link/CQ4kProtocol.h"

#include <cstring>

namespace {

const uint8_t FRAME_START = '#';
const uint8_t FRAME_END = '$';
const uint8_t LOGICAL_OFFSET = 24;

// A nibble travels as 0x30 + n: "0".."9" then ":" ";" "<" "=" ">" "?".
void PutByte(uint8_t* at, uint8_t value)
{
    at[0] = static_cast<uint8_t>(0x30 + (value >> 4));
    at[1] = static_cast<uint8_t>(0x30 + (value & 0x0F));
}

uint8_t GetByte(const uint8_t* at)
{
    return static_cast<uint8_t>(((at[0] & 0x0F) << 4) | (at[1] & 0x0F));
}

// The command character and the address that go on the line. Only the logical kind of the
// frame being built is mapped (reads for requests, writes for write frames); every other kind
// travels as its low byte with the address unchanged.
void MapKind(ND_Q4K_MSG kind, ND_Q4K_MSG logicalKind, ND_Q4K_MSG physicalKind, uint8_t address, uint8_t& command,
             uint8_t& sent)
{
    if (kind == logicalKind) {
        command = static_cast<uint8_t>(physicalKind);
        sent = static_cast<uint8_t>(address + LOGICAL_OFFSET);
    } else {
        command = static_cast<uint8_t>(kind & 0xFF);
        sent = address;
    }
}

}  // namespace

void CQ4kProtocol::MakeReqMsg(ND_Q4K_MSG kind, uint8_t address, uint8_t* frame) const
{
    uint8_t command = 0;
    uint8_t sent = 0;
    MapKind(kind, MSG_READ_LOGICAL, MSG_READ_PHYSICAL, address, command, sent);
    frame[0] = FRAME_START;
    frame[1] = command;
    PutByte(frame + 2, sent);
    PutByte(frame + 4, static_cast<uint8_t>(command + sent));
    frame[6] = FRAME_END;
}

int CQ4kProtocol::MakeWriteMsg(ND_Q4K_MSG kind, uint8_t address, const uint8_t* data, uint8_t* frame) const
{
    uint8_t command = 0;
    uint8_t sent = 0;
    MapKind(kind, MSG_WRITE_LOGICAL, MSG_WRITE_PHYSICAL, address, command, sent);
    frame[0] = FRAME_START;
    frame[1] = command;
    PutByte(frame + 2, sent);
    uint8_t sum = static_cast<uint8_t>(command + sent);
    for (int i = 0; i < BLOCK_LEN; ++i) {
        PutByte(frame + 6 + 2 * i, data[i]);
        sum = static_cast<uint8_t>(sum + data[i]);
    }
    PutByte(frame + 4, sum);
    frame[70] = FRAME_END;
    return 1;
}

int CQ4kProtocol::GetReadMsg(const uint8_t* frame, ND_Q4K_MSG& kind, uint8_t& address, uint8_t* data) const
{
    kind = static_cast<ND_Q4K_MSG>(frame[1]);
    address = GetByte(frame + 2);
    uint8_t expected = GetByte(frame + 4);
    uint8_t sum = static_cast<uint8_t>(frame[1] + address);
    for (int i = 0; i < BLOCK_LEN; ++i) {
        data[i] = GetByte(frame + 6 + 2 * i);
        sum = static_cast<uint8_t>(sum + data[i]);
    }
    return sum == expected ? 1 : 0;
}

int CQ4kProtocol::IsReplyTo(const uint8_t* request, ND_Q4K_MSG kind, uint8_t address) const
{
    return kind == static_cast<ND_Q4K_MSG>(request[1]) && address == GetByte(request + 2) ? 1 : 0;
}

int CQ4kProtocol::CmpRWData(const uint8_t* frame1, const uint8_t* frame2) const
{
    return std::memcmp(frame1 + 6, frame2 + 6, 32) == 0 ? 1 : 0;
}

uint8_t CQ4kProtocol::CalCheckSum(int kind, uint8_t address, const uint8_t* data) const
{
    if (kind == 67 || kind == 71 || kind == 75) {
        kind -= 3;
        address = static_cast<uint8_t>(address + LOGICAL_OFFSET);
    }
    uint8_t sum = static_cast<uint8_t>(kind + address);
    if (kind >= MSG_WRITE_PHYSICAL && data) {
        for (int i = 0; i < BLOCK_LEN; ++i)
            sum = static_cast<uint8_t>(sum + data[i]);
    }
    return sum;
}
