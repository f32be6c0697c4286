// Running a transfer from the command line: the document read before an upload (and the unit
// backed up first when asked) or written after a download.
#include "cli/CTransferCommand.h"

#include "cli/CCliArgs.h"
#include "cli/CCliError.h"
#include "cli/CCliJobUi.h"
#include "cli/CCliPlantLog.h"
#include "cli/CCliPort.h"
#include "job/CUnitJob.h"
#include "plant/CPlantRecorder.h"

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
    return CUnitJob::PartlyWrittenText(result) + "; upload the whole set-up before the unit is used";
}

}  // namespace

std::string CTransferCommand::Usage(int direction)
{
    return (direction == 0 ? "upload FILE [--backup BACKUP] [--strict] [--force] [--all-blocks] " : "download FILE [--strict] ")
           + std::string(CCliPort::USAGE) + " " + CCliPlantLog::USAGE;
}

const char* CTransferCommand::GetHelp() const
{
    if (m_direction == 0)
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
               "Only the blocks the unit does not hold yet are written (and read back): the backup\n"
               "says what it holds, or else each block is read before it is written; the end says\n"
               "how many were written and how many the unit held already. --all-blocks writes\n"
               "every block.\n"
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
               "The set-up checks' errors and warnings (see check) are named on standard error\n"
               "before writing, as check prints them, and the upload goes on, unless --strict.\n"
               "--plant PLANT --tag TAG: the upload is recorded in the plant's log as the unit TAG's,\n"
               "with its backup, the blocks written, the cells they changed (also of an upload that\n"
               "did not complete) and the questions --force answered; without --backup the unit\n"
               "is backed up into backups/TAG beside PLANT first.\n"
               "Exit status 0 when the transfer completed, 1 when it (or the backup's download)\n"
               "failed or its record could not be written to the plant's log, 2 on a usage or file\n"
               "error, 130 after Ctrl+C, 143 after SIGTERM.";
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
    const bool upload = m_direction == 0;
    std::set<std::string> options = CCliPort::OptionNames();
    options.merge(CCliPlantLog::OptionNames());
    std::set<std::string> flags = {"--strict"};
    if (upload) {
        options.insert("--backup");
        flags.insert({"--force", "--all-blocks"});
    }
    CCliArgs parsed(args, flags, options);
    parsed.ExpectPositional(1, m_usage);
    const std::string path = parsed.Positional()[0];
    JobSettings settings;
    settings.backupPath = parsed.Value("--backup");
    if (parsed.Has("--backup") && (settings.backupPath.empty() || SameFile(settings.backupPath, path)))
        throw CCliError("--backup takes a file other than the one uploaded");
    CliAnswers answers;
    settings.port = CCliPort::ParseWithPort(parsed, answers.retries, m_usage);
    settings.allBlocks = parsed.Has("--all-blocks");
    answers.strict = parsed.Has("--strict");
    answers.force = parsed.Has("--force");
    const CCliPlantLog plant(parsed);
    // A plant's unit keeps what the unit held among its own backups, and its checks ignore
    // what the plant says.
    if (upload && plant.IsOn() && settings.backupPath.empty())
        settings.backupFolder = plant.GetPlant().GetBackupFolder(plant.GetTag());
    if (plant.IsOn())
        settings.ignoredRules = plant.GetPlant().FindUnit(plant.GetTag())->ignore;
    if (!upload)
        settings.downloadPath = path;

    CUnitJob job(upload ? JobAction::Upload : JobAction::Download, settings);
    if (upload) {
        if (q4::Status loaded = job.LoadSetup(path); !loaded)
            throw CCliError(loaded.Reason());
    }
    std::unique_ptr<CPlantRecorder> recorder = plant.Recorder();
    job.SetRecorder(recorder.get());
    CCliJobUi ui(std::cerr, answers, path);
    ui.Run(job);
    const JobResult& result = job.GetResult();
    const int end = EndOf(job, ui, std::cerr);
    if (!result.recordError.empty()) {
        std::cerr << "q4150cli: " << result.recordError << " (the action is not in the plant log)\n";
        return end == 0 ? 1 : end;
    }
    return end;
}

int CTransferCommand::EndOf(const CUnitJob& job, const CCliJobUi& ui, std::ostream& err)
{
    const JobResult& result = job.GetResult();
    const bool upload = job.GetAction() == JobAction::Upload;
    const TransferResult& transfer = result.transfer;
    switch (result.outcome) {
    case JobOutcome::Ok:
        if (upload)
            err << "The upload is complete: " << result.blocksWritten
                << (result.blocksWritten == 1 ? " block" : " blocks") << " written, " << result.blocksHeld
                << " held already; " << transfer.bytesMoved << " bytes moved.\n";
        else
            err << "The download is complete: " << transfer.bytesMoved << " bytes moved.\n";
        return 0;
    case JobOutcome::Refused:
        // Said as the question was answered.
        return 1;
    case JobOutcome::Stopped:
        if (ui.GetStopSignal()) {
            std::string how;
            if (!upload)
                how = " after " + std::to_string(transfer.blocksDone) + " of " + std::to_string(transfer.blocksTotal)
                      + " blocks; " + job.GetSettings().downloadPath + " was not written";
            else if (transfer.unitWritten && result.lastStep == JobStep::Upload)
                how = ": " + PartlyWritten(transfer);
            else
                how = ": nothing was written to the unit";
            err << "q4150cli: " << ui.StopText() << how << '\n';
            return 128 + ui.GetStopSignal();
        }
        err << "q4150cli: " << result.reason << '\n';
        return 1;
    case JobOutcome::Differs:
    case JobOutcome::Failed:
        break;
    }
    err << "q4150cli: " << result.reason;
    if (upload && transfer.unitWritten && result.lastStep == JobStep::Upload)
        err << "; upload the whole set-up before the unit is used";
    err << '\n';
    return 1;
}
