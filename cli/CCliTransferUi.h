// What a person sees of a transfer on the command line: a line on standard error as each setup
// type starts, and the Retry/Cancel question answered Retry a given number of times, then Cancel.
#pragma once

#include "transfer/ITransferObserver.h"

#include <iosfwd>
#include <string>

class CCliTransferUi : public ITransferObserver {
public:
    CCliTransferUi(std::ostream& out, TransferDirection direction, int retries);

    void OnSetupTypeStarted(int index, const std::string& title) override;
    void OnBytesMoved(uint32_t) override {}
    void OnBlockFailed(CTransfer& transfer, const std::string& message) override;
    void OnFinished(const TransferResult&) override {}

private:
    std::ostream& m_out;
    TransferDirection m_direction;
    int m_nRetriesLeft;
};
