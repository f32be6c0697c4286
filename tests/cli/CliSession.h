// Runs the built q4150cli in a temporary folder with a given standard input and collects its
// exit code, standard output and standard error.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <sys/wait.h>
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

struct CliResult {
    int code;
    std::string out;
    std::string err;
};

class CliSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "q4cliXXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    CliResult Run(const std::vector<std::string>& args, const std::string& input = "") const
    {
        WriteBytes(Path(".stdin"), input);
        std::string command = Quote(Q4150CLI_PATH);
        for (const auto& arg : args)
            command += " " + Quote(arg);
        command += " <" + Quote(Path(".stdin")) + " >" + Quote(Path(".stdout")) + " 2>" + Quote(Path(".stderr"));
        int status = std::system(command.c_str());
        int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return {code, ReadBytes(Path(".stdout")), ReadBytes(Path(".stderr"))};
    }

    static std::string ReadBytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void WriteBytes(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static bool Exists(const std::string& path) { return std::filesystem::exists(path); }

private:
    static std::string Quote(const std::string& arg)
    {
        std::string quoted = "'";
        for (char c : arg)
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return quoted + "'";
    }

    std::filesystem::path m_dir;
};
