// q4150cli blocks, upload and download: the blocks of a document, and whole transfers through
// an emulated unit on a pty with retries, failures and usage errors.
#include "CliSession.h"

#include "model/HexText.h"
#include "sim/CEmulatorServer.h"

#include <sstream>

namespace {

std::string Repeat(const std::string& s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

// Short fixed waits for the emulated unit, on a slow line setting whose long quiet time
// leaves it room to answer on a busy machine (the pty ignores the rate).
const std::vector<std::string> kFastLink = {"--fixed-wait", "5", "--baud", "110"};

}  // namespace

using CliBlocks = CliSession;

TEST_F(CliBlocks, DefaultDocumentListsEveryBlockInTransferOrder)
{
    ASSERT_EQ(Run({"new", Path("a.q4g")}).code, 0);
    CliResult r = Run({"blocks", Path("a.q4g")});
    ASSERT_EQ(r.code, 0) << r.err;
    std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 87u);
    const struct {
        size_t line;
        std::string text;
    } expected[] = {
        // Protocol MODBUS and device number 1, then both baud rates 9600; reserved constants zero.
        {0, "general 0 " + Repeat("00", 8) + "01000000" "01000000" "00000000" "80250000" "80250000" + Repeat("00", 4)},
        {7, "general 7 " + Repeat("00", 32)},
        {8, "physical 0 " + Repeat("00", 28) + "20202020"},
        {31, "physical 23 " + Repeat("00", 28) + "20202020"},
        {32, "logical 0 " + Repeat("00", 16) + Repeat("30", 12) + "20202020"},
        {38, "logical 6 " + Repeat("00", 16) + Repeat("30", 12) + "20202020"},
        {39, "alarm 0 300000201E00180E00" + Repeat("20", 10) + Repeat("00", 13)},
        {86, "alarm 47 300000201E00180E00" + Repeat("20", 10) + Repeat("00", 13)},
    };
    for (const auto& e : expected)
        EXPECT_EQ(lines[e.line], e.text) << "line " << e.line;

    CliResult logical = Run({"blocks", Path("a.q4g"), "--sheet", "logical"});
    ASSERT_EQ(logical.code, 0);
    EXPECT_EQ(Lines(logical.out), std::vector<std::string>(lines.begin() + 32, lines.begin() + 39));
}

TEST_F(CliBlocks, UsageAndFileErrorsExitWithTwo)
{
    ASSERT_EQ(Run({"new", Path("a.q4g")}).code, 0);
    const std::vector<std::vector<std::string>> cases = {
        {"blocks"},
        {"blocks", Path("missing.q4g")},
        {"blocks", Path("a.q4g"), "--sheet", "alarms"},
        {"upload", Path("a.q4g")},
        {"upload", Path("missing.q4g"), "--port", "/dev/null"},
        {"upload", Path("a.q4g"), "--port", "/dev/null", "--retries", "-1"},
        {"upload", Path("a.q4g"), "--port", "/dev/null", "--baud", "12345"},
        {"download", Path("b.q4g"), "--port", "/dev/null", "--fixed-wait", "fast"},
        {"download", Path("b.q4g"), "--port", "/dev/null", "--parity", "odd"},
    };
    for (const auto& args : cases) {
        CliResult r = Run(args);
        EXPECT_EQ(r.code, 2) << args[0] << " " << args.size();
        EXPECT_EQ(r.out, "");
        ASSERT_EQ(Lines(r.err).size(), 1u) << r.err;
        EXPECT_EQ(r.err.rfind("q4150cli: ", 0), 0u) << r.err;
    }
    EXPECT_FALSE(Exists(Path("b.q4g")));
}

class CliTransfer : public CliSession {
protected:
    void SetUp() override
    {
        CliSession::SetUp();
        ASSERT_TRUE(m_server.Start());
        ASSERT_EQ(Run({"new", Path("a.q4g")}).code, 0);
    }

    CliResult Transfer(const std::string& command, const std::string& file, std::vector<std::string> more = {})
    {
        std::vector<std::string> args = {command, Path(file), "--port", m_server.GetSlavePath()};
        args.insert(args.end(), kFastLink.begin(), kFastLink.end());
        args.insert(args.end(), more.begin(), more.end());
        return Run(args);
    }

    void AddFault(const std::string& text)
    {
        CEmulatorServer::Fault fault{};
        ASSERT_TRUE(CEmulatorServer::ParseFault(text, fault));
        m_server.AddFault(fault);
    }

    CEmulatorServer m_server{true};
};

TEST_F(CliTransfer, UploadSendsTheListedBlocksAndDownloadBringsTheSetUpBack)
{
    ASSERT_EQ(Run({"edit", Path("a.q4g")}, "general 3 1 12\n"
                                           "general 11 1 +REF\n"
                                           "general 14 1 2.5\n"
                                           "physical 1 1 10 V\n"
                                           "physical 1 2 bar\n"
                                           "physical 1 5 10\n"
                                           "physical 1 6 250\n"
                                           "logical 1 1 IN 11\n"
                                           "alarm 1 1 IN 11\n"
                                           "alarm 1 4 50\n"
                                           "alarm 1 5 TANK LEVEL\n"
                                           "alarm 1 6 0.300\n"
                                           "alarm 1 9 BH\n"
                                           "alarm 2 1 LOG1\n"
                                           "alarm 2 5 LOG1 ALARM\n"
                                           "alarm 2 6 12\n")
                  .code,
              0);
    CliResult up = Transfer("upload", "a.q4g");
    ASSERT_EQ(up.code, 0) << up.err;
    EXPECT_EQ(up.out, "");
    EXPECT_EQ(Lines(up.err), (std::vector<std::string>{"Uploading General data ...", "Uploading Physical Input data ...",
                                                       "Uploading Logical Input data ...", "Uploading Alarm data ...",
                                                       "The upload is complete: 13587 bytes moved."}));

    // The unit holds what blocks lists, the General blocks included (the blank unit's
    // reserved constants are zero as well).
    const CUnitEmulator::BLOCK_SPACE spaces[4] = {CUnitEmulator::SPACE_GENERAL, CUnitEmulator::SPACE_INPUT,
                                                  CUnitEmulator::SPACE_INPUT, CUnitEmulator::SPACE_ALARM};
    const char* const names[4] = {"general", "physical", "logical", "alarm"};
    const int firstBlock[4] = {0, 0, 24, 0};
    std::vector<std::string> listed = Lines(Run({"blocks", Path("a.q4g")}).out);
    ASSERT_EQ(listed.size(), 87u);
    size_t line = 0;
    for (int sheet = 0; sheet < 4; ++sheet) {
        for (int b = 0; line < listed.size() && listed[line].rfind(names[sheet], 0) == 0; ++b, ++line) {
            uint8_t held[32];
            ASSERT_TRUE(m_server.GetUnit().GetBlock(spaces[sheet], firstBlock[sheet] + b, held));
            EXPECT_EQ(listed[line], std::string(names[sheet]) + " " + std::to_string(b) + " " + q4::ToHex(held, 32));
        }
    }
    EXPECT_EQ(line, 87u);

    CliResult down = Transfer("download", "b.q4g");
    ASSERT_EQ(down.code, 0) << down.err;
    EXPECT_EQ(Lines(down.err).back(), "The download is complete: 6786 bytes moved.");
    // Delays typed as the unit reports them, ten-character texts: every cell comes back.
    CliResult diff = Run({"diff", Path("a.q4g"), Path("b.q4g")});
    EXPECT_EQ(diff.code, 0) << diff.out;
}

TEST_F(CliTransfer, AFailedBlockIsRetriedAsOftenAsAskedThenTheTransferFails)
{
    const struct {
        const char* command;
        const char* fault;
        const char* retries;
        int code;
        std::vector<std::string> failures;
    } cases[] = {
        {"upload", "checksum:@:3", "1", 0, {"Error to upload Physical Input data -> Retry"}},
        {"upload", "readback:A:47:2", "1", 1,
         {"Error to upload Alarm data -> Retry", "Error to upload Alarm data -> Cancel", "q4150cli: the upload failed"}},
        {"download", "silent:B:0", "0", 1, {"Error to download General data -> Cancel", "q4150cli: the download failed"}},
        {"download", "short:@:30:2", "2", 0,
         {"Error to download Logical Input data -> Retry", "Error to download Logical Input data -> Retry"}},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(Path("b.q4g"));
        AddFault(c.fault);
        CliResult r = Transfer(c.command, std::string(c.command) == "upload" ? "a.q4g" : "b.q4g", {"--retries", c.retries});
        EXPECT_EQ(r.code, c.code) << c.fault << "\n" << r.err;
        std::vector<std::string> failures;
        for (const std::string& l : Lines(r.err)) {
            if (l.rfind("Error", 0) == 0 || l.rfind("q4150cli", 0) == 0)
                failures.push_back(l);
        }
        EXPECT_EQ(failures, c.failures) << c.fault;
        // A retried transfer announces General again; a download writes FILE only when complete.
        EXPECT_EQ(Lines(r.err)[0], std::string(std::string(c.command) == "upload" ? "Uploading" : "Downloading") + " General data ...");
        if (std::string(c.command) == "download") {
            EXPECT_EQ(Exists(Path("b.q4g")), c.code == 0) << c.fault;
        }
    }
}

TEST_F(CliTransfer, APortThatCannotBeOpenedFailsInOneLine)
{
    CliResult r = Run({"download", Path("b.q4g"), "--port", Path("no-such-tty")});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "q4150cli: " + Path("no-such-tty") + ": Error to open com port.\n");
    EXPECT_FALSE(Exists(Path("b.q4g")));
}
