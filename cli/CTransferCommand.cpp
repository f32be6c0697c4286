// Running a transfer from the command line: the port set up without dialogs, the transfer run
// on this thread with its reports printed, and the document read before an upload or written
// after a download.
#include "cli/CTransferCommand.h"

#include "cli/CCliArgs.h"
#include "cli/CCliError.h"
#include "cli/CCliSession.h"
#include "cli/CCliTransferUi.h"
#include "link/TermiosSettings.h"
#include "transfer/CTransfer.h"
#include "transfer/CUnitConnection.h"

#include <iostream>
#include <sstream>

namespace {

// A whole number from 0 to max; throws CCliError for anything else.
int ParseNumber(const std::string& option, const std::string& text, int max)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos
        || std::stoi(text) > max)
        throw CCliError(option + " takes a whole number from 0 to " + std::to_string(max) + ", not " + text);
    return std::stoi(text);
}

// The prompt's lines written so far, as one line without their "message: " prefixes.
std::string TakeMessages(std::ostringstream& messages)
{
    std::istringstream lines(messages.str());
    messages.str("");
    std::string joined;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("message: ", 0) == 0)
            line.erase(0, 9);
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        joined += (joined.empty() ? "" : " ") + line;
    }
    return joined;
}

}  // namespace

const char* CTransferCommand::GetUsage() const
{
    return m_nDirection == 0 ? "upload FILE --port PORT [--retries N] [--baud N]"
                             : "download FILE --port PORT [--retries N] [--baud N]";
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
               "Exit status 0 when the transfer completed, 1 when it failed, 2 on a usage or file\n"
               "error.";
    return "Reads the set-up from the unit on PORT into a fresh default set-up and writes it to\n"
           "FILE; port, line settings, progress, retries and --fixed-wait as for upload, the\n"
           "failure message being \"Error to download SHEET data\". FILE is written only when the\n"
           "transfer completed. Exit status 0 when it completed, 1 when it failed, 2 on a usage or\n"
           "file error.";
}

int CTransferCommand::Run(const std::vector<std::string>& args, std::istream&, std::ostream&)
{
    CCliArgs parsed(args, {}, {"--port", "--retries", "--baud", "--fixed-wait"});
    parsed.ExpectPositional(1, GetUsage());
    const std::string path = parsed.Positional()[0];
    const std::string port = parsed.Value("--port");
    if (port.empty())
        throw CCliError("usage: " + std::string(GetUsage()));
    int retries = parsed.Has("--retries") ? ParseNumber("--retries", parsed.Value("--retries"), 1000) : 0;
    int waitMs = parsed.Has("--fixed-wait") ? ParseNumber("--fixed-wait", parsed.Value("--fixed-wait"), 10000)
                                            : CComSetupDialog::FIXED_WAIT_MS;
    CLineSettings settings;
    if (parsed.Has("--baud")) {
        settings.m_nBaudRate = static_cast<unsigned>(ParseNumber("--baud", parsed.Value("--baud"), 4000000));
        termios tio{};
        if (!q4::ToTermios(settings, tio))
            throw CCliError("--baud " + parsed.Value("--baud") + " is no rate a serial port takes");
    }

    // The set-up's messages are held back while the transfer may raise them, and shown after.
    std::ostringstream messages;
    CCliSession session(messages, false);
    if (m_nDirection == 0)
        session.Load(path);
    else
        session.Reset();
    std::cerr << messages.str();
    messages.str("");

    CUnitConnection connection(&session.GetPrompt());
    if (!connection.CommSetupDirect(port, settings)) {
        // A port that did not open is named in the message with the reason; a refused line
        // setting is not.
        std::string where = connection.GetLink().IsPortOpen() ? port + ": " : std::string();
        std::cerr << "q4150cli: " << where << TakeMessages(messages) << '\n';
        return 1;
    }
    connection.GetLink().SetFixedWaitMs(waitMs);
    auto direction = m_nDirection == 0 ? TransferDirection::Upload : TransferDirection::Download;
    CCliTransferUi ui(std::cerr, direction, retries);
    CTransfer transfer(session.GetUnit(), connection.GetLink(), direction, ui);
    TransferResult result = transfer.Run();
    std::cerr << messages.str();
    const char* what = m_nDirection == 0 ? "upload" : "download";
    if (result.end != TransferEnd::Completed) {
        std::cerr << "q4150cli: the " << what << " failed\n";
        return 1;
    }
    if (m_nDirection == 1)
        session.Save(path);
    std::cerr << "The " << what << " is complete: " << result.bytesMoved << " bytes moved.\n";
    return 0;
}
