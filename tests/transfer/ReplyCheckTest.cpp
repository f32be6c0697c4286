// Replies that do not answer their request: one that comes after its block was given up, read
// after Retry; one for another block; a General block read with other data under a merge. The
// transfer fails the block or completes with the unit's memory right, and never writes the unit
// a block that is neither the set-up's nor what the unit held.
#include "EditedSetup.h"
#include "TransferRig.h"

#include "model/HexText.h"
#include "unit/CUnitImage.h"

#include <ostream>

namespace {

const CUnitEmulator::BlockSpace kSpaces[4] = {CUnitEmulator::BlockSpace::General, CUnitEmulator::BlockSpace::Input,
                                               CUnitEmulator::BlockSpace::Input, CUnitEmulator::BlockSpace::Alarm};
const int kFirstBlock[4] = {0, 0, CUnitEmulator::FIRST_LOGICAL_BLOCK, 0};

// The emulated unit's memory in transfer order, as many blocks a setup type as layout has.
CUnitImage Memory(const CUnitEmulator& memory, const CQ4kUnit& layout)
{
    CUnitImage image;
    for (int slot = 0; slot < 4; ++slot) {
        for (int b = 0; b < layout.GetSetupType(slot)->GetNumBlocks(); ++b) {
            CUnitImage::Block block{};
            memory.GetBlock(kSpaces[slot], kFirstBlock[slot] + b, block.data());
            image.GetBlocks(slot).push_back(block);
        }
    }
    return image;
}

// Every block unlike every other, so that one taken for another shows.
void FillDistinct(CUnitEmulator& memory)
{
    for (int s = 0; s < 3; ++s) {
        auto space = static_cast<CUnitEmulator::BlockSpace>(s);
        for (int b = 0; b < CUnitEmulator::NumBlocks(space); ++b) {
            uint8_t block[CUnitEmulator::BLOCK_LEN];
            for (int i = 0; i < CUnitEmulator::BLOCK_LEN; ++i)
                block[i] = static_cast<uint8_t>(71 * s + 5 * b + 13 * i + 1);
            memory.SetBlock(space, b, block);
        }
    }
}

struct ReplyCase { const char* name; TransferDirection direction; const char* fault; const char* firstFailure; };

void PrintTo(const ReplyCase& c, std::ostream* out)
{
    *out << c.fault;
}

std::string Hex(const CUnitImage::Block& block)
{
    return q4::ToHex(block.data(), block.size());
}

const ReplyCase kReplyCases[] = {
    {"DownloadLatePhysical", TransferDirection::Download, "late:@:5", "Error to download Physical Input data"},
    {"DownloadStrayAlarm", TransferDirection::Download, "stray:A:10", "Error to download Alarm data"},
    {"DownloadStrayLastLogical", TransferDirection::Download, "stray:@:30", "Error to download Logical Input data"},
    {"UploadLateGeneralRead", TransferDirection::Upload, "late:B:3", "Error to upload General data"},
    {"UploadLateAlarmReadBack", TransferDirection::Upload, "late:A:20", "Error to upload Alarm data"},
    {"UploadStrayGeneralRead", TransferDirection::Upload, "stray:B:7", "Error to upload General data"},
    {"UploadStrayLogicalReadBack", TransferDirection::Upload, "stray:@:26", "Error to upload Logical Input data"},
    // Without a backup's blocks, a second read of the General block shows the first was wrong.
    {"UploadOtherDataInGeneralRead", TransferDirection::Upload, "readback:B:7", "Error to upload General data"},
};

// An emulated unit whose blocks are all unlike, and an edited set-up to upload into it.
class DistinctUnit : public TransferRig {
protected:
    void SetUp() override
    {
        TransferRig::SetUp();
        // A line whose quiet time gives the block up well before a late reply comes.
        Connect(kShortWaitMs, 300);
        FillDistinct(m_server.GetUnit());
        TypeEditedSetup(m_unit);
        m_before = Memory(m_server.GetUnit(), m_unit);
    }

    // A completed upload leaves the set-up's blocks, merged into what the unit held; one that
    // failed leaves each block as it was or as the set-up has it.
    void ExpectUploaded(TransferEnd end)
    {
        const CUnitImage after = Memory(m_server.GetUnit(), m_unit);
        const CUnitImage wanted = CUnitImage::FromUpload(m_unit, &m_before);
        for (int slot = 0; slot < 4; ++slot) {
            for (size_t b = 0; b < after.GetBlocks(slot).size(); ++b) {
                const std::string held = Hex(after.GetBlocks(slot)[b]);
                const std::string set = Hex(wanted.GetBlocks(slot)[b]);
                if (end == TransferEnd::Completed) {
                    EXPECT_EQ(held, set) << m_unit.GetTitle(slot) << " block " << b;
                } else {
                    EXPECT_TRUE(held == set || held == Hex(m_before.GetBlocks(slot)[b]))
                        << m_unit.GetTitle(slot) << " block " << b << " was written with other data: " << held;
                }
            }
        }
    }

    CUnitImage m_before;
};

class ReplyCheck : public DistinctUnit, public ::testing::WithParamInterface<ReplyCase> {};

TEST_P(ReplyCheck, TheBlockFailsAndRetryCompletesWithTheUnitsOwnData)
{
    const ReplyCase& c = GetParam();
    AddFault(c.fault);
    // Retry comes after the late reply is in: it waits on the line for the next request.
    m_observer.m_nAnswerDelayMs = CEmulatorServer::LATE_REPLY_MS + 50;
    m_observer.m_answers = {true, true};

    CTransfer transfer(m_unit, m_connection.GetLink(), c.direction, m_observer);
    const TransferEnd end = transfer.Run().end;
    const std::vector<std::string> asked = m_observer.Asked();
    EXPECT_EQ(asked.empty() ? "the reply was taken" : asked[0], c.firstFailure);
    EXPECT_EQ(end, TransferEnd::Completed) << asked.size() << " failures";
    if (c.direction == TransferDirection::Upload) {
        ExpectUploaded(end);
        return;
    }
    EXPECT_TRUE(Memory(m_server.GetUnit(), m_unit) == m_before);
    EXPECT_TRUE(end != TransferEnd::Completed || transfer.GetBlocksRead() == m_before) << "a block read another's data";
}

INSTANTIATE_TEST_SUITE_P(Replies, ReplyCheck, ::testing::ValuesIn(kReplyCases),
                         [](const ::testing::TestParamInfo<ReplyCase>& info) { return std::string(info.param.name); });

// The General block under a merge is checked against the blocks a backup read moments before:
// a read that agrees with them is taken at once; one that does not is read again and taken only
// when both reads agree, for the backup's own reply may have been spoiled (or the unit changed
// since). Other data in one reply fails the block without it being written, and Retry
// completes, whether the backup's blocks were right or not.
TEST_F(DistinctUnit, TheGeneralReadIsCheckedAgainstTheBackupsBlocks)
{
    const struct { const char* fault; bool backupDiffers; size_t failures; } cases[] = {
        {"readback:B:7", false, 1},
        {nullptr, true, 0},
        {"readback:B:7", true, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.fault ? c.fault : "no fault") + (c.backupDiffers ? ", the backup's block differs" : ""));
        FillDistinct(m_server.GetUnit());
        CUnitImage backup = m_before;
        if (c.backupDiffers)
            backup.GetBlocks(ST_GENERAL)[7][31] ^= 0x01;
        if (c.fault)
            AddFault(c.fault);
        m_observer.Clear();
        m_observer.m_answers = {true};
        CTransfer transfer(m_unit, m_connection.GetLink(), TransferDirection::Upload, m_observer);
        transfer.SetHeldBlocks(&backup);
        TransferResult result = transfer.Run();
        EXPECT_EQ(result.end, TransferEnd::Completed);
        EXPECT_EQ(m_observer.Asked(), std::vector<std::string>(c.failures, "Error to upload General data"));
        // Merged into what the unit holds, not into the backup's block.
        ExpectUploaded(result.end);
        if (!c.backupDiffers) {
            EXPECT_EQ(result.bytesMoved, 13587u);  // the unit's pace: one read a General block
        }
    }
}

}  // namespace
