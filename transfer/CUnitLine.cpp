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
        if (m_cancelled) {
            TransferResult stopped;
            stopped.end = TransferEnd::Cancelled;
            return stopped;
        }
        m_running = &transfer;
    }
    TransferResult result = transfer.Run();
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_running = nullptr;
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
    m_cancelled = true;
    if (m_running)
        m_running->Cancel();
}

bool CUnitLine::IsCancelled() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_cancelled;
}
