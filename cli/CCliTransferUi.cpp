// Progress lines and the scripted Retry/Cancel answer of a command-line transfer.
#include "cli/CCliTransferUi.h"

#include "cli/CCliPrompt.h"
#include "model/Cp1252.h"

#include <ostream>

CCliTransferUi::CCliTransferUi(std::ostream& out, int direction, int retries)
    : m_out(out), m_nDirection(direction), m_nRetriesLeft(retries)
{
}

bool CCliTransferUi::AskRetry(const std::string& message)
{
    std::lock_guard<std::mutex> lock(m_Lock);
    bool retry = m_nRetriesLeft > 0;
    if (retry)
        --m_nRetriesLeft;
    else
        m_bCancelled = true;
    m_out << CCliPrompt::OneLine(message) << " -> " << (retry ? "Retry" : "Cancel") << std::endl;
    // A retry starts again from General, which is then announced anew.
    m_strLastTitle.clear();
    return retry;
}

void CCliTransferUi::Progress(const std::string& title)
{
    std::lock_guard<std::mutex> lock(m_Lock);
    if (title.empty() || title == m_strLastTitle)
        return;
    m_strLastTitle = title;
    m_out << (m_nDirection == 1 ? "Downloading " : "Uploading ") << q4::Cp1252ToUtf8(title) << " data ..." << std::endl;
}

bool CCliTransferUi::IsCancelled()
{
    std::lock_guard<std::mutex> lock(m_Lock);
    return m_bCancelled;
}
