// Runs the built q4150cli in a temporary folder, which starts with a default document a.q4g,
// with a given standard input and collects its exit code, standard output and standard error.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// The lines of a command's output.
inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

struct CliResult { int code; std::string out, err; };

class CliSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "q4cliXXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
        CliResult made = Run({"new", Path("a.q4g")});
        ASSERT_EQ(made.code, 0) << made.err;
        ASSERT_EQ(made.out, "");
        m_strDefault = ReadBytes(Path("a.q4g"));
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    // Standard output goes to output when given (e.g. /dev/full), and then reads as empty.
    CliResult Run(const std::vector<std::string>& args, const std::string& input = "",
                  const std::string& output = "") const
    {
        return Wait(Start(args, input, output));
    }

    // The program started with its output going to files, for a test that acts while it runs.
    pid_t Start(const std::vector<std::string>& args, const std::string& input = "",
                const std::string& output = "") const
    {
        std::ofstream(Path(".stdin"), std::ios::binary) << input;
        std::ofstream(Path(".stdout"), std::ios::binary | std::ios::trunc);
        std::vector<std::string> argv = {Q4150CLI_PATH};
        argv.insert(argv.end(), args.begin(), args.end());
        pid_t pid = fork();
        if (pid == 0) {
            std::freopen(Path(".stdin").c_str(), "rb", stdin);
            std::freopen(output.empty() ? Path(".stdout").c_str() : output.c_str(), "wb", stdout);
            std::freopen(Path(".stderr").c_str(), "wb", stderr);
            std::vector<char*> pointers;
            for (std::string& arg : argv)
                pointers.push_back(arg.data());
            pointers.push_back(nullptr);
            execv(pointers[0], pointers.data());
            _exit(127);
        }
        return pid;
    }

    CliResult Wait(pid_t pid) const
    {
        int status = 0;
        waitpid(pid, &status, 0);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(Path(".stdout")), ReadBytes(Path(".stderr"))};
    }

    static std::string ReadBytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::string m_strDefault;  // the bytes of the default document

private:
    std::filesystem::path m_dir;
};
