// The question a failed transfer asks: start the whole transfer again, or stop.
#pragma once

#include <string>

class ITransferQuestion {
public:
    virtual ~ITransferQuestion() = default;
    // Shows the message with "Retry" and "Cancel"; true for Retry. Called on the transfer
    // worker; an implementation may hand the question to another thread and wait for it.
    virtual bool AskRetry(const std::string& message) = 0;
};
