// The q4000sim program as a process: its first line, one exchange, its exit on SIGTERM with the
// memory saved, and its refusal of bad input.
#include "SimLink.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Starts q4000sim through the shell, which first prints its process id (the program's after
// exec); standard error goes to a file.
struct Process {
    explicit Process(const std::string& args, const std::string& errPath)
        : out(::popen(("echo $$; exec '" Q4000SIM_PATH "' " + args + " 2>'" + errPath + "'").c_str(), "r")),
          pid(std::stoi(Line()))
    {
    }
    std::string Line()
    {
        char buf[512] = "";
        return out && std::fgets(buf, sizeof buf, out) ? std::string(buf, std::strcspn(buf, "\n")) : "";
    }
    // The rest of standard output, then the exit status.
    int Wait(std::string& rest)
    {
        char buf[512];
        for (size_t n; out && (n = std::fread(buf, 1, sizeof buf, out)) > 0;)
            rest.append(buf, n);
        int status = ::pclose(out);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    FILE* out;
    pid_t pid;
};

std::string ReadText(const std::string& path)
{
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

std::string TempPath(const char* tag)
{
    return std::string("/tmp/q4000sim-test-") + tag + "-" + std::to_string(::getpid());
}

TEST(Q4000SimProcess, ServesUntilSigtermAndSavesMemory)
{
    const std::string load = TempPath("load"), save = TempPath("save"), link = TempPath("link");
    std::ofstream(load) << "alarm 9 " << std::string(62, '0') << "7F\n";
    Process p("--load " + load + " --save " + save + " --link " + link, "/dev/null");
    std::string first = p.Line();
    ASSERT_EQ(first.rfind("PTY /dev/pts/", 0), 0u) << first;
    {
        SimLink sim(link);
        ASSERT_TRUE(sim.IsOpen());
        EXPECT_EQ(sim.Read(MSG_READ_ALARM, 9).data[31], 0x7F);  // from the loaded memory
        std::array<uint8_t, 32> data{};
        data[0] = 0xC4;
        data[31] = 0x01;
        ASSERT_TRUE(sim.Write(MSG_WRITE_GENERAL, 5, data));
        EXPECT_EQ(sim.Read(MSG_READ_GENERAL, 5).data, data);
    }
    ::kill(p.pid, SIGTERM);
    std::string rest;
    EXPECT_EQ(p.Wait(rest), 0);
    EXPECT_EQ(rest, "");

    std::string text = ReadText(save);
    EXPECT_NE(text.find("general 5 C4" + std::string(60, '0') + "01\n"), std::string::npos);
    EXPECT_NE(text.find("alarm 9 " + std::string(62, '0') + "7F\n"), std::string::npos);
    EXPECT_NE(text.find("alarm 8 300000201E00180E00"), std::string::npos);
    struct stat st {};
    EXPECT_NE(::lstat(link.c_str(), &st), 0) << "link left behind";
    std::remove(load.c_str());
    std::remove(save.c_str());
}

// Several units in one process: a terminal, a link and a memory file each, none sharing another's.
TEST(Q4000SimProcess, SeveralUnitsEachServeTheirOwnMemory)
{
    const std::string save = TempPath("units"), link = TempPath("ulink");
    Process p("--units 3 --blank --save " + save + " --link " + link, "/dev/null");
    std::vector<std::string> ptys;
    for (int n = 0; n < 3; ++n)
        ptys.push_back(p.Line());
    for (const std::string& pty : ptys)
        ASSERT_EQ(pty.rfind("PTY /dev/pts/", 0), 0u) << pty;
    EXPECT_NE(ptys[0], ptys[1]);
    EXPECT_NE(ptys[1], ptys[2]);
    for (int n = 1; n <= 3; ++n) {
        SimLink sim(link + "-" + std::to_string(n));
        ASSERT_TRUE(sim.IsOpen());
        std::array<uint8_t, 32> data{};
        data[0] = static_cast<uint8_t>(n);
        ASSERT_TRUE(sim.Write(MSG_WRITE_GENERAL, 2, data));
        EXPECT_EQ(sim.Read(MSG_READ_GENERAL, 2).data, data);  // stored before the link closes
    }
    ::kill(p.pid, SIGTERM);
    std::string rest;
    EXPECT_EQ(p.Wait(rest), 0);
    for (int n = 1; n <= 3; ++n) {
        const std::string path = save + "-" + std::to_string(n);
        EXPECT_NE(ReadText(path).find("general 2 0" + std::to_string(n) + std::string(62, '0') + "\n"), std::string::npos)
            << path;
        std::remove(path.c_str());
        struct stat st {};
        EXPECT_NE(::lstat((link + "-" + std::to_string(n)).c_str(), &st), 0) << "link left behind";
    }
}

TEST(Q4000SimProcess, BadInputExitsWithTwoAndHelpWithZero)
{
    const std::string load = TempPath("bad"), err = TempPath("err");
    std::ofstream(load) << "general 9 00\n";
    const std::tuple<std::string, int, std::string, std::string> cases[] = {
        {"--frobnicate", 2, "", "usage: q4000sim"},
        {"--load " + load, 2, "", "line 1"},
        {"--load " + load + ".none", 2, "", "cannot read"},
        // A memory that could not be saved at the end is refused at the start.
        {"--save /nonexistent/x", 2, "", "--save: cannot write /nonexistent/x: No such file or directory"},
        {"--save /tmp", 2, "", "--save: cannot write /tmp: Is a directory"},
        {"--help", 0, "usage: q4000sim", ""},  // help goes to standard output
    };
    for (const auto& [args, code, outStart, errHas] : cases) {
        Process p(args, err);
        std::string out;
        EXPECT_EQ(p.Wait(out), code) << args;
        EXPECT_EQ(out.substr(0, outStart.size()), outStart) << out;
        EXPECT_EQ(out.empty(), outStart.empty()) << out;
        EXPECT_NE(ReadText(err).find(errHas), std::string::npos) << ReadText(err);
    }
    std::remove(load.c_str());
    std::remove(err.c_str());
}

}  // namespace
