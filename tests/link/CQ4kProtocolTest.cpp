// Frames of the wire protocol: request and write encodings, checksums and reply decoding.
#include "link/CQ4kProtocol.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using Block = std::array<uint8_t, 32>;

Block Filled(uint8_t fill, uint8_t first, uint8_t last)
{
    Block data;
    data.fill(fill);
    data[0] = first;
    data[31] = last;
    return data;
}

TEST(CQ4kProtocol, RequestFramesUseNibbleCharacters)
{
    const std::tuple<ND_Q4K_MSG, uint8_t, const char*> cases[] = {
        {MSG_READ_ALARM, 5, "#A0546$"},
        {MSG_READ_LOGICAL, 2, "#@1:5:$"},    // address 26, checksum 0x5A
        {MSG_READ_LOGICAL, 0, "#@1858$"},    // address 24, checksum 0x58
        {MSG_READ_GENERAL, 7, "#B0749$"},
        {MSG_READ_PHYSICAL, 23, "#@1757$"},  // 0x40 + 0x17 = 0x57
        {MSG_READ_ALARM, 47, "#A2?70$"},     // 0x41 + 0x2F = 0x70
        {MSG_READ_LOGICAL, 240, "#@0848$"},  // 240 + 24 wraps to 8
    };
    CQ4kProtocol protocol;
    for (const auto& [kind, address, expected] : cases) {
        std::array<uint8_t, 7> frame{};
        protocol.MakeReqMsg(kind, address, frame.data());
        EXPECT_EQ(std::string(frame.begin(), frame.end()), expected) << "kind " << kind << " address " << int(address);
    }
}

TEST(CQ4kProtocol, WriteFramesCarryTheDataHighNibbleFirstAndAWrappingSum)
{
    const std::string zeros(64, '0');
    const std::tuple<ND_Q4K_MSG, uint8_t, Block, std::string> cases[] = {
        {MSG_WRITE_ALARM, 0, Block{}, "#E0045" + zeros + "$"},
        {MSG_WRITE_LOGICAL, 6, Block{}, "#D1>62" + zeros + "$"},  // address 30; 0x44 + 0x1E = 0x62
        // 0x44 + 1 + 0xAB + 0xF0 = 0x1E0
        {MSG_WRITE_PHYSICAL, 1, Filled(0, 0xAB, 0xF0), "#D01>0:;" + zeros.substr(4) + "?0$"},
        // 0x46 + 7 + 32 * 0xFF = 0x202D
        {MSG_WRITE_GENERAL, 7, Filled(0xFF, 0xFF, 0xFF), "#F072=" + std::string(64, '?') + "$"},
    };
    CQ4kProtocol protocol;
    for (const auto& [kind, address, data, expected] : cases) {
        std::array<uint8_t, 71> frame{};
        EXPECT_EQ(protocol.MakeWriteMsg(kind, address, data.data(), frame.data()), 1);
        EXPECT_EQ(std::string(frame.begin(), frame.end()), expected);
    }
}

TEST(CQ4kProtocol, ReplyDecodingReadsLowNibblesAndChecksTheSum)
{
    CQ4kProtocol protocol;
    std::array<uint8_t, 71> frame{};
    ND_Q4K_MSG kind{};
    uint8_t address = 0;
    Block decoded{};
    Block data;
    for (int i = 0; i < 32; ++i)
        data[i] = static_cast<uint8_t>(i * 37 + 11);
    // A reply carries the read kind; the decoder takes whatever command and address come.
    for (auto [sent, at] : {std::pair{MSG_WRITE_GENERAL, 3}, std::pair{MSG_READ_ALARM, 40}}) {
        protocol.MakeWriteMsg(sent, static_cast<uint8_t>(at), data.data(), frame.data());
        EXPECT_EQ(protocol.GetReadMsg(frame.data(), kind, address, decoded.data()), 1);
        EXPECT_EQ(kind, sent);
        EXPECT_EQ(address, at);
        EXPECT_EQ(decoded, data);
    }

    data = Filled(0, 0x11, 0x42);
    protocol.MakeWriteMsg(MSG_READ_PHYSICAL, 12, data.data(), frame.data());
    frame[6] = 0x41;  // 'A' where '1' was sent
    frame[0] = 'x';   // start and end characters are not examined
    frame[70] = 'y';
    EXPECT_EQ(protocol.GetReadMsg(frame.data(), kind, address, decoded.data()), 1);
    EXPECT_EQ(decoded, data);

    frame[5] = static_cast<uint8_t>(frame[5] ^ 0x01);  // a checksum character spoilt in transit
    decoded = Block{};
    EXPECT_EQ(protocol.GetReadMsg(frame.data(), kind, address, decoded.data()), 0);
    EXPECT_EQ(address, 12);                            // the outputs are filled all the same
    EXPECT_EQ(decoded, data);

    protocol.MakeWriteMsg(MSG_READ_PHYSICAL, 12, data.data(), frame.data());
    frame[30] = '5';  // a data character spoilt in transit
    EXPECT_EQ(protocol.GetReadMsg(frame.data(), kind, address, decoded.data()), 0);
}

// A reply answers a request only with its command character and the address as it was sent.
TEST(CQ4kProtocol, AReplyAnswersTheRequestWithItsCommandAndAddress)
{
    const std::tuple<ND_Q4K_MSG, uint8_t, ND_Q4K_MSG, uint8_t, int> cases[] = {
        {MSG_READ_ALARM, 5, MSG_READ_ALARM, 5, 1},
        {MSG_READ_ALARM, 5, MSG_READ_ALARM, 6, 0},
        {MSG_READ_ALARM, 5, MSG_READ_GENERAL, 5, 0},
        {MSG_READ_LOGICAL, 2, MSG_READ_PHYSICAL, 26, 1},  // logical inputs reply as "@" 24 on
        {MSG_READ_LOGICAL, 2, MSG_READ_PHYSICAL, 2, 0},
        {MSG_READ_PHYSICAL, 2, MSG_READ_PHYSICAL, 26, 0},
    };
    CQ4kProtocol protocol;
    Block data = Filled(0x20, 1, 2);
    for (const auto& [asked, block, replied, at, answers] : cases) {
        std::array<uint8_t, 7> request{};
        std::array<uint8_t, 71> reply{};
        protocol.MakeReqMsg(asked, block, request.data());
        protocol.MakeWriteMsg(replied, at, data.data(), reply.data());
        ND_Q4K_MSG kind{};
        uint8_t address = 0;
        Block decoded{};
        ASSERT_EQ(protocol.GetReadMsg(reply.data(), kind, address, decoded.data()), 1);
        EXPECT_EQ(protocol.IsReplyTo(request.data(), kind, address), answers)
            << "request " << asked << " " << int(block) << ", reply " << replied << " " << int(at);
    }
}

}  // namespace
