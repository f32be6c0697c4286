// The q4000sim program as a process: its first line, one exchange, its exit on SIGTERM with the
// memory saved, and its refusal of bad input.
#include "SimLink.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Process {
    pid_t pid = -1;
    int out = -1;
    int err = -1;
};

Process Spawn(const std::vector<std::string>& args)
{
    int out[2];
    int err[2];
    Process p;
    if (::pipe(out) != 0 || ::pipe(err) != 0)
        return p;
    p.pid = ::fork();
    if (p.pid == 0) {
        ::dup2(out[1], 1);
        ::dup2(err[1], 2);
        ::close(out[0]);
        ::close(err[0]);
        std::vector<char*> argv;
        static std::string program = Q4000SIM_PATH;
        argv.push_back(program.data());
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    p.out = out[0];
    p.err = err[0];
    return p;
}

std::string ReadLine(int fd)
{
    std::string line;
    char c = 0;
    while (::read(fd, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

std::string ReadAll(int fd)
{
    std::string text;
    char buf[512];
    ssize_t n;
    while ((n = ::read(fd, buf, sizeof buf)) > 0)
        text.append(buf, static_cast<size_t>(n));
    return text;
}

int Wait(Process& p)
{
    int status = 0;
    ::waitpid(p.pid, &status, 0);
    ::close(p.out);
    ::close(p.err);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string TempPath(const char* tag)
{
    return std::string("/tmp/q4000sim-test-") + tag + "-" + std::to_string(::getpid());
}

TEST(Q4000SimProcess, ServesUntilSigtermAndSavesMemory)
{
    const std::string load = TempPath("load");
    const std::string save = TempPath("save");
    const std::string link = TempPath("link");
    {
        std::ofstream(load) << "alarm 9 " << std::string(62, '0') << "7F\n";
    }
    Process p = Spawn({"--load", load, "--save", save, "--link", link});
    ASSERT_GT(p.pid, 0);
    std::string first = ReadLine(p.out);
    ASSERT_EQ(first.rfind("PTY /dev/pts/", 0), 0u) << first;
    std::string slave = first.substr(4);

    char target[256] = {};
    ASSERT_GT(::readlink(link.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(slave, target);

    {
        SimLink sim(link);
        ASSERT_TRUE(sim.IsOpen());
        SimReply loaded = sim.Read(MSG_READ_ALARM, 9);
        EXPECT_EQ(loaded.length, 71);
        EXPECT_EQ(loaded.data[31], 0x7F);

        std::array<uint8_t, 32> data{};
        data[0] = 0xC4;
        data[31] = 0x01;
        ASSERT_TRUE(sim.Write(MSG_WRITE_GENERAL, 5, data));
        SimReply back = sim.Read(MSG_READ_GENERAL, 5);
        EXPECT_EQ(back.checksumOk, 1);
        EXPECT_EQ(back.data, data);
    }

    ::kill(p.pid, SIGTERM);
    EXPECT_EQ(Wait(p), 0);

    std::ifstream in(save);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("general 5 C4" + std::string(60, '0') + "01\n"), std::string::npos);
    EXPECT_NE(text.str().find("alarm 9 " + std::string(62, '0') + "7F\n"), std::string::npos);
    EXPECT_NE(text.str().find("alarm 8 300000201E00180E00"), std::string::npos);
    struct stat st {};
    EXPECT_NE(::lstat(link.c_str(), &st), 0) << "link left behind";
    std::remove(load.c_str());
    std::remove(save.c_str());
}

TEST(Q4000SimProcess, BadInputExitsWithTwo)
{
    const std::string load = TempPath("bad");
    {
        std::ofstream(load) << "general 9 00\n";
    }
    const struct {
        std::vector<std::string> args;
        const char* stderrHas;
    } cases[] = {
        {{"--frobnicate"}, "usage: q4000sim"},
        {{"--load", load}, "line 1"},
        {{"--fault", "silent:A"}, "--fault"},
    };
    for (const auto& c : cases) {
        Process p = Spawn(c.args);
        ASSERT_GT(p.pid, 0);
        std::string out = ReadAll(p.out);
        std::string err = ReadAll(p.err);
        EXPECT_EQ(Wait(p), 2) << c.args[0];
        EXPECT_TRUE(out.empty()) << out;
        EXPECT_NE(err.find(c.stderrHas), std::string::npos) << err;
    }
    std::remove(load.c_str());
}

TEST(Q4000SimProcess, HelpGoesToStdout)
{
    Process p = Spawn({"--help"});
    ASSERT_GT(p.pid, 0);
    std::string out = ReadAll(p.out);
    EXPECT_EQ(Wait(p), 0);
    EXPECT_EQ(out.rfind("usage: q4000sim", 0), 0u);
}

}  // namespace
