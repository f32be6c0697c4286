// The port options of the command line.
#include "cli/CCliPort.h"

#include "cli/CCliArgs.h"
#include "cli/CCliError.h"
#include "link/TermiosSettings.h"

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

UnitPortSettings CCliPort::ParseSettings(const CCliArgs& args, int& retries)
{
    UnitPortSettings settings;
    retries = args.Has("--retries") ? ParseNumber("--retries", args.Value("--retries"), 1000) : 0;
    settings.fixedWaitMs = args.Has("--fixed-wait") ? ParseNumber("--fixed-wait", args.Value("--fixed-wait"), 10000)
                                                    : CSerialLink::FIXED_WAIT_MS;
    if (args.Has("--baud")) {
        settings.line.m_baudRate = static_cast<unsigned>(ParseNumber("--baud", args.Value("--baud"), 4000000));
        termios tio{};
        if (!q4::ToTermios(settings.line, tio))
            throw CCliError("--baud " + args.Value("--baud") + " is no rate a serial port takes");
    }
    return settings;
}

UnitPortSettings CCliPort::ParseWithPort(const CCliArgs& args, int& retries, const std::string& usage)
{
    if (args.Value("--port").empty())
        throw CCliError("usage: " + usage);
    UnitPortSettings settings = ParseSettings(args, retries);
    settings.port = args.Value("--port");
    return settings;
}
