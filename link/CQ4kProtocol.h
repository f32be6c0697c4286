// The unit's framed ASCII protocol: 7-byte requests, 71-byte write and reply frames, each byte
// after the command sent as two nibble characters "0".."?", with an additive 8-bit checksum.
#pragma once

#include <cstdint>

// What a frame does. 64..70 travel as the command character itself; the logical input kinds
// travel as "@"/"D" with the address moved up by 24.
enum ND_Q4K_MSG : int {
    MSG_READ_PHYSICAL = 64,
    MSG_READ_ALARM = 65,
    MSG_READ_GENERAL = 66,
    MSG_WRITE_PHYSICAL = 68,
    MSG_WRITE_ALARM = 69,
    MSG_WRITE_GENERAL = 70,
    MSG_READ_LOGICAL = 147,
    MSG_WRITE_LOGICAL = 151,
};

class CQ4kProtocol {
public:
    static constexpr int REQ_FRAME_LEN = 7;
    static constexpr int DATA_FRAME_LEN = 71;
    static constexpr int BLOCK_LEN = 32;

    virtual ~CQ4kProtocol() = default;

    // Fills frame[7] with the request for one block.
    void MakeReqMsg(ND_Q4K_MSG kind, uint8_t address, uint8_t* frame) const;
    // Fills frame[71] with the write frame carrying data[32]; always 1.
    int MakeWriteMsg(ND_Q4K_MSG kind, uint8_t address, const uint8_t* data, uint8_t* frame) const;
    // Decodes a 71-byte reply through the low nibble of each character. The outputs are always
    // written; returns 1 when the checksum holds, else 0.
    int GetReadMsg(const uint8_t* frame, ND_Q4K_MSG& kind, uint8_t& address, uint8_t* data) const;
    // 1 when a reply decoded by GetReadMsg answers the request frame: the same command character
    // and the same address as sent (a logical input's moved up by 24).
    int IsReplyTo(const uint8_t* request, ND_Q4K_MSG kind, uint8_t address) const;
    // 1 when both frames carry the same characters at offsets 6..37.
    int CmpRWData(const uint8_t* frame1, const uint8_t* frame2) const;

protected:
    // Checksum of a frame of this kind; the old shifted kinds 67, 71, 75 map to kind-3 and
    // address+24. Data is added for the data-carrying kinds (68 and up) only.
    uint8_t CalCheckSum(int kind, uint8_t address, const uint8_t* data) const;
};
