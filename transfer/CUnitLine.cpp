// A unit's port opened by name and its transfers, cancellable from another thread.
#include "transfer/CUnitLine.h"

#include "transfer/CTransfer.h"
#include "unit/CQ4kUnit.h"

CUnitLine::CUnitLine(IMessagePrompt& prompt) : m_connection(&prompt) {}

bool CUnitLine::Open(const UnitPortSettings& settings)
{
    if (!m_connection.CommSetupDirect(settings.port, settings.line))
        return false;
    GetLink().SetFixedWaitMs(settings.fixedWaitMs);
    return true;
}

TransferResult CUnitLine::Run(CQ4kUnit& unit, TransferDirection direction, ITransferObserver& observer,
                              const LineTransfer& what)
{
    CTransfer transfer(unit, GetLink(), direction, observer);
    transfer.SetHeldBlocks(what.held);
    transfer.SetSheets(what.sheets);
    transfer.SetOnlyDiffering(what.onlyDiffering);
    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (m_bCancelled) {
            TransferResult stopped;
            stopped.end = TransferEnd::Cancelled;
            return stopped;
        }
        m_pRunning = &transfer;
    }
    TransferResult result = transfer.Run();
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_pRunning = nullptr;
    }
    if (what.blocksRead)
        *what.blocksRead = transfer.GetBlocksRead();
    if (what.written)
        *what.written = transfer.GetBlocksWritten();
    if (what.before)
        *what.before = transfer.GetBlocksBefore();
    return result;
}

void CUnitLine::Cancel()
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_bCancelled = true;
    if (m_pRunning)
        m_pRunning->Cancel();
}

bool CUnitLine::IsCancelled() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_bCancelled;
}
