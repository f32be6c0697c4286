// Fuzz target of the link to the unit: any bytes arrive on the line of a played-back serial port
// (each read takes a count byte, then up to that many bytes) while blocks go to and from the
// unit. The first byte chooses: even, up to eight single block reads and writes named by the
// bytes after it (two each: kind and direction, block), then the line; odd, a whole download over
// the line, answered Retry after a failed block as often as bits 1 and 2 say. A block is taken
// only from a reply of 71 bytes whose checksum holds and whose command and address are its
// request's, and is exactly what that reply carries; the frames written are the requests of the
// blocks in order and write frames carrying the block; the bytes counted are those of the frames
// that went through.
#include "CPlaybackPort.h"

#include "link/CSerialLink.h"
#include "link/CQ4kProtocol.h"
#include "model/CDocumentFile.h"
#include "transfer/CBlockExchange.h"
#include "transfer/CTransfer.h"
#include "unit/CQ4kUnit.h"
#include "unit/CQuietPrompt.h"
#include "unit/CUnitImage.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;
using Block = CUnitImage::Block;
constexpr size_t FRAME = CQ4kProtocol::DATA_FRAME_LEN;
constexpr size_t REQUEST = CQ4kProtocol::REQ_FRAME_LEN;

void Check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

// The frames of each setup type's blocks, in transfer order, as they go on the line.
struct Kind {
    ND_Q4K_MSG read;
    ND_Q4K_MSG write;
    uint8_t readCommand;
    uint8_t writeCommand;
    uint8_t addressOffset;
    int blocks;
};
const Kind g_Kinds[4] = {
    {MSG_READ_GENERAL, MSG_WRITE_GENERAL, 'B', 'F', 0, 8},
    {MSG_READ_PHYSICAL, MSG_WRITE_PHYSICAL, '@', 'D', 0, 24},
    {MSG_READ_LOGICAL, MSG_WRITE_LOGICAL, '@', 'D', 24, 7},
    {MSG_READ_ALARM, MSG_WRITE_ALARM, 'A', 'E', 0, 48},
};

// What a frame carries as the unit means it: after the command every character stands for its
// low nibble, two to a byte.
struct Carried {
    uint8_t command = 0;
    uint8_t address = 0;
    Block block{};
    bool sumHolds = false;
};

Carried Carries(const Bytes& frame, size_t dataBytes)
{
    auto byteAt = [&frame](size_t at) {
        return static_cast<uint8_t>(((frame[at] & 0x0F) << 4) | (frame[at + 1] & 0x0F));
    };
    Carried c;
    c.command = frame[1];
    c.address = byteAt(2);
    uint8_t sum = static_cast<uint8_t>(c.command + c.address);
    for (size_t i = 0; i < dataBytes; ++i) {
        c.block[i] = byteAt(6 + 2 * i);
        sum = static_cast<uint8_t>(sum + c.block[i]);
    }
    c.sumHolds = sum == byteAt(4);
    return c;
}

bool Framed(const Bytes& frame, size_t length)
{
    return frame.size() == length && frame.front() == '#' && frame.back() == '$';
}

// A reply is taken when all of it came, its checksum holds and it answers the request (command
// and address as sent). The frame decoder must read every whole reply as it is meant, and a
// block it takes must travel back in a write frame.
bool Taken(const Bytes& reply, uint8_t command, uint8_t address)
{
    if (reply.size() != FRAME)
        return false;
    Carried meant = Carries(reply, CQ4kProtocol::BLOCK_LEN);
    CQ4kProtocol protocol;
    ND_Q4K_MSG kind{};
    uint8_t decoded = 0;
    Block block{};
    int sumHolds = protocol.GetReadMsg(reply.data(), kind, decoded, block.data());
    Check(sumHolds == (meant.sumHolds ? 1 : 0) && static_cast<int>(kind) == meant.command && decoded == meant.address
              && block == meant.block,
          "the frame decoder reads a reply otherwise than it is meant");
    if (meant.sumHolds) {
        Bytes back(FRAME);
        protocol.MakeWriteMsg(MSG_WRITE_GENERAL, decoded, block.data(), back.data());
        Carried sent = Carries(back, CQ4kProtocol::BLOCK_LEN);
        Check(Framed(back, FRAME) && sent.sumHolds && sent.address == decoded && sent.block == block,
              "a block read does not go back in a write frame whose checksum holds");
    }
    return meant.sumHolds && meant.command == command && meant.address == address;
}

void CheckRequest(const Bytes& frame, uint8_t command, uint8_t address)
{
    Carried asked = Carries(frame, 0);
    Check(Framed(frame, REQUEST) && asked.command == command && asked.address == address && asked.sumHolds,
          "a request is not the request of its block");
}

// Up to eight reads and writes of single blocks; a write sends what the last read left.
void Exchange(CPlaybackPort& port, CSerialLink& link, const uint8_t* ops, size_t count)
{
    CBlockExchange exchange(link);
    const auto& written = port.GetWritten();
    const auto& delivered = port.GetDelivered();
    uint32_t counted = 0;
    size_t w = 0;
    size_t r = 0;
    for (size_t i = 0; i < count; ++i, ops += 2) {
        const Kind& kind = g_Kinds[(ops[0] >> 1) & 3];
        const int block = ops[1];
        const auto address = static_cast<uint8_t>(block + kind.addressOffset);
        Block sent{};
        std::copy(std::begin(exchange.m_TransBlock), std::end(exchange.m_TransBlock), sent.begin());
        const bool write = (ops[0] & 1) != 0;
        const bool done = write ? exchange.Write(kind.write, block) : exchange.Read(kind.read, block);
        if (write) {
            Carried frame = Carries(written.at(w), CQ4kProtocol::BLOCK_LEN);
            Check(Framed(written.at(w), FRAME) && frame.command == kind.writeCommand && frame.address == address
                      && frame.sumHolds && frame.block == sent,
                  "a write frame does not carry its block");
            ++w;
            counted += FRAME;
            Check(exchange.HasWritten(), "a write frame went out unnoticed");
        }
        CheckRequest(written.at(w++), kind.readCommand, address);
        const Bytes& reply = delivered.at(r++);
        const bool taken = Taken(reply, kind.readCommand, address);
        counted += REQUEST + (taken ? FRAME : 0);
        if (write) {
            Check(done == (taken && Carries(reply, CQ4kProtocol::BLOCK_LEN).block == sent),
                  "a write holds otherwise than when its read-back carries the block written");
        } else {
            Check(done == taken, "a reply is taken otherwise than when all of it came, its checksum holds and it "
                                 "answers its request");
            Block got{};
            std::copy(std::begin(exchange.m_TransBlock), std::end(exchange.m_TransBlock), got.begin());
            Check(!done || got == Carries(reply, CQ4kProtocol::BLOCK_LEN).block, "a block read is not what its reply carries");
        }
        Check(exchange.GetBytesMoved() == counted, "the bytes counted are not those of the frames that went through");
    }
    Check(w == written.size() && r == delivered.size(), "frames went over the line that no block asked for");
}

// Answers Retry as often as it was told to, then Cancel.
class CRetryingObserver : public ITransferObserver {
public:
    explicit CRetryingObserver(int retries) : m_nRetries(retries) {}
    void OnSetupTypeStarted(int, const std::string&) override {}
    void OnBytesMoved(uint32_t) override {}
    void OnBlockFailed(CTransfer& transfer, const std::string&) override
    {
        ++m_nFailed;
        transfer.Answer(m_nRetries-- > 0);
    }
    void OnFinished(const TransferResult&) override { ++m_nFinished; }
    int m_nRetries;
    int m_nFailed = 0;
    int m_nFinished = 0;
};

// Made once; the unit returns to its defaults for every download.
struct Rig {
    Rig()
    {
        auto port = std::make_unique<CPlaybackPort>();
        m_port = port.get();
        m_link = std::make_unique<CSerialLink>(nullptr, nullptr, std::move(port));
        Check(m_link->ConfigureDirect("playback", CLineSettings{}) == 1, "the played-back port does not open");
        m_link->SetFixedWaitMs(0);
    }
    CQuietPrompt m_prompt;
    CPlaybackPort* m_port = nullptr;  // owned by the link
    std::unique_ptr<CSerialLink> m_link;
    CQ4kUnit m_unit{m_prompt};
    CQ4kUnit m_image{m_prompt};
};

// A whole download: the requests follow the transfer order, starting again from General after
// each Retry, and the download ends as its last pass ended.
void Download(Rig& rig, int retries)
{
    rig.m_unit.Initialize();
    CRetryingObserver observer(retries);
    CTransfer transfer(rig.m_unit, *rig.m_link, TransferDirection::Download, observer);
    const TransferResult result = transfer.Run();

    const auto& written = rig.m_port->GetWritten();
    const auto& delivered = rig.m_port->GetDelivered();
    Check(written.size() == delivered.size(), "a request went out without its reply being read");
    CUnitImage blocks;
    size_t next = 0;
    int failed = 0;
    int done = 0;
    bool complete = false;
    while (next < written.size()) {
        done = 0;
        complete = true;
        for (int t = 0; t < 4 && complete; ++t) {
            const Kind& kind = g_Kinds[t];
            blocks.GetBlocks(t).resize(static_cast<size_t>(kind.blocks));
            for (int b = 0; b < kind.blocks && complete; ++b) {
                Check(next < written.size(), "a download stopped within a pass");
                CheckRequest(written[next], kind.readCommand, static_cast<uint8_t>(b + kind.addressOffset));
                const Bytes& reply = delivered[next++];
                complete = Taken(reply, kind.readCommand, static_cast<uint8_t>(b + kind.addressOffset));
                if (complete) {
                    blocks.GetBlocks(t)[static_cast<size_t>(b)] = Carries(reply, CQ4kProtocol::BLOCK_LEN).block;
                    ++done;
                }
            }
        }
        failed += complete ? 0 : 1;
    }
    Check(observer.m_nFinished == 1 && observer.m_nFailed == failed, "a failed block went unreported");
    Check(result.end == (complete ? TransferEnd::Completed : TransferEnd::Failed) && result.blocksDone == done
              && result.bytesMoved == static_cast<uint32_t>(done * (REQUEST + FRAME) + (complete ? 0 : REQUEST)),
          "a download ends otherwise than its last pass");
    Check(complete ? failed <= retries : failed == retries + 1, "a download ended before its retries ran out");
    if (!complete)
        return;
    Check(transfer.GetBlocksRead() == blocks, "a download keeps other blocks than its replies carry");
    // The set-up downloaded is the one the same blocks give taken apart without a line.
    rig.m_image.Initialize();
    blocks.TakeApartInto(rig.m_image);
    Check(CDocumentFile::SaveBytes(rig.m_unit) == CDocumentFile::SaveBytes(rig.m_image),
          "a download gives another set-up than its blocks");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Rig rig;
    if (size == 0)
        return 0;
    const uint8_t mode = data[0];
    if (mode & 1) {
        rig.m_port->Play(data + 1, size - 1);
        Download(rig, (mode >> 1) & 3);
    } else {
        size_t count = size > 1 ? std::min<size_t>(data[1] % 9, (size - 2) / 2) : 0;
        const uint8_t* ops = data + 2;
        const size_t line = 2 + 2 * count;
        rig.m_port->Play(data + std::min(line, size), size - std::min(line, size));
        Exchange(*rig.m_port, *rig.m_link, ops, count);
    }
    Check(rig.m_port->GetLargestRead() <= static_cast<int>(FRAME), "a read asked for more than a reply frame");
    return 0;
}
