// q4150cli: the command-line companion of the Q4150 Programmer. Creates, shows, edits and
// compares and checks document files (.q4g) with the same rules as the desktop program, lists the blocks
// of an upload, and moves set-ups to and from the unit on a serial port.
#include "cli/CBlocksCommand.h"
#include "cli/CCheckCommand.h"
#include "cli/CDiffCommand.h"
#include "cli/CEditCommand.h"
#include "cli/CExportCommand.h"
#include "cli/CIdentifyCommand.h"
#include "cli/CImportCommand.h"
#include "cli/CNewCommand.h"
#include "cli/CPlantCommand.h"
#include "cli/CShowCommand.h"
#include "cli/CStandardOutput.h"
#include "cli/CTransferCommand.h"
#include "cli/CVerifyCommand.h"
#include "model/Q4Version.h"

#include <csignal>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void PrintHelp(const std::vector<std::unique_ptr<ICliCommand>>& commands, std::ostream& out)
{
    out << "usage: q4150cli COMMAND ARGUMENTS...\n"
           "       q4150cli --help | --version\n"
           "Reads and writes set-ups of the Q4000-30 annunciator in Q4150 document files (.q4g)\n"
           "and moves them to and from the unit on a serial port.\n"
           "A sheet S is general, physical, logical or alarm (or 0 to 3). Texts are UTF-8.\n";
    for (const auto& command : commands) {
        out << "\nq4150cli " << command->GetUsage() << '\n';
        std::string help = command->GetHelp();
        size_t pos = 0;
        while (pos < help.size()) {
            size_t end = help.find('\n', pos);
            if (end == std::string::npos)
                end = help.size();
            out << "    " << help.substr(pos, end - pos) << '\n';
            pos = end + 1;
        }
    }
}

int RunCommand(const std::vector<std::string>& args, CStandardOutput& output)
{
    std::vector<std::unique_ptr<ICliCommand>> commands;
    commands.push_back(std::make_unique<CNewCommand>());
    commands.push_back(std::make_unique<CShowCommand>());
    commands.push_back(std::make_unique<CEditCommand>());
    commands.push_back(std::make_unique<CDiffCommand>());
    commands.push_back(std::make_unique<CCheckCommand>());
    commands.push_back(std::make_unique<CBlocksCommand>());
    commands.push_back(std::make_unique<CExportCommand>());
    commands.push_back(std::make_unique<CImportCommand>());
    commands.push_back(std::make_unique<CTransferCommand>(0));
    commands.push_back(std::make_unique<CTransferCommand>(1));
    commands.push_back(std::make_unique<CVerifyCommand>());
    commands.push_back(std::make_unique<CIdentifyCommand>());
    commands.push_back(std::make_unique<CPlantCommand>());

    if (!args.empty() && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        PrintHelp(commands, std::cout);
        return 0;
    }
    if (!args.empty() && args[0] == "--version") {
        std::cout << "q4150cli " << q4::VERSION << '\n';
        return 0;
    }
    if (args.empty()) {
        std::cerr << "q4150cli: no command given; try q4150cli --help\n";
        return 2;
    }
    for (const auto& command : commands) {
        if (args[0] != command->GetName())
            continue;
        std::vector<std::string> rest(args.begin() + 1, args.end());
        if (!rest.empty() && (rest[0] == "--help" || rest[0] == "-h")) {
            std::cout << "usage: q4150cli " << command->GetUsage() << '\n' << command->GetHelp() << '\n';
            return 0;
        }
        try {
            return command->Run(rest, std::cin, std::cout);
        } catch (const std::exception& e) {
            if (output.GetError())
                return 2;  // standard output failed: the caller says why
            // What the command printed comes before its error.
            output.Flush();
            std::cerr << "q4150cli: " << e.what() << '\n';
            return 2;
        }
    }
    std::cerr << "q4150cli: unknown command " << args[0] << "; try q4150cli --help\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    // Whatever the command, a report that did not reach standard output is a failure. Standard
    // error no longer flushes it before each message, which would throw from any message.
    CStandardOutput output(std::cout, STDOUT_FILENO);
    std::cerr.tie(nullptr);
    // A reader that stops reading (| head) is an output that takes no more: the write fails
    // with EPIPE and the command ends with its status 2 instead of dying of the signal.
    std::signal(SIGPIPE, SIG_IGN);
    int code = RunCommand(std::vector<std::string>(argv + 1, argv + argc), output);
    if (!output.Flush()) {
        std::cerr << "q4150cli: cannot write to standard output: " << std::strerror(output.GetError()) << '\n';
        return 2;
    }
    return code;
}
