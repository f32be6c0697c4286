// Port options, opening the port and running a transfer for the command line.
#include "cli/CCliPort.h"

#include "cli/CCliArgs.h"
#include "cli/CCliError.h"
#include "cli/CCliTransferUi.h"
#include "cli/CSignalWatch.h"
#include "link/TermiosSettings.h"

#include <csignal>
#include <ostream>

namespace {

// A whole number from 0 to max; throws CCliError for anything else.
int ParseNumber(const std::string& option, const std::string& text, int max)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos
        || std::stoi(text) > max)
        throw CCliError(option + " takes a whole number from 0 to " + std::to_string(max) + ", not " + text);
    return std::stoi(text);
}

}  // namespace

std::string CCliPort::TakeMessages(std::ostringstream& messages)
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

UnitPortSettings CCliPort::ParseSettings(const CCliArgs& args, int& retries)
{
    UnitPortSettings settings;
    retries = args.Has("--retries") ? ParseNumber("--retries", args.Value("--retries"), 1000) : 0;
    settings.fixedWaitMs = args.Has("--fixed-wait") ? ParseNumber("--fixed-wait", args.Value("--fixed-wait"), 10000)
                                                    : CComSetupDialog::FIXED_WAIT_MS;
    if (args.Has("--baud")) {
        settings.line.m_nBaudRate = static_cast<unsigned>(ParseNumber("--baud", args.Value("--baud"), 4000000));
        termios tio{};
        if (!q4::ToTermios(settings.line, tio))
            throw CCliError("--baud " + args.Value("--baud") + " is no rate a serial port takes");
    }
    return settings;
}

CCliPort::CCliPort(const CCliArgs& args, const std::string& usage) : m_prompt(m_messages, false)
{
    if (args.Value("--port").empty())
        throw CCliError("usage: " + usage);
    m_settings = ParseSettings(args, m_nRetries);
    m_settings.port = args.Value("--port");
}

CCliPort::~CCliPort() = default;

void CCliPort::FlushMessages(std::ostream& err)
{
    err << m_messages.str();
    m_messages.str("");
}

bool CCliPort::Open(std::ostream& err)
{
    m_pLine = std::make_unique<CUnitLine>(m_prompt);
    if (!m_pLine->Open(m_settings)) {
        // A port that did not open is named in the message with the reason; a refused line
        // setting is not.
        std::string where = m_pLine->GetLink().IsPortOpen() ? m_settings.port + ": " : std::string();
        m_strOpenError = where + TakeMessages(m_messages);
        err << "q4150cli: " << m_strOpenError << '\n';
        return false;
    }
    return true;
}

TransferResult CCliPort::Run(CQ4kUnit& unit, TransferDirection direction, std::ostream& err, CUnitImage* blocksRead,
                             const CUnitImage* held)
{
    return RunSheets(unit, direction, err, blocksRead, held, 4);
}

TransferResult CCliPort::ReadGeneral(CQ4kUnit& unit, std::ostream& err, CUnitImage& blocksRead)
{
    return RunSheets(unit, TransferDirection::Download, err, &blocksRead, nullptr, 1);
}

TransferResult CCliPort::RunSheets(CQ4kUnit& unit, TransferDirection direction, std::ostream& err,
                                   CUnitImage* blocksRead, const CUnitImage* held, int sheets)
{
    CCliTransferUi ui(err, direction, m_nRetries);
    TransferResult result;
    {
        CSignalWatch watch([this] { m_pLine->Cancel(); });
        result = m_pLine->Run(unit, direction, ui, {sheets, held, blocksRead});
        m_nStopSignal = watch.GetSignal();
    }
    FlushMessages(err);
    return result;
}

std::string CCliPort::StopText() const
{
    return std::string("stopped by ") + (m_nStopSignal == SIGTERM ? "SIGTERM" : "SIGINT");
}

std::string CCliPort::FailureText(const std::string& what, const TransferResult& result)
{
    return "the " + what + " failed" + (result.reason.empty() ? "" : ": " + result.reason);
}
