// q4150-manual: writes the manual's HTML from its hand-written source and the program's own
// words on every column. Run by the build; not installed.
//   q4150-manual SOURCE OUT [--version V] [--cli-help FILE]
#include "manual/ManualBuilder.h"

#include <fstream>
#include <iostream>
#include <sstream>

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ManualError("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        std::string source;
        std::string out;
        ManualParts parts;
        for (int i = 1; i < argc; ++i) {
            std::string arg = argv[i];
            if (arg == "--version" && i + 1 < argc)
                parts.version = argv[++i];
            else if (arg == "--cli-help" && i + 1 < argc)
                parts.cliHelp = ReadFile(argv[++i]);
            else if (source.empty())
                source = arg;
            else if (out.empty())
                out = arg;
            else
                throw ManualError("usage: q4150-manual SOURCE OUT [--version V] [--cli-help FILE]");
        }
        if (out.empty())
            throw ManualError("usage: q4150-manual SOURCE OUT [--version V] [--cli-help FILE]");
        parts.sheets = CollectSheetFacts();
        parts.checks = CollectCheckFacts();
        std::string html = BuildManual(ReadFile(source), parts);
        std::ofstream file(out, std::ios::binary | std::ios::trunc);
        if (!(file << html) || !file.flush())
            throw ManualError("cannot write " + out);
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "q4150-manual: " << e.what() << '\n';
        return 2;
    }
}
