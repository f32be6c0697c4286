// The block loop of a transfer, its Retry question and its Cancel.
#include "transfer/CTransfer.h"

#include "link/CSerialLink.h"
#include "model/StringTable.h"
#include "unit/CQ4kUnit.h"

#include <algorithm>
#include <cstring>

namespace {

// The frames that move each setup type's blocks, in the unit's order of setup types.
struct BlockKinds {
    ND_Q4K_MSG read;
    ND_Q4K_MSG write;
};
const BlockKinds g_BlockKinds[4] = {
    {MSG_READ_GENERAL, MSG_WRITE_GENERAL},
    {MSG_READ_PHYSICAL, MSG_WRITE_PHYSICAL},
    {MSG_READ_LOGICAL, MSG_WRITE_LOGICAL},
    {MSG_READ_ALARM, MSG_WRITE_ALARM},
};

}  // namespace

CTransfer::CTransfer(CQ4kUnit& unit, CSerialLink& link, TransferDirection direction, ITransferObserver& observer)
    : m_unit(unit), m_link(link), m_direction(direction), m_observer(observer), m_exchange(link)
{
    m_exchange.m_onCount = [this](uint32_t bytes) { m_observer.OnBytesMoved(bytes); };
}

CTransfer::~CTransfer()
{
    Cancel();
    Wait();
}

std::string CTransfer::ProgressText(TransferDirection direction, const std::string& title)
{
    return FormatString(direction == TransferDirection::Download ? IDS_DOWNLOADING : IDS_UPLOADING, {title});
}

std::string CTransfer::FailureText(TransferDirection direction, const std::string& title)
{
    return FormatString(direction == TransferDirection::Download ? IDS_DOWNLOAD_FAILED : IDS_UPLOAD_FAILED, {title});
}

uint32_t CTransfer::GetTotalBytes() const
{
    uint32_t total = 0;
    for (int i = 0; i < m_sheets; ++i) {
        if (const CNordaSetupType* type = m_unit.GetSetupType(i))
            total += type->GetTotalTransBytes(static_cast<int>(m_direction));
    }
    return total;
}

int CTransfer::CountBlocks() const
{
    int blocks = 0;
    for (int i = 0; i < m_sheets; ++i) {
        if (const CNordaSetupType* type = m_unit.GetSetupType(i))
            blocks += type->GetNumBlocks();
    }
    return blocks;
}

void CTransfer::SetHeldBlocks(const CUnitImage* held)
{
    for (int slot = 0; slot < 4; ++slot) {
        m_known[slot].clear();
        if (held)
            m_known[slot].assign(held->GetBlocks(slot).begin(), held->GetBlocks(slot).end());
    }
}

void CTransfer::Start()
{
    m_worker = std::thread([this] { Run(); });
}

void CTransfer::Wait()
{
    if (m_worker.joinable() && m_worker.get_id() != std::this_thread::get_id())
        m_worker.join();
}

void CTransfer::Cancel()
{
    std::lock_guard<std::mutex> lock(m_Lock);
    m_cancel = true;
    m_Wake.notify_all();
}

void CTransfer::Answer(bool retry)
{
    std::lock_guard<std::mutex> lock(m_Lock);
    if (m_reply == Reply::Asking)
        m_reply = retry ? Reply::Retry : Reply::Cancel;
    m_Wake.notify_all();
}

bool CTransfer::IsCancelled()
{
    std::lock_guard<std::mutex> lock(m_Lock);
    return m_cancel;
}

TransferResult CTransfer::Run()
{
    // A reply nobody read must not be taken for the first block's.
    if (m_direction == TransferDirection::Download)
        m_link.Purge();
    TransferResult result;
    result.blocksTotal = CountBlocks();
    for (;;) {
        // Every pass, the first and each Retry, starts from General with the count at 0.
        m_exchange.ResetCount();
        m_blocksDone = 0;
        m_blocksHeld = 0;
        int failed = -1;
        Pass pass = RunPass(failed);
        if (pass == Pass::Done) {
            result.end = TransferEnd::Completed;
            break;
        }
        if (pass == Pass::Cancelled || !AskRetry(failed)) {
            result.end = pass == Pass::Cancelled || IsCancelled() ? TransferEnd::Cancelled : TransferEnd::Failed;
            break;
        }
    }
    result.bytesMoved = m_exchange.GetBytesMoved();
    result.blocksDone = m_blocksDone;
    result.blocksWritten = static_cast<int>(m_sent.size());
    result.blocksHeld = m_blocksHeld;
    result.unitWritten = m_exchange.HasWritten();
    if (result.end != TransferEnd::Completed) {
        result.reason = m_link.GetPortFailure();
        result.failedBlock = m_failedBlock;
    }
    m_observer.OnFinished(result);
    return result;
}

CTransfer::Pass CTransfer::RunPass(int& failedIndex)
{
    for (int i = 0; i < m_sheets; ++i) {
        CNordaSetupType* type = m_unit.GetSetupType(i);
        if (!type)
            continue;
        m_observer.OnSetupTypeStarted(i, type->m_strTitle);
        Pass pass = MoveBlocks(*type, i);
        if (pass != Pass::Done) {
            failedIndex = i;
            return pass;
        }
    }
    return Pass::Done;
}

CTransfer::Pass CTransfer::MoveBlocks(CNordaSetupType& type, int index)
{
    // The setup type is in transfer until its last block or the first that fails.
    struct InTransfer {
        CNordaSetupType& type;
        ~InTransfer() { type.SetTransState(-1); }
    } inTransfer{type};
    type.SetTransState(static_cast<int>(m_direction));
    for (int b = 0; b < type.GetNumBlocks(); ++b) {
        if (IsCancelled())
            return Pass::Cancelled;
        if (!MoveBlock(type, index, b))
            return Pass::Failed;
        m_observer.OnBlockDone(++m_blocksDone, CountBlocks());
    }
    if (m_direction == TransferDirection::Download)
        type.AllBlocksTaken();
    return Pass::Done;
}

bool CTransfer::MoveBlock(CNordaSetupType& type, int index, int block)
{
    const BlockKinds& kinds = g_BlockKinds[index];
    uint8_t* data = m_exchange.m_TransBlock;
    if (m_direction == TransferDirection::Download) {
        if (!m_exchange.Read(kinds.read, block))
            return false;
        std::vector<CUnitImage::Block>& read = m_blocksRead.GetBlocks(index);
        read.resize(static_cast<size_t>(type.GetNumBlocks()));
        std::memcpy(read[static_cast<size_t>(block)].data(), data, CQ4kProtocol::BLOCK_LEN);
        type.TakeBlockApart(block, data);
        return true;
    }
    std::optional<CUnitImage::Block>& known = Known(index, block);
    // What the unit holds in the block, where the write depends on it: a setup type that holds
    // only part of a block merges into it, and a block the unit already holds is left alone.
    std::optional<CUnitImage::Block> held = known;
    if (type.ReadsBlockBeforeWrite()) {
        held.emplace();
        if (!ReadHeldBlock(kinds.read, index, block, *held))
            return false;
        std::memcpy(data, held->data(), CQ4kProtocol::BLOCK_LEN);
    } else {
        // A block read only to be compared needs no second read: a spoiled reply costs a write.
        if (m_onlyDiffering && !held) {
            if (!m_exchange.Read(kinds.read, block))
                return false;
            held.emplace();
            std::memcpy(held->data(), data, CQ4kProtocol::BLOCK_LEN);
        }
        std::memset(data, 0, CQ4kProtocol::BLOCK_LEN);
    }
    type.FillBlock(block, data);
    if (held && std::none_of(m_before.begin(), m_before.end(),
                             [&](const BlockBytes& b) { return b.slot == index && b.block == block; }))
        m_before.push_back({index, block, *held});
    if (m_onlyDiffering && held && std::memcmp(held->data(), data, CQ4kProtocol::BLOCK_LEN) == 0) {
        known = held;
        ++m_blocksHeld;
        return true;
    }
    // The write may land even when its read-back fails.
    known.reset();
    m_sent.insert({index, block});
    if (!m_exchange.Write(kinds.write, block))
        return false;
    known.emplace();
    std::memcpy(known->data(), m_exchange.m_VerifyBlock, CQ4kProtocol::BLOCK_LEN);
    m_written.push_back({index, block, *known});
    return true;
}

std::optional<CUnitImage::Block>& CTransfer::Known(int index, int block)
{
    std::vector<std::optional<CUnitImage::Block>>& known = m_known[index];
    if (known.size() <= static_cast<size_t>(block))
        known.resize(static_cast<size_t>(block) + 1);
    return known[static_cast<size_t>(block)];
}

// A reply with a good checksum may still carry other data: what is merged into the block, or
// what decides that it need not be written, must be what the unit holds. It must match what the
// unit is known to hold, or else a second read of the block. The known block may itself be a
// spoiled reply (of the backup, of the reading of General): a read that differs from it counts
// only when a second read gives the same, and a block read twice alike is known from then on.
bool CTransfer::ReadHeldBlock(ND_Q4K_MSG kind, int index, int block, CUnitImage::Block& held)
{
    if (!m_exchange.Read(kind, block))
        return false;
    std::memcpy(held.data(), m_exchange.m_TransBlock, CQ4kProtocol::BLOCK_LEN);
    std::optional<CUnitImage::Block>& known = Known(index, block);
    if (known && held == *known)
        return true;
    if (!m_exchange.Read(kind, block) || std::memcmp(held.data(), m_exchange.m_TransBlock, held.size()) != 0)
        return false;
    known = held;
    return true;
}

bool CTransfer::AskRetry(int failedIndex)
{
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        if (m_cancel)
            return false;
        m_reply = Reply::Asking;
    }
    m_failedBlock = FailureText(m_direction, m_unit.GetTitle(failedIndex));
    m_observer.OnBlockFailed(*this, m_failedBlock);
    std::unique_lock<std::mutex> lock(m_Lock);
    m_Wake.wait(lock, [this] { return m_reply != Reply::Asking || m_cancel; });
    bool retry = m_reply == Reply::Retry && !m_cancel;
    m_reply = Reply::None;
    return retry;
}
