// One transfer of a whole set-up between a unit object and the unit on the line: the four
// setup types' blocks in their order through one loop, Retry from General after a failed block,
// a Cancel that stops after the block in flight, and the count of the bytes moved.
#pragma once

#include "transfer/CBlockExchange.h"
#include "transfer/ITransferObserver.h"
#include "unit/CUnitImage.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

class CSerialLink;
class CNordaSetupType;
class CQ4kUnit;

class CTransfer {
public:
    // The unit belongs to the transfer until it has ended: nothing else may touch its setup types.
    CTransfer(CQ4kUnit& unit, CSerialLink& link, TransferDirection direction, ITransferObserver& observer);
    // Cancels a transfer still running and waits for its worker.
    ~CTransfer();
    CTransfer(const CTransfer&) = delete;
    CTransfer& operator=(const CTransfer&) = delete;

    // The unit's blocks as a backup read them moments before an upload (null: none); copied.
    // A setup type that merges into what the unit holds checks its read against them; without
    // them it reads the block a second time. Call before the transfer runs.
    void SetHeldBlocks(const CUnitImage* held);

    // An upload writes only the blocks whose bytes the unit does not hold yet: what it is known
    // to hold (the held blocks, or a block written before), or else what a read of the block
    // gives. Every block is written unless told. Call before the transfer runs.
    void SetOnlyDiffering(bool only) { m_onlyDiffering = only; }

    // Moves only the first count setup types (1: General alone, the unit's constants that say
    // which unit it is); all four unless told. Call before the transfer runs.
    void SetSheets(int count) { m_sheets = count; }

    // Runs the whole transfer on the calling thread. A download first purges the port.
    TransferResult Run();
    // Runs it on a worker thread of its own; Wait() joins it.
    void Start();
    void Wait();

    // Both may be called from any thread at any time.
    void Cancel();
    // The answer to the last failed block: true starts the whole transfer again from General.
    void Answer(bool retry);

    TransferDirection GetDirection() const { return m_direction; }
    // The bytes the set-up's sheets say the transfer moves.
    uint32_t GetTotalBytes() const;
    uint32_t GetBytesMoved() const { return m_exchange.GetBytesMoved(); }
    // The blocks a download read, as the unit sent them; whole once the download completed.
    const CUnitImage& GetBlocksRead() const { return m_blocksRead; }
    // A block of the unit as (setup type slot, block number) and its bytes.
    struct BlockBytes {
        int slot = 0;
        int block = 0;
        CUnitImage::Block bytes{};
    };
    // After an upload: the blocks it wrote, in the order written, with the bytes read back.
    const std::vector<BlockBytes>& GetBlocksWritten() const { return m_written; }
    // After an upload: what the unit held in each block before the upload first wrote it or
    // found it held, where that was known (held blocks, or a read).
    const std::vector<BlockBytes>& GetBlocksBefore() const { return m_before; }

    // "Uploading General data ..." and the download's counterpart.
    static std::string ProgressText(TransferDirection direction, const std::string& title);
    // "Error to upload General data" and the download's counterpart.
    static std::string FailureText(TransferDirection direction, const std::string& title);

private:
    enum class Pass { Done, Failed, Cancelled };
    enum class Reply { None, Asking, Retry, Cancel };

    Pass RunPass(int& failedIndex);
    Pass MoveBlocks(CNordaSetupType& type, int index);
    bool MoveBlock(CNordaSetupType& type, int index, int block);
    // Reads what the unit holds in the block into held; false when the read failed or, for a
    // block merged into, could not be trusted.
    bool ReadHeldBlock(ND_Q4K_MSG kind, int index, int block, CUnitImage::Block& held);
    std::optional<CUnitImage::Block>& Known(int index, int block);
    bool AskRetry(int failedIndex);
    bool IsCancelled();
    int CountBlocks() const;

    CQ4kUnit& m_unit;
    CSerialLink& m_link;
    TransferDirection m_direction;
    ITransferObserver& m_observer;
    CBlockExchange m_exchange;
    int m_blocksDone = 0;
    int m_blocksHeld = 0;
    int m_sheets = 4;
    bool m_onlyDiffering = false;
    std::vector<BlockBytes> m_written;
    std::set<std::pair<int, int>> m_sent;  // (slot, block) of every write frame sent
    std::vector<BlockBytes> m_before;
    CUnitImage m_blocksRead;
    std::string m_failedBlock;
    // What the unit is believed to hold, block by block: the backup's blocks, then each block
    // read twice alike or written and read back; unknown (empty) after a write whose read-back
    // failed. A read that differs from it is taken only when a second read agrees.
    std::vector<std::optional<CUnitImage::Block>> m_known[4];

    std::mutex m_Lock;  // guards the cancel flag and the reply
    std::condition_variable m_Wake;
    bool m_cancel = false;
    Reply m_reply = Reply::None;
    std::thread m_worker;
};
