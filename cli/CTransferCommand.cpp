// Running a transfer from the command line: the document read before an upload (and the unit
// backed up first when asked) or written after a download.
#include "cli/CTransferCommand.h"

#include "cli/CCliArgs.h"
#include "cli/CCliError.h"
#include "cli/CCliPort.h"
#include "cli/CCliSession.h"
#include "unit/CUnitImage.h"

#include <filesystem>
#include <iostream>

namespace {

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    return a == b || std::filesystem::equivalent(a, b, error);
}

std::string PartlyWritten(const TransferResult& result)
{
    return "the unit now holds a partly written set-up (" + std::to_string(result.blocksDone) + " of "
           + std::to_string(result.blocksTotal) + " blocks written); upload the whole set-up before the unit is used";
}

}  // namespace

std::string CTransferCommand::Usage(int direction)
{
    return (direction == 0 ? "upload FILE [--backup BACKUP] " : "download FILE ") + std::string(CCliPort::USAGE);
}

const char* CTransferCommand::GetHelp() const
{
    if (m_nDirection == 0)
        return "Writes the set-up of FILE into the unit on PORT (a device path, COM1 to COMn for\n"
               "/dev/ttyS0 on, a pseudo-terminal, or the --link path of q4000sim), with N baud\n"
               "(9600 unless given), 8 data bits, no parity, 1 stop bit. Progress goes to standard\n"
               "error, a line as each sheet starts. A failed block ends the pass with \"Error to\n"
               "upload SHEET data\"; the whole transfer is retried --retries times (0 unless given).\n"
               "--fixed-wait MS: the unit's fixed waits (100 ms); an emulated unit on a\n"
               "pseudo-terminal may be driven faster.\n"
               "--backup BACKUP: first reads the unit's set-up into the document BACKUP; when that\n"
               "fails nothing is written to the unit. q4150cli diff BACKUP FILE then lists what\n"
               "the upload changed.\n"
               "Ctrl+C or SIGTERM stops the upload after the block in flight and says how far it\n"
               "got: the unit then holds a partly written set-up; so does an upload that fails\n"
               "after writing. A port that goes away (the unit or a USB adapter gone) is named as\n"
               "the reason.\n"
               "Exit status 0 when the transfer completed, 1 when it (or the backup's download)\n"
               "failed, 2 on a usage or file error, 130 after Ctrl+C, 143 after SIGTERM.";
    return "Reads the set-up from the unit on PORT into a fresh default set-up and writes it to\n"
           "FILE; port, line settings, progress, retries and --fixed-wait as for upload, the\n"
           "failure message being \"Error to download SHEET data\". FILE is written only when the\n"
           "transfer completed; Ctrl+C or SIGTERM stops it after the block in flight. Exit status 0\n"
           "when it completed, 1 when it failed, 2 on a usage or file error, 130 after Ctrl+C, 143\n"
           "after SIGTERM.";
}

int CTransferCommand::Run(const std::vector<std::string>& args, std::istream&, std::ostream&)
{
    std::set<std::string> options = CCliPort::OptionNames();
    if (m_nDirection == 0)
        options.insert("--backup");
    CCliArgs parsed(args, {}, options);
    parsed.ExpectPositional(1, m_strUsage);
    const std::string path = parsed.Positional()[0];
    const std::string backupPath = parsed.Value("--backup");
    if (parsed.Has("--backup") && (backupPath.empty() || SameFile(backupPath, path)))
        throw CCliError("--backup takes a file other than the one uploaded");
    CCliPort port(parsed, m_strUsage);

    // The set-up's messages are held back while the transfer may raise them, and shown after.
    CCliSession session(port.Messages(), false);
    if (m_nDirection == 0)
        session.Load(path);
    else
        session.Reset();
    port.FlushMessages(std::cerr);
    if (!port.Open(std::cerr))
        return 1;
    CUnitImage held;
    const bool backedUp = parsed.Has("--backup");
    if (backedUp && !Backup(port, backupPath, held))
        return port.GetStopSignal() ? 128 + port.GetStopSignal() : 1;

    auto direction = m_nDirection == 0 ? TransferDirection::Upload : TransferDirection::Download;
    TransferResult result = port.Run(session.GetUnit(), direction, std::cerr, nullptr, backedUp ? &held : nullptr);
    const char* what = m_nDirection == 0 ? "upload" : "download";
    if (port.GetStopSignal()) {
        std::string done = std::to_string(result.blocksDone) + " of " + std::to_string(result.blocksTotal) + " blocks";
        if (m_nDirection == 1)
            std::cerr << "q4150cli: " << port.StopText() << " after " << done << "; " << path << " was not written\n";
        else if (result.unitWritten)
            std::cerr << "q4150cli: " << port.StopText() << ": " << PartlyWritten(result) << '\n';
        else
            std::cerr << "q4150cli: " << port.StopText() << ": nothing was written to the unit\n";
        return 128 + port.GetStopSignal();
    }
    if (result.end != TransferEnd::Completed) {
        std::string failed = CCliPort::FailureText(what, result);
        if (m_nDirection == 0 && result.unitWritten)
            failed += (result.reason.empty() ? ": " : "; ") + PartlyWritten(result);
        std::cerr << "q4150cli: " << failed << '\n';
        return 1;
    }
    if (m_nDirection == 1)
        session.Save(path);
    std::cerr << "The " << what << " is complete: " << result.bytesMoved << " bytes moved.\n";
    return 0;
}

bool CTransferCommand::Backup(CCliPort& port, const std::string& path, CUnitImage& held)
{
    CCliSession backup(port.Messages(), false);
    backup.Reset();
    TransferResult result = port.Run(backup.GetUnit(), TransferDirection::Download, std::cerr, &held);
    if (result.end != TransferEnd::Completed) {
        std::string failed = port.GetStopSignal() ? port.StopText() : CCliPort::FailureText("backup", result);
        std::cerr << "q4150cli: " << failed << (result.reason.empty() ? ": " : "; ") << "nothing was written to the unit\n";
        return false;
    }
    try {
        backup.Save(path);
    } catch (const CCliError& e) {
        throw CCliError(std::string(e.what()) + " (the backup failed: nothing was written to the unit)");
    }
    std::cerr << "The unit's set-up is backed up in " << path << ".\n";
    return true;
}
