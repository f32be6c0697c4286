// Parsing the emulated unit program's options.
#include "sim/CSimOptions.h"

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

bool CSimOptions::Parse(const std::vector<std::string>& args, std::string& error)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        std::string text;
        if (arg == "--help" || arg == "-h") {
            m_bHelp = true;
        } else if (arg == "--version") {
            m_bVersion = true;
        } else if (arg == "--blank") {
            m_bBlank = true;
        } else if (arg == "--units") {
            long units = 0;
            if (!value(text))
                return false;
            if (!ParseCount(text, 64, units) || units == 0) {
                error = "--units: \"" + text + "\" is no number of units from 1 to 64";
                return false;
            }
            m_nUnits = static_cast<int>(units);
        } else if (arg == "--link") {
            if (!value(m_strLink))
                return false;
        } else if (arg == "--load") {
            if (!value(m_strLoad))
                return false;
        } else if (arg == "--save") {
            if (!value(m_strSave))
                return false;
        } else if (arg == "--baud") {
            long baud = 0;
            if (!value(text))
                return false;
            if (!ParseCount(text, 4000000, baud) || baud == 0) {
                error = "--baud: \"" + text + "\" is no bit rate";
                return false;
            }
            m_nBaudRate = static_cast<unsigned>(baud);
        } else if (arg == "--reply-delay") {
            long ms = 0;
            if (!value(text))
                return false;
            if (!ParseCount(text, 60000, ms)) {
                error = "--reply-delay: \"" + text + "\" is no number of milliseconds";
                return false;
            }
            m_nReplyDelayMs = static_cast<int>(ms);
        } else if (arg == "--fault") {
            CEmulatorServer::Fault fault{};
            if (!value(text))
                return false;
            if (!CEmulatorServer::ParseFault(text, fault)) {
                error = "--fault: \"" + text + "\" is not KIND:CMD:BLOCK[:COUNT]";
                return false;
            }
            m_Faults.push_back(fault);
        } else {
            error = "unknown option \"" + arg + "\"";
            return false;
        }
    }
    return true;
}
