// What a running transfer reports as it goes: the setup type whose blocks move, the bytes moved,
// a failed block, and the end. The reports come on the thread that runs the transfer; the
// desktop program turns them into queued signals, the command line prints them.
#pragma once

#include <cstdint>
#include <string>

class CTransfer;

enum class TransferDirection { Upload = 0, Download = 1 };

enum class TransferEnd {
    Completed,  // every block went through
    Failed,     // a block failed and the question was answered Cancel
    Cancelled,  // stopped by Cancel after the block in flight
};

struct TransferResult {
    TransferEnd end = TransferEnd::Completed;
    uint32_t bytesMoved = 0;  // in the last pass
    int blocksDone = 0;       // blocks moved in the last pass (an upload's: written or found held)
    int blocksTotal = 0;      // blocks of a whole transfer
    int blocksWritten = 0;    // an upload's blocks whose write went out, in every pass, each once
    int blocksHeld = 0;       // an upload's blocks not written in the last pass: the unit held them
    bool unitWritten = false; // a write frame went out: after an upload that did not complete,
                              // the unit holds a partly written set-up
    std::string reason;       // why it did not complete, when the line itself failed ("the port
                              // went away: Input/output error"); empty otherwise
    std::string failedBlock;  // the last failed block's message ("Error to upload General data")
};

class ITransferObserver {
public:
    virtual ~ITransferObserver() = default;
    // The blocks of setup type index (0 General first) start moving; again after a Retry.
    virtual void OnSetupTypeStarted(int index, const std::string& title) = 0;
    // The bytes moved so far in this pass; 0 when a pass starts.
    virtual void OnBytesMoved(uint32_t bytes) = 0;
    // A block is done (moved, or found held and left as it was): done of total in this pass.
    virtual void OnBlockDone(int /*done*/, int /*total*/) {}
    // A block failed. The transfer then waits for transfer.Answer() or transfer.Cancel(), from
    // any thread, also from within this call.
    virtual void OnBlockFailed(CTransfer& transfer, const std::string& message) = 0;
    // The transfer is over; nothing is reported after this.
    virtual void OnFinished(const TransferResult& result) = 0;
};
