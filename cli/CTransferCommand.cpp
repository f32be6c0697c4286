// Running a transfer from the command line: the document read before an upload (and the unit
// backed up first when asked) or written after a download.
#include "cli/CTransferCommand.h"

#include "cli/CCliArgs.h"
#include "cli/CCliError.h"
#include "cli/CCliPlantLog.h"
#include "cli/CCliPort.h"
#include "cli/CCliSession.h"
#include "cli/CDiffCommand.h"
#include "cli/CShowCommand.h"
#include "compare/CChangeList.h"
#include "compare/CHeldCells.h"
#include "unit/CQ4kUnit.h"
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
    return (direction == 0 ? "upload FILE [--backup BACKUP] [--strict] [--force] " : "download FILE [--strict] ")
           + std::string(CCliPort::USAGE) + " " + CCliPlantLog::USAGE;
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
               "Cells whose text the unit cannot hold as written (\"12x\", a delay of 2.55 s, a choice\n"
               "that is none of the cell's, a flag neither ON nor OFF, a text with a zero byte, a\n"
               "selection the sheets refuse) are named on standard error as diff names them, FILE's\n"
               "text first, then what the unit will hold as a download shows it; the upload goes\n"
               "on, unless --strict: then nothing is written (exit 1).\n"
               "Before writing, the unit's device number (from the backup, or read from its General\n"
               "blocks) must be FILE's; when it is not, nothing is written (exit 1) unless --force.\n"
               "Ctrl+C or SIGTERM stops the upload after the block in flight and says how far it\n"
               "got: the unit then holds a partly written set-up; so does an upload that fails\n"
               "after writing. A port that goes away (the unit or a USB adapter gone) is named as\n"
               "the reason.\n"
               "--plant PLANT --tag TAG: the upload is recorded in the plant's log as the unit TAG's,\n"
               "with the cells it changed; without --backup the unit is backed up into\n"
               "backups/TAG beside PLANT first.\n"
               "Exit status 0 when the transfer completed, 1 when it (or the backup's download)\n"
               "failed or the plant's log could not be written, 2 on a usage or file error, 130 after\n"
               "Ctrl+C, 143 after SIGTERM.";
    return "Reads the set-up from the unit on PORT into a fresh default set-up and writes it to\n"
           "FILE; port, line settings, progress, retries and --fixed-wait as for upload, the\n"
           "failure message being \"Error to download SHEET data\". FILE is written only when the\n"
           "transfer completed; Ctrl+C or SIGTERM stops it after the block in flight.\n"
           "Every value shows as the unit holds it. One the set-up cannot show so (a code the\n"
           "program does not know, an alarm on an input that is off, a text byte after a zero)\n"
           "and one it shows though the sheets refuse it as typed (a set point beyond its input's\n"
           "display range) are named on standard error, a line each as diff prints them, the\n"
           "unit's value first; --strict: then FILE is not written (exit 1).\n"
           "--plant PLANT --tag TAG records the download in the plant's log as the unit TAG's.\n"
           "Exit status 0 when it completed, 1 when it failed (or --strict found values the\n"
           "set-up cannot show, or the plant's log could not be written), 2 on a usage or file\n"
           "error, 130 after Ctrl+C, 143 after SIGTERM.";
}

int CTransferCommand::Run(const std::vector<std::string>& args, std::istream&, std::ostream&)
{
    std::set<std::string> options = CCliPort::OptionNames();
    options.merge(CCliPlantLog::OptionNames());
    std::set<std::string> flags = {"--strict"};
    if (m_nDirection == 0) {
        options.insert("--backup");
        flags.insert("--force");
    }
    CCliArgs parsed(args, flags, options);
    parsed.ExpectPositional(1, m_strUsage);
    const std::string path = parsed.Positional()[0];
    std::string backupPath = parsed.Value("--backup");
    if (parsed.Has("--backup") && (backupPath.empty() || SameFile(backupPath, path)))
        throw CCliError("--backup takes a file other than the one uploaded");
    CCliPort port(parsed, m_strUsage);
    const CCliPlantLog plant(parsed);
    const PlantAction action = m_nDirection == 0 ? PlantAction::Upload : PlantAction::Download;
    // The record of the action, once it has ended; a download's names the file it wrote.
    auto log = [&](PlantResult end, const std::string& reason, const TransferResult& transfer,
                   std::vector<CellDifference> cells = {}) {
        if (!plant.IsOn())
            return;
        PlantLogRecord record = plant.Record(action, path, port.GetPort());
        if (m_nDirection == 1 && end != PlantResult::Ok) {  // FILE was not written: what it holds is no part of it
            record.sha256.clear();
            record.device = -1;
        }
        record.result = end;
        record.reason = reason;
        record.blocksWritten = m_nDirection == 0 && transfer.unitWritten ? transfer.blocksDone : 0;
        record.backup = backupPath;
        record.cells = std::move(cells);
        plant.Append(std::move(record), std::cerr);
    };

    // The set-up's messages are held back while the transfer may raise them, and shown after.
    CCliSession session(port.Messages(), false);
    if (m_nDirection == 0)
        session.Load(path);
    else
        session.Reset();
    port.FlushMessages(std::cerr);
    if (m_nDirection == 0 && !CheckCells(session.GetUnit(), path, parsed.Has("--strict"), std::cerr))
        return 1;
    // An upload of a plant's unit keeps what the unit held among the unit's backups.
    if (m_nDirection == 0 && plant.IsOn() && backupPath.empty()) {
        std::string error;
        backupPath = plant.GetPlant().NewBackupPath(plant.GetTag(), error);
        if (backupPath.empty())
            throw CCliError(error + " (the backup failed: nothing was written to the unit)");
    }
    if (!port.Open(std::cerr)) {
        log(PlantResult::Failed, port.GetOpenError(), {});
        return 1;
    }
    // The unit as read moments before an upload: its device number, and the blocks the
    // upload's General merge is checked against.
    CUnitImage held;
    if (m_nDirection == 0) {
        CCliSession read(port.Messages(), false);
        read.Reset();
        if (!backupPath.empty()) {
            std::string failed;
            if (!Backup(port, backupPath, held, read, failed)) {
                backupPath.clear();
                log(port.GetStopSignal() ? PlantResult::Stopped : PlantResult::Failed, failed, {});
                return port.GetStopSignal() ? 128 + port.GetStopSignal() : 1;
            }
            if (plant.IsOn()) {
                PlantLogRecord record = plant.Record(PlantAction::Backup, backupPath, port.GetPort());
                record.backup = backupPath;
                plant.Append(std::move(record), std::cerr);
            }
        } else {
            TransferResult general = port.ReadGeneral(read.GetUnit(), std::cerr, held);
            if (general.end != TransferEnd::Completed) {
                std::string failed =
                    port.GetStopSignal() ? port.StopText() : CCliPort::FailureText("read of the unit", general);
                std::cerr << "q4150cli: " << failed << (general.reason.empty() ? ": " : "; ")
                          << "nothing was written to the unit\n";
                return port.GetStopSignal() ? 128 + port.GetStopSignal() : 1;
            }
        }
        if (session.GetUnit().IsOtherDevice(read.GetUnit()) && !parsed.Has("--force")) {
            std::cerr << "q4150cli: the unit is device " << read.GetUnit().GetDeviceNumber() << ", " << path
                      << " is for device " << session.GetUnit().GetDeviceNumber() << "; --force uploads anyway\n";
            log(PlantResult::Refused,
                "the unit is device " + std::to_string(read.GetUnit().GetDeviceNumber()) + ", the file is for device "
                    + std::to_string(session.GetUnit().GetDeviceNumber()) + "; nothing was written to the unit",
                {});
            return 1;
        }
    }

    auto direction = m_nDirection == 0 ? TransferDirection::Upload : TransferDirection::Download;
    CUnitImage read;
    TransferResult result = port.Run(session.GetUnit(), direction, std::cerr, m_nDirection == 1 ? &read : nullptr,
                                     m_nDirection == 0 ? &held : nullptr);
    const char* what = m_nDirection == 0 ? "upload" : "download";
    if (port.GetStopSignal()) {
        std::string done = std::to_string(result.blocksDone) + " of " + std::to_string(result.blocksTotal) + " blocks";
        std::string how;
        if (m_nDirection == 1)
            how = "after " + done + "; " + path + " was not written";
        else if (result.unitWritten)
            how = PartlyWritten(result);
        else
            how = "nothing was written to the unit";
        std::cerr << "q4150cli: " << port.StopText() << (m_nDirection == 1 ? " " : ": ") << how << '\n';
        log(PlantResult::Stopped, port.StopText() + (m_nDirection == 1 ? " " : ": ") + how, result);
        return 128 + port.GetStopSignal();
    }
    if (result.end != TransferEnd::Completed) {
        std::string failed = CCliPort::FailureText(what, result);
        if (m_nDirection == 0 && result.unitWritten)
            failed += (result.reason.empty() ? ": " : "; ") + PartlyWritten(result);
        std::cerr << "q4150cli: " << failed << '\n';
        log(PlantResult::Failed, failed, result);
        return 1;
    }
    if (m_nDirection == 1 && !CheckDownload(session.GetUnit(), read, path, parsed.Has("--strict"), std::cerr)) {
        log(PlantResult::Failed, "--strict: the set-up cannot show every value as the unit holds it; " + path
                                     + " was not written", result);
        return 1;
    }
    if (m_nDirection == 1)
        session.Save(path);
    std::cerr << "The " << what << " is complete: " << result.bytesMoved << " bytes moved.\n";
    log(PlantResult::Ok, {}, result, m_nDirection == 0 && plant.IsOn() ? CChangeList::OfUpload(session.GetUnit(), held)
                                                                       : std::vector<CellDifference>());
    return plant.Failed() ? 1 : 0;
}

bool CTransferCommand::CheckCells(const CQ4kUnit& unit, const std::string& path, bool strict, std::ostream& err)
{
    if (CShowCommand::NameCellsNotHeld(unit, path, err) == 0)
        return true;
    if (strict)
        err << "q4150cli: --strict: nothing was written to the unit\n";
    return !strict;
}

bool CTransferCommand::CheckDownload(CQ4kUnit& unit, const CUnitImage& held, const std::string& path, bool strict,
                                     std::ostream& err)
{
    std::vector<CellDifference> cells = CHeldCells::NotShownAsHeld(unit, held);
    if (cells.empty())
        return true;
    err << "q4150cli: " << path << " does not show " << cells.size() << (cells.size() == 1 ? " value" : " values")
        << " of the unit as the sheets take " << (cells.size() == 1 ? "it" : "them") << " (the unit's value first, then "
        << path << "'s):\n";
    CDiffCommand::Print(cells, err);
    if (strict)
        err << "q4150cli: --strict: " << path << " was not written\n";
    return !strict;
}

bool CTransferCommand::Backup(CCliPort& port, const std::string& path, CUnitImage& held, CCliSession& backup,
                              std::string& failed)
{
    TransferResult result = port.Run(backup.GetUnit(), TransferDirection::Download, std::cerr, &held);
    if (result.end != TransferEnd::Completed) {
        failed = (port.GetStopSignal() ? port.StopText() : CCliPort::FailureText("backup", result))
                 + (result.reason.empty() ? ": " : "; ") + "nothing was written to the unit";
        std::cerr << "q4150cli: " << failed << '\n';
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
