// Parsing the emulated unit program's options.
#include "sim/CSimOptions.h"

#include <optional>

namespace {

bool ParseCount(const std::string& text, long max, long& value)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stol(text);
    return value <= max;
}

}  // namespace

const char* CSimOptions::Usage()
{
    return "usage: q4000sim [--units N] [--link PATH] [--blank] [--load FILE] [--save FILE] [--baud N]\n"
           "                [--reply-delay MS] [--fault KIND:CMD:BLOCK[:COUNT]]...\n"
           "       q4000sim --help | --version\n"
           "\n"
           "Emulates a Q4000-30 annunciator on a pseudo-terminal. The first line of output is\n"
           "\"PTY <path>\"; open that path as the serial port. Serves until SIGINT or SIGTERM.\n"
           "\n"
           "  --units N          N units (1 to 64), each on a terminal of its own with its own\n"
           "                     PTY line, in the order of their numbers; with several, --link\n"
           "                     and --save name PATH-1 to PATH-N, and every unit loads --load\n"
           "                     and has the faults\n"
           "  --link PATH        also make PATH a symbolic link to the terminal\n"
           "  --blank            start with all memory zero instead of factory contents\n"
           "  --load FILE        replace the blocks named in FILE (lines \"general N HEX\",\n"
           "                     \"physical N HEX\" with N 0-30, \"logical N HEX\" with N 0-6 for\n"
           "                     physical 24-30, \"alarm N HEX\"; 64 hex digits), as q4150cli\n"
           "                     blocks prints them\n"
           "  --save FILE        write the whole memory to FILE on exit (a FILE that cannot\n"
           "                     be written ends the program at its start)\n"
           "  --baud N           send replies at N bits per second (10 bits a byte)\n"
           "  --reply-delay MS   wait MS milliseconds before each reply\n"
           "  --fault KIND:CMD:BLOCK[:COUNT]\n"
           "                     spoil the reply to command CMD (@, A or B) for block BLOCK\n"
           "                     COUNT times (default 1); KIND is silent (no reply), short\n"
           "                     (70 bytes), checksum (wrong checksum), readback (other data),\n"
           "                     late (the reply 250 ms after the request, when the program\n"
           "                     has given the block up) or stray (a reply with a good\n"
           "                     checksum for the next block, or for the one before when\n"
           "                     BLOCK is the last)\n"
           "  --help             print this text and exit\n"
           "  --version          print the version and exit\n";
}

q4::Status CSimOptions::Parse(const std::vector<std::string>& args)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // The option's value, or nothing when the command line ends after the option.
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size())
                return std::nullopt;
            return args[++i];
        };
        const q4::Failure noValue{arg + " needs a value"};
        if (arg == "--help" || arg == "-h") {
            m_help = true;
        } else if (arg == "--version") {
            m_version = true;
        } else if (arg == "--blank") {
            m_blank = true;
        } else if (arg == "--units") {
            long units = 0;
            std::optional<std::string> text = value();
            if (!text)
                return noValue;
            if (!ParseCount(*text, 64, units) || units == 0)
                return q4::Failure{"--units: \"" + *text + "\" is no number of units from 1 to 64"};
            m_units = static_cast<int>(units);
        } else if (arg == "--link" || arg == "--load" || arg == "--save") {
            std::optional<std::string> text = value();
            if (!text)
                return noValue;
            (arg == "--link" ? m_link : arg == "--load" ? m_load : m_save) = *text;
        } else if (arg == "--baud") {
            long baud = 0;
            std::optional<std::string> text = value();
            if (!text)
                return noValue;
            if (!ParseCount(*text, 4000000, baud) || baud == 0)
                return q4::Failure{"--baud: \"" + *text + "\" is no bit rate"};
            m_baudRate = static_cast<unsigned>(baud);
        } else if (arg == "--reply-delay") {
            long ms = 0;
            std::optional<std::string> text = value();
            if (!text)
                return noValue;
            if (!ParseCount(*text, 60000, ms))
                return q4::Failure{"--reply-delay: \"" + *text + "\" is no number of milliseconds"};
            m_replyDelayMs = static_cast<int>(ms);
        } else if (arg == "--fault") {
            CEmulatorServer::Fault fault{};
            std::optional<std::string> text = value();
            if (!text)
                return noValue;
            if (!CEmulatorServer::ParseFault(*text, fault))
                return q4::Failure{"--fault: \"" + *text + "\" is not KIND:CMD:BLOCK[:COUNT]"};
            m_faults.push_back(fault);
        } else {
            return q4::Failure{"unknown option \"" + arg + "\""};
        }
    }
    return {};
}
