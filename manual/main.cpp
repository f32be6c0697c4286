// q4150-manual: writes the manual's HTML from its hand-written source and the program's own
// words on every column, in the language of the program's translation FILE.ts when given. Run by
// the build; not installed.
//   q4150-manual SOURCE OUT [--version V] [--cli-help FILE] [--translations FILE.ts]
#include "manual/ManualBuilder.h"
#include "manual/TranslationFile.h"

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
        const char* const usage = "usage: q4150-manual SOURCE OUT [--version V] [--cli-help FILE] [--translations FILE.ts]";
        std::string source;
        std::string out;
        ManualParts parts;
        std::map<std::pair<std::string, std::string>, std::string> translations;
        bool translated = false;
        for (int i = 1; i < argc; ++i) {
            std::string arg = argv[i];
            if (arg == "--version" && i + 1 < argc) {
                parts.version = argv[++i];
            } else if (arg == "--cli-help" && i + 1 < argc) {
                parts.cliHelp = ReadFile(argv[++i]);
            } else if (arg == "--translations" && i + 1 < argc) {
                translations = ReadTranslationFile(ReadFile(argv[++i]));
                translated = true;
            } else if (source.empty()) {
                source = arg;
            } else if (out.empty()) {
                out = arg;
            } else {
                throw ManualError(usage);
            }
        }
        if (out.empty())
            throw ManualError(usage);
        const CoreTranslator words([&translations](const char* context, const std::string& text) {
            auto it = translations.find({context, text});
            return it == translations.end() ? std::string() : it->second;
        });
        parts.words = translated ? &words : nullptr;
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
