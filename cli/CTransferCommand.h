// "upload FILE --port PORT ..." and "download FILE --port PORT ...": a whole transfer between
// a document and the unit on a serial port, with progress and failures on standard error.
#pragma once

#include "cli/ICliCommand.h"

#include <iosfwd>
#include <string>

class CCliPort;
class CCliSession;
class CQ4kUnit;
class CUnitImage;

class CTransferCommand : public ICliCommand {
public:
    // direction: 0 upload (document to unit), 1 download (unit to document).
    explicit CTransferCommand(int direction) : m_nDirection(direction), m_strUsage(Usage(direction)) {}

    const char* GetName() const override { return m_nDirection == 0 ? "upload" : "download"; }
    const char* GetUsage() const override { return m_strUsage.c_str(); }
    const char* GetHelp() const override;
    int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out) override;

private:
    static std::string Usage(int direction);
    // Reads the unit into backup's set-up and the document at path, its blocks into held;
    // false, said on standard error and in failed, when it failed.
    static bool Backup(CCliPort& port, const std::string& path, CUnitImage& held, CCliSession& backup,
                       std::string& failed);
    // Before an upload: names on err the cells of unit the unit cannot hold as written; false
    // when there are some and strict says not to write them.
    static bool CheckCells(const CQ4kUnit& unit, const std::string& path, bool strict, std::ostream& err);
    // After a download: names on err the values the set-up cannot show as the unit held them
    // in held; false when there are some and strict says not to write path.
    static bool CheckDownload(CQ4kUnit& unit, const CUnitImage& held, const std::string& path, bool strict,
                              std::ostream& err);

    int m_nDirection;
    std::string m_strUsage;
};
