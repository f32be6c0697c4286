// Frames of the wire protocol: request and write encodings, checksums and reply decoding.
#include "link/CQ4kProtocol.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

class ProtocolProbe : public CQ4kProtocol {
public:
    using CQ4kProtocol::CalCheckSum;
};

std::string AsText(const uint8_t* frame, int n)
{
    return std::string(reinterpret_cast<const char*>(frame), static_cast<size_t>(n));
}

struct ReqCase {
    ND_Q4K_MSG kind;
    uint8_t address;
    const char* frame;
};

TEST(CQ4kProtocol, RequestFramesUseNibbleCharacters)
{
    const ReqCase cases[] = {
        {MSG_READ_ALARM, 5, "#A0546$"},
        {MSG_READ_LOGICAL, 2, "#@1:5:$"},     // address 26, checksum 0x5A
        {MSG_READ_LOGICAL, 0, "#@1858$"},     // address 24, checksum 0x58
        {MSG_READ_GENERAL, 7, "#B0749$"},
        {MSG_READ_PHYSICAL, 23, "#@1757$"},   // 0x40 + 0x17 = 0x57
        {MSG_READ_ALARM, 47, "#A2?70$"},      // 0x41 + 0x2F = 0x70
        {MSG_READ_LOGICAL, 240, "#@0848$"},   // 240 + 24 wraps to 8
    };
    ProtocolProbe protocol;
    for (const ReqCase& c : cases) {
        std::array<uint8_t, 7> frame{};
        protocol.MakeReqMsg(c.kind, c.address, frame.data());
        EXPECT_EQ(AsText(frame.data(), 7), c.frame) << "kind " << c.kind << " address " << int(c.address);
    }
}

TEST(CQ4kProtocol, AlarmRequestBytesMatchTheWire)
{
    CQ4kProtocol protocol;
    std::array<uint8_t, 7> frame{};
    protocol.MakeReqMsg(MSG_READ_ALARM, 5, frame.data());
    const std::array<uint8_t, 7> expected = {0x23, 0x41, 0x30, 0x35, 0x34, 0x36, 0x24};
    EXPECT_EQ(frame, expected);
}

TEST(CQ4kProtocol, WriteFrameOfZeroAlarmBlock)
{
    CQ4kProtocol protocol;
    std::array<uint8_t, 32> data{};
    std::array<uint8_t, 71> frame{};
    EXPECT_EQ(protocol.MakeWriteMsg(MSG_WRITE_ALARM, 0, data.data(), frame.data()), 1);
    EXPECT_EQ(AsText(frame.data(), 71), "#E0045" + std::string(64, '0') + "$");
}

TEST(CQ4kProtocol, WriteFrameOfLogicalBlockMovesAddress)
{
    CQ4kProtocol protocol;
    std::array<uint8_t, 32> data{};
    std::array<uint8_t, 71> frame{};
    protocol.MakeWriteMsg(MSG_WRITE_LOGICAL, 6, data.data(), frame.data());
    EXPECT_EQ(AsText(frame.data(), 6), "#D1>62"); // address 30; checksum 0x44 + 0x1E = 0x62
}

TEST(CQ4kProtocol, WriteFrameEncodesDataHighNibbleFirstAndSums)
{
    CQ4kProtocol protocol;
    std::array<uint8_t, 32> data{};
    data[0] = 0xAB;
    data[31] = 0xF0;
    std::array<uint8_t, 71> frame{};
    protocol.MakeWriteMsg(MSG_WRITE_PHYSICAL, 1, data.data(), frame.data());
    EXPECT_EQ(frame[6], ':');
    EXPECT_EQ(frame[7], ';');
    EXPECT_EQ(frame[68], '?');
    EXPECT_EQ(frame[69], '0');
    // 0x44 + 1 + 0xAB + 0xF0 = 0x1E0 -> E0
    EXPECT_EQ(frame[4], '>');
    EXPECT_EQ(frame[5], '0');
    for (int i = 2; i < 70; ++i)
        EXPECT_TRUE(frame[i] >= '0' && frame[i] <= '?') << "offset " << i;
}

TEST(CQ4kProtocol, ChecksumWrapsModulo256)
{
    // 0x46 + 0x07 + data = 0x1234: the frame carries "34".
    CQ4kProtocol protocol;
    std::array<uint8_t, 32> data{};
    int rest = 0x1234 - 0x46 - 0x07;
    for (auto& b : data) {
        int take = rest > 0xFF ? 0xFF : rest;
        b = static_cast<uint8_t>(take);
        rest -= take;
    }
    ASSERT_EQ(rest, 0);
    std::array<uint8_t, 71> frame{};
    protocol.MakeWriteMsg(MSG_WRITE_GENERAL, 7, data.data(), frame.data());
    EXPECT_EQ(frame[4], '3');
    EXPECT_EQ(frame[5], '4');
}

TEST(CQ4kProtocol, WriteFrameDecodesBackToItsData)
{
    CQ4kProtocol protocol;
    std::array<uint8_t, 32> data{};
    for (int i = 0; i < 32; ++i)
        data[i] = static_cast<uint8_t>(i * 37 + 11);
    std::array<uint8_t, 71> frame{};
    protocol.MakeWriteMsg(MSG_WRITE_GENERAL, 3, data.data(), frame.data());
    ND_Q4K_MSG kind{};
    uint8_t address = 0;
    std::array<uint8_t, 32> decoded{};
    EXPECT_EQ(protocol.GetReadMsg(frame.data(), kind, address, decoded.data()), 1);
    EXPECT_EQ(kind, MSG_WRITE_GENERAL);
    EXPECT_EQ(address, 3);
    EXPECT_EQ(decoded, data);
}

TEST(CQ4kProtocol, ReplyWithOtherCommandAndAddressIsAccepted)
{
    CQ4kProtocol protocol;
    std::array<uint8_t, 32> data{};
    data[5] = 0x77;
    std::array<uint8_t, 71> frame{};
    protocol.MakeWriteMsg(MSG_READ_ALARM, 40, data.data(), frame.data());
    ND_Q4K_MSG kind{};
    uint8_t address = 0;
    std::array<uint8_t, 32> decoded{};
    EXPECT_EQ(protocol.GetReadMsg(frame.data(), kind, address, decoded.data()), 1);
    EXPECT_EQ(kind, MSG_READ_ALARM);
    EXPECT_EQ(address, 40);
    EXPECT_EQ(decoded[5], 0x77);
}

TEST(CQ4kProtocol, ReplyDecodesLowNibblesOnly)
{
    CQ4kProtocol protocol;
    std::array<uint8_t, 32> data{};
    std::array<uint8_t, 71> frame{};
    data[0] = 0x11;
    protocol.MakeWriteMsg(MSG_READ_GENERAL, 0, data.data(), frame.data());
    frame[6] = 0x41; // 'A' where '1' was sent
    frame[0] = 'x';  // start and end characters are not examined
    frame[70] = 'y';
    ND_Q4K_MSG kind{};
    uint8_t address = 0;
    std::array<uint8_t, 32> decoded{};
    EXPECT_EQ(protocol.GetReadMsg(frame.data(), kind, address, decoded.data()), 1);
    EXPECT_EQ(decoded[0], 0x11);
}

TEST(CQ4kProtocol, BadChecksumFailsButStillFillsOutputs)
{
    CQ4kProtocol protocol;
    std::array<uint8_t, 32> data{};
    data[9] = 0x42;
    std::array<uint8_t, 71> frame{};
    protocol.MakeWriteMsg(MSG_READ_PHYSICAL, 12, data.data(), frame.data());
    frame[5] = static_cast<uint8_t>(frame[5] ^ 0x01);
    ND_Q4K_MSG kind{};
    uint8_t address = 0;
    std::array<uint8_t, 32> decoded{};
    EXPECT_EQ(protocol.GetReadMsg(frame.data(), kind, address, decoded.data()), 0);
    EXPECT_EQ(address, 12);
    EXPECT_EQ(decoded[9], 0x42);

    protocol.MakeWriteMsg(MSG_READ_PHYSICAL, 12, data.data(), frame.data());
    frame[30] = '5'; // a data character changed in transit
    EXPECT_EQ(protocol.GetReadMsg(frame.data(), kind, address, decoded.data()), 0);
}

TEST(CQ4kProtocol, CmpRWDataLooksAtOffsets6To37)
{
    CQ4kProtocol protocol;
    std::array<uint8_t, 71> a{};
    std::array<uint8_t, 71> b{};
    struct {
        int offset;
        int equal;
    } cases[] = {{5, 1}, {6, 0}, {37, 0}, {38, 1}, {70, 1}};
    for (const auto& c : cases) {
        b = a;
        b[c.offset] = 1;
        EXPECT_EQ(protocol.CmpRWData(a.data(), b.data()), c.equal) << "offset " << c.offset;
    }
}

TEST(CQ4kProtocol, CalCheckSumMapsShiftedKindsAndAddsDataForWrites)
{
    ProtocolProbe protocol;
    std::array<uint8_t, 32> data{};
    data[0] = 0x10;
    data[31] = 0x01;
    struct {
        int kind;
        uint8_t address;
        uint8_t sum;
    } cases[] = {
        {MSG_READ_ALARM, 5, 0x46},                       // requests add no data
        {67, 2, 0x40 + 26},                              // "@" for logical block 2
        {71, 6, static_cast<uint8_t>(0x44 + 30 + 0x11)}, // "D" for logical block 6, with data
        {75, 0, static_cast<uint8_t>(0x48 + 24 + 0x11)},
        {MSG_WRITE_ALARM, 0, 0x45 + 0x11},
        {MSG_WRITE_GENERAL, 250, static_cast<uint8_t>(0x46 + 250 + 0x11)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(protocol.CalCheckSum(c.kind, c.address, data.data()), c.sum) << "kind " << c.kind;
}

TEST(CQ4kProtocol, RequestOfWriteKindIsNotMapped)
{
    // Only the read kind of the logical inputs moves the address in a request.
    CQ4kProtocol protocol;
    std::array<uint8_t, 7> frame{};
    protocol.MakeReqMsg(MSG_WRITE_LOGICAL, 1, frame.data());
    EXPECT_EQ(frame[1], 151);
    EXPECT_EQ(frame[2], '0');
    EXPECT_EQ(frame[3], '1');
}

}  // namespace
