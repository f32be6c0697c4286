// Progress lines and the scripted Retry/Cancel answer of a command-line transfer.
#include "cli/CCliTransferUi.h"

#include "cli/CCliPrompt.h"
#include "model/Cp1252.h"
#include "transfer/CTransfer.h"

#include <ostream>

CCliTransferUi::CCliTransferUi(std::ostream& out, TransferDirection direction, int retries)
    : m_out(out), m_direction(direction), m_nRetriesLeft(retries)
{
}

void CCliTransferUi::OnSetupTypeStarted(int, const std::string& title)
{
    m_out << q4::Cp1252ToUtf8(CTransfer::ProgressText(m_direction, title)) << std::endl;
}

void CCliTransferUi::OnBlockFailed(CTransfer& transfer, const std::string& message)
{
    bool retry = m_nRetriesLeft > 0;
    if (retry)
        --m_nRetriesLeft;
    m_out << CCliPrompt::OneLine(message) << " -> " << (retry ? "Retry" : "Cancel") << std::endl;
    transfer.Answer(retry);
}
