// One unit on one serial port, as a command or a plant job drives it without dialogs: the port
// opened by name, whole transfers run on the calling thread, and a Cancel from any thread that
// stops the transfer in flight after its block and every transfer after it.
#pragma once

#include "link/CSerialLink.h"
#include "link/CLineSettings.h"
#include "transfer/CTransfer.h"
#include "transfer/CUnitConnection.h"
#include "transfer/ITransferObserver.h"

#include <mutex>
#include <string>

class CQ4kUnit;
class CUnitImage;
class IMessagePrompt;

struct UnitPortSettings {
    std::string port;  // a device path, COM1 for /dev/ttyS0 and so on, a pseudo-terminal
    CLineSettings line;
    int fixedWaitMs = CSerialLink::FIXED_WAIT_MS;  // the unit's own waits
};

struct LineTransfer {
    int sheets = 4;                      // 1: General alone, which unit it is
    const CUnitImage* held = nullptr;    // the blocks a backup read moments before an upload
    CUnitImage* blocksRead = nullptr;    // where a download leaves the blocks it read
    bool onlyDiffering = false;          // an upload writes only the blocks the unit does not hold
    std::vector<CTransfer::BlockBytes>* written = nullptr;  // where an upload lists the blocks it wrote
    std::vector<CTransfer::BlockBytes>* before = nullptr;   // and what they held before, where known
};

class CUnitLine {
public:
    // The prompt hears why a port cannot be opened or set up.
    explicit CUnitLine(IMessagePrompt& prompt);
    CUnitLine(const CUnitLine&) = delete;
    CUnitLine& operator=(const CUnitLine&) = delete;

    // Opens and sets up the port; false when it cannot, the reason told to the prompt.
    bool Open(const UnitPortSettings& settings);
    // One transfer through the open port on this thread; the observer answers Retry or Cancel.
    // After Cancel it ends at once as cancelled, with nothing sent.
    TransferResult Run(CQ4kUnit& unit, TransferDirection direction, ITransferObserver& observer,
                       const LineTransfer& what = {});
    // Any thread, any time.
    void Cancel();
    bool IsCancelled() const;

    CSerialLink& GetLink() { return m_connection.GetLink(); }

private:
    CUnitConnection m_connection;
    mutable std::mutex m_lock;  // guards the two below
    CTransfer* m_running = nullptr;
    bool m_cancelled = false;
};
