// "upload FILE --port PORT ..." and "download FILE --port PORT ...": a whole transfer between
// a document and the unit on a serial port, with progress and failures on standard error.
#pragma once

#include "cli/ICliCommand.h"

#include <iosfwd>
#include <string>

class CCliJobUi;
class CUnitJob;

class CTransferCommand : public ICliCommand {
public:
    // direction: 0 upload (document to unit), 1 download (unit to document).
    explicit CTransferCommand(int direction) : m_direction(direction), m_usage(Usage(direction)) {}

    const char* GetName() const override { return m_direction == 0 ? "upload" : "download"; }
    const char* GetUsage() const override { return m_usage.c_str(); }
    const char* GetHelp() const override;
    int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out) override;

private:
    static std::string Usage(int direction);
    // Says on err how the job ended; its exit status.
    static int EndOf(const CUnitJob& job, const CCliJobUi& ui, std::ostream& err);

    int m_direction;
    std::string m_usage;
};
