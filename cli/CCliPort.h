// The unit on a serial port as the transfer commands reach it: the port options (--port,
// --baud, --retries, --fixed-wait), the link opened without dialogs, and whole transfers run on
// this thread with their progress on standard error.
#pragma once

#include "cli/CCliPrompt.h"
#include "transfer/CUnitLine.h"
#include "transfer/ITransferObserver.h"

#include <iosfwd>
#include <memory>
#include <set>
#include <sstream>
#include <string>

class CCliArgs;
class CQ4kUnit;
class CUnitImage;

class CCliPort {
public:
    // The options of the port, for the commands that take them besides their own.
    static std::set<std::string> OptionNames() { return {"--port", "--retries", "--baud", "--fixed-wait"}; }
    static constexpr const char* USAGE = "--port PORT [--retries N] [--baud N] [--fixed-wait MS]";

    // --baud, --fixed-wait and --retries as given, the port left empty; throws CCliError for a
    // value out of range.
    static UnitPortSettings ParseSettings(const CCliArgs& args, int& retries);

    // Throws CCliError for a missing port or a value out of range.
    CCliPort(const CCliArgs& args, const std::string& usage);
    ~CCliPort();

    // Where the set-ups' messages are held while a transfer may raise them; give it to the
    // sessions that take part.
    std::ostream& Messages() { return m_messages; }
    // Prints the messages held back so far.
    void FlushMessages(std::ostream& err);
    // The prompt's lines held back so far, as one line without their "message: " prefixes.
    static std::string TakeMessages(std::ostringstream& messages);
    const std::string& GetPort() const { return m_settings.port; }
    // Opens and sets up the port; false, with the port and the reason printed, when it cannot.
    bool Open(std::ostream& err);
    // The open port, for work of its own (identify); its transfers stop at Ctrl+C only under
    // a CSignalWatch of the caller's.
    CUnitLine& GetLine() { return *m_pLine; }
    int GetRetries() const { return m_nRetries; }
    // Why the last Open failed, as printed.
    const std::string& GetOpenError() const { return m_strOpenError; }
    // One whole transfer; a download leaves the blocks it read in blocksRead when given, an
    // upload checks what it merges into against held, a backup's blocks, when given. Ctrl+C
    // or SIGTERM stops it after the block in flight.
    TransferResult Run(CQ4kUnit& unit, TransferDirection direction, std::ostream& err, CUnitImage* blocksRead = nullptr,
                       const CUnitImage* held = nullptr);
    // Reads the unit's General blocks alone (which unit it is) into unit, and those blocks into
    // blocksRead; stopped by Ctrl+C or SIGTERM as any transfer.
    TransferResult ReadGeneral(CQ4kUnit& unit, std::ostream& err, CUnitImage& blocksRead);
    // The signal that stopped the last transfer, or 0.
    int GetStopSignal() const { return m_nStopSignal; }
    // "stopped by SIGINT" for the signal that stopped the last transfer.
    std::string StopText() const;
    // "the upload failed", with the reason when the transfer names one.
    static std::string FailureText(const std::string& what, const TransferResult& result);

private:
    TransferResult RunSheets(CQ4kUnit& unit, TransferDirection direction, std::ostream& err, CUnitImage* blocksRead,
                             const CUnitImage* held, int sheets);

    UnitPortSettings m_settings;
    int m_nRetries = 0;
    std::ostringstream m_messages;
    CCliPrompt m_prompt;
    std::unique_ptr<CUnitLine> m_pLine;
    int m_nStopSignal = 0;
    std::string m_strOpenError;
};
