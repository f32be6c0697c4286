// What a person sees of a transfer on the command line: a line on standard error when the
// next setup type starts, and the Retry/Cancel question answered Retry a given number of
// times, then Cancel. The worker asks while the main thread reports progress; one lock keeps
// their lines whole.
#pragma once

#include "link/ITransferQuestion.h"

#include <iosfwd>
#include <mutex>
#include <string>

class CCliTransferUi : public ITransferQuestion {
public:
    // direction: 0 upload, 1 download.
    CCliTransferUi(std::ostream& out, int direction, int retries);

    bool AskRetry(const std::string& message) override;
    // Called by the polling thread with the title of the setup type in transfer.
    void Progress(const std::string& title);
    // True once a question was answered Cancel: the transfer ended without completing.
    bool IsCancelled();

private:
    std::mutex m_Lock;
    std::ostream& m_out;
    int m_nDirection;
    int m_nRetriesLeft;
    bool m_bCancelled = false;
    std::string m_strLastTitle;
};
