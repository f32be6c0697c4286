// q4150cli blocks, upload and download: whole transfers through an emulated unit on a pty,
// the blocks of a document against what reached the unit, retries and failures.
#include "CliSession.h"

#include "link/CZTSerial.h"
#include "model/CDocumentFile.h"
#include "support/RecordingPrompt.h"
#include "unit/CQ4kUnit.h"
#include "model/HexText.h"
#include "sim/CEmulatorServer.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <unistd.h>

class CliTransfer : public CliSession {
protected:
    // How many of a document's blocks differ from a blank unit's zeros, as blocks lists them.
    int BlocksNotZero(const std::string& file)
    {
        int count = 0;
        for (const std::string& line : Lines(Run({"blocks", Path(file)}).out))
            count += line.substr(line.rfind(' ') + 1) != std::string(64, '0');
        return count;
    }

    void SetUp() override
    {
        CliSession::SetUp();
        ASSERT_TRUE(m_server.Start());
    }

    // Short fixed waits for the emulated unit, on a slow line setting whose long quiet time
    // leaves it room to answer on a busy machine (the pty ignores the rate).
    CliResult Transfer(const std::string& command, const std::string& file, const std::string& retries = "0")
    {
        return Run({command, Path(file), "--port", m_server.GetSlavePath(), "--fixed-wait", "5", "--baud", "110",
                    "--retries", retries});
    }

    CEmulatorServer m_server{true};
};

TEST_F(CliTransfer, UploadSendsTheListedBlocksAndDownloadBringsTheSetUpBack)
{
    ASSERT_EQ(Run({"edit", Path("a.q4g")}, "general 3 1 12\ngeneral 11 1 +REF\ngeneral 14 1 2.5\n"
                                           "physical 1 1 10 V\nphysical 1 2 bar\nphysical 1 5 10\nphysical 1 6 250\n"
                                           "logical 1 1 IN 11\n"
                                           "alarm 1 1 IN 11\nalarm 1 4 50\nalarm 1 5 TANK LEVEL\nalarm 1 6 0.300\n"
                                           "alarm 1 9 BH\nalarm 2 1 LOG1\nalarm 2 5 LOG1 ALARM\nalarm 2 6 12\n").code, 0);
    CliResult up = Transfer("upload", "a.q4g");
    ASSERT_EQ(up.code, 0) << up.err;
    EXPECT_EQ(up.out, "");
    // The General blocks are read first to tell which unit it is, then merged without reading
    // them again; the blank unit's zero blocks are not written.
    std::vector<std::string> said = Lines(up.err);
    // What the checks find comes first (the alarms light no LED); the upload goes on.
    ASSERT_EQ(said.front().rfind("q4150cli: the checks find in " + Path("a.q4g") + ": ", 0), 0u) << up.err;
    said.erase(said.begin(), std::find(said.begin(), said.end(), "Downloading General data ..."));
    ASSERT_EQ(said.size(), 6u) << up.err;
    EXPECT_EQ(std::vector<std::string>(said.begin(), said.end() - 1),
              (std::vector<std::string>{"Downloading General data ...", "Uploading General data ...",
                                        "Uploading Physical Input data ...", "Uploading Logical Input data ...",
                                        "Uploading Alarm data ..."}));
    const int written = BlocksNotZero("a.q4g");
    EXPECT_EQ(said.back().substr(0, said.back().find(';')), "The upload is complete: " + std::to_string(written)
                                                                 + " blocks written, " + std::to_string(87 - written)
                                                                 + " held already");
    EXPECT_EQ(m_server.GetWriteCount(), written);

    // The unit holds what blocks lists, in transfer order, the General blocks included (the
    // blank unit's reserved constants are zero as well).
    const std::tuple<const char*, CUnitEmulator::BlockSpace, int> sheets[4] = {
        {"general", CUnitEmulator::BlockSpace::General, 0}, {"physical", CUnitEmulator::BlockSpace::Input, 0},
        {"logical", CUnitEmulator::BlockSpace::Input, 24}, {"alarm", CUnitEmulator::BlockSpace::Alarm, 0}};
    std::vector<std::string> listed = Lines(Run({"blocks", Path("a.q4g")}).out);
    ASSERT_EQ(listed.size(), 87u);
    size_t line = 0;
    for (const auto& [name, space, first] : sheets) {
        for (int b = 0; line < listed.size() && listed[line].rfind(name, 0) == 0; ++b, ++line) {
            uint8_t held[32];
            ASSERT_TRUE(m_server.GetUnit().GetBlock(space, first + b, held));
            EXPECT_EQ(listed[line], std::string(name) + " " + std::to_string(b) + " " + q4::ToHex(held, 32));
        }
    }
    EXPECT_EQ(line, 87u);
    EXPECT_EQ(Lines(Run({"blocks", Path("a.q4g"), "--sheet", "logical"}).out),
              std::vector<std::string>(listed.begin() + 32, listed.begin() + 39));

    CliResult down = Transfer("download", "b.q4g");
    ASSERT_EQ(down.code, 0) << down.err;
    EXPECT_EQ(Lines(down.err).back(), "The download is complete: 6786 bytes moved.");
    // Delays typed as the unit reports them, ten-character texts: every cell comes back.
    CliResult diff = Run({"diff", Path("a.q4g"), Path("b.q4g")});
    EXPECT_EQ(diff.code, 0) << diff.out;
}

TEST_F(CliTransfer, AFailedBlockIsRetriedAsOftenAsAskedThenTheTransferFails)
{
    const std::tuple<std::string, const char*, const char*, int, std::vector<std::string>> cases[] = {
        {"upload", "checksum:@:3", "1", 0, {"Error to upload Physical Input data -> Retry"}},
        // The unit holds the set-up but for the block whose replies are spoiled: each pass reads
        // it to compare it, writes it and reads it back.
        {"upload", "readback:A:47:4", "1", 1,
         {"Error to upload Alarm data -> Retry", "Error to upload Alarm data -> Cancel",
          "q4150cli: the upload failed: Error to upload Alarm data; the unit now holds a partly written set-up (1 of "
          "87 blocks written); upload the whole set-up before the unit is used"}},
        {"download", "silent:B:0", "0", 1,
         {"Error to download General data -> Cancel", "q4150cli: the download failed: Error to download General data"}},
        {"download", "short:@:30:2", "2", 0,
         {"Error to download Logical Input data -> Retry", "Error to download Logical Input data -> Retry"}},
    };
    for (const auto& [command, fault, retries, code, expected] : cases) {
        SCOPED_TRACE(fault);
        std::filesystem::remove(Path("b.q4g"));
        CEmulatorServer::Fault parsed{};
        ASSERT_TRUE(CEmulatorServer::ParseFault(fault, parsed));
        m_server.AddFault(parsed);
        const bool upload = command == "upload";
        CliResult r = Transfer(command, upload ? "a.q4g" : "b.q4g", retries);
        EXPECT_EQ(r.code, code) << r.err;
        std::vector<std::string> failures;
        for (const std::string& l : Lines(r.err)) {
            if (l.rfind("Error", 0) == 0 || l.rfind("q4150cli", 0) == 0)
                failures.push_back(l);
        }
        EXPECT_EQ(failures, expected);
        // A retried transfer announces General again; a download writes FILE only when complete.
        EXPECT_EQ(Lines(r.err)[upload ? 1 : 0], std::string(upload ? "Uploading" : "Downloading") + " General data ...");
        EXPECT_EQ(std::filesystem::exists(Path("b.q4g")), !upload && code == 0);
    }
    std::filesystem::remove(Path("b.q4g"));  // so does one on a port that cannot be opened
    CliResult r = Run({"download", Path("b.q4g"), "--port", Path("no-such-tty")});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "q4150cli: Error to open com port. " + Path("no-such-tty") + ": No such file or directory\n");
    EXPECT_FALSE(std::filesystem::exists(Path("b.q4g")));

    CZTSerial holder;  // another program holds the port
    ASSERT_NE(holder.OpenCommPort(m_server.GetSlavePath()), CZTSerial::INVALID_PORT);
    r = Transfer("download", "b.q4g");
    EXPECT_EQ(r.code, 1);
    const std::string prefix = "q4150cli: Error to open com port. " + m_server.GetSlavePath() + ": the port is in use by ";
    EXPECT_TRUE(r.err == prefix + "test_cli (process " + std::to_string(getpid()) + ")\n"
                || r.err == prefix + "another program\n")
        << r.err;
}

TEST_F(CliTransfer, VerifyComparesWhatAnUploadWouldLeaveAndABackupKeepsWhatTheUnitHeld)
{
    ASSERT_EQ(Run({"edit", Path("a.q4g")}, "general 3 1 12\nphysical 1 1 10 V\nphysical 1 5 10\nphysical 1 6 100\n"
                                           "alarm 1 1 IN 11\nalarm 1 4 5\nalarm 1 6 0.3\n").code, 0);
    ASSERT_EQ(Transfer("upload", "a.q4g").code, 0);
    // A constant the document does not hold, and numbers the unit gives back in its own way
    // (" 0", "0.300"), are no difference.
    uint8_t general[32];
    ASSERT_TRUE(m_server.GetUnit().GetBlock(CUnitEmulator::BlockSpace::General, 7, general));
    general[31] = 0x5A;
    ASSERT_TRUE(m_server.GetUnit().SetBlock(CUnitEmulator::BlockSpace::General, 7, general));
    CliResult same = Transfer("verify", "a.q4g");
    EXPECT_EQ(same.code, 0) << same.out;
    EXPECT_EQ(Lines(same.err).back(), "The unit holds this set-up.");

    std::filesystem::copy_file(Path("a.q4g"), Path("b.q4g"));
    ASSERT_EQ(Run({"edit", Path("b.q4g")}, "general 3 1 44\nalarm 1 4 7.5\n").code, 0);
    CliResult differs = Transfer("verify", "b.q4g");
    EXPECT_EQ(differs.code, 1);
    EXPECT_EQ(differs.out, "general 3 1: 44 -> 12\nalarm 1 4: 7.5 -> 5\n");
    EXPECT_EQ(Lines(differs.err).back(), "The unit differs from this set-up in 2 cells.");

    // The unit is device 12, b.q4g is for device 44: nothing is written unless forced.
    std::vector<std::string> upload = {"upload", Path("b.q4g"), "--backup", Path("held.q4g"), "--port",
                                       m_server.GetSlavePath(), "--fixed-wait", "5", "--baud", "110"};
    int writes = m_server.GetWriteCount();
    CliResult other = Run(upload);
    EXPECT_EQ(other.code, 1);
    EXPECT_EQ(Lines(other.err).back(),
              "q4150cli: the unit is device 12, " + Path("b.q4g") + " is for device 44; --force uploads anyway");
    EXPECT_EQ(m_server.GetWriteCount(), writes);
    upload.push_back("--force");
    CliResult up = Run(upload);
    ASSERT_EQ(up.code, 0) << up.err;
    // The General blocks are read once, checked by the backup's; only the blocks of the two
    // cells that differ are written.
    EXPECT_EQ(Lines(up.err).back().substr(0, 59), "The upload is complete: 2 blocks written, 85 held already; ");
    EXPECT_EQ(Transfer("verify", "b.q4g").code, 0);
    EXPECT_EQ(Transfer("verify", "held.q4g").out, "general 3 1: 12 -> 44\nalarm 1 4: 5 -> 7.5\n");
    // Without a backup the unit's General blocks say which unit it is.
    writes = m_server.GetWriteCount();
    CliResult back = Transfer("upload", "a.q4g");
    EXPECT_EQ(back.code, 1);
    EXPECT_EQ(Lines(back.err).back(),
              "q4150cli: the unit is device 44, " + Path("a.q4g") + " is for device 12; --force uploads anyway");
    EXPECT_EQ(m_server.GetWriteCount(), writes);

    // A backup or a verification that cannot read the unit writes nothing to it.
    const std::tuple<std::vector<std::string>, int, const char*> failures[] = {
        {{"upload", Path("a.q4g"), "--backup", Path("none.q4g")}, 1,
         "q4150cli: the backup failed: Error to download General data; nothing was written to the unit"},
        {{"verify", Path("a.q4g")}, 2, "q4150cli: the read of the unit failed: Error to download General data"},
    };
    for (const auto& [args, code, last] : failures) {
        CEmulatorServer::Fault fault{};
        ASSERT_TRUE(CEmulatorServer::ParseFault("silent:B:0", fault));
        m_server.AddFault(fault);
        int writes = m_server.GetWriteCount();
        std::vector<std::string> all = args;
        all.insert(all.end(), {"--port", m_server.GetSlavePath(), "--fixed-wait", "5", "--baud", "110"});
        CliResult r = Run(all);
        EXPECT_EQ(r.code, code) << r.err;
        EXPECT_EQ(Lines(r.err).back(), last);
        EXPECT_EQ(m_server.GetWriteCount(), writes);
    }
    EXPECT_FALSE(std::filesystem::exists(Path("none.q4g")));
}

// The failure names the reason; verify's failed download is an error of its own (2).
TEST_F(CliTransfer, AUnitThatGoesAwayEndsTheTransferWithinTwoSecondsAndSaysWhy)
{
    const std::string gone = "the port went away: Input/output error";
    const std::tuple<const char*, int, std::string> cases[] = {
        {"upload", 1, "q4150cli: the upload failed: " + gone + "; the unit now holds a partly written set-up ("},
        {"download", 1, "q4150cli: the download failed: " + gone},
        {"verify", 2, "q4150cli: the read of the unit failed: " + gone},
    };
    for (const auto& [command, code, message] : cases) {
        SCOPED_TRACE(command);
        ASSERT_TRUE(m_server.Start());
        std::chrono::steady_clock::time_point stopped;
        int before = m_server.GetRequestCount();
        std::thread killer([this, &stopped, before] {
            while (m_server.GetRequestCount() < before + 12)
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            m_server.Stop();
            stopped = std::chrono::steady_clock::now();
        });
        CliResult r = Transfer(command, command == std::string("download") ? "b.q4g" : "a.q4g", "3");
        auto ended = std::chrono::steady_clock::now();
        killer.join();
        EXPECT_EQ(r.code, code) << r.err;
        EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(ended - stopped).count(), 2000);
        EXPECT_EQ(Lines(r.err).back().substr(0, message.size()), message);
    }
}

// q4000sim killed mid-upload: exit 1, the reason, and how much of the set-up reached the unit.
TEST_F(CliTransfer, AnUploadCutOffByAKilledUnitNamesTheReasonAndThePartlyWrittenSetUp)
{
    FILE* sim = ::popen("echo $$; exec '" Q4000SIM_PATH "' --blank", "r");
    ASSERT_TRUE(sim);
    char line[256] = "";
    pid_t simPid = std::fgets(line, sizeof line, sim) ? std::atoi(line) : 0;
    std::string pty = std::fgets(line, sizeof line, sim) ? std::string(line, std::strcspn(line, "\n")) : "";
    ASSERT_GT(simPid, 0);
    ASSERT_EQ(pty.rfind("PTY ", 0), 0u) << pty;
    pty.erase(0, 4);

    pid_t cli = Start({"upload", Path("a.q4g"), "--port", pty, "--fixed-wait", "5", "--all-blocks"});
    // General is written once the physical inputs start.
    for (int i = 0; i < 5000 && ReadBytes(Path(".stderr")).find("Physical Input") == std::string::npos; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ::kill(simPid, SIGKILL);
    ::pclose(sim);
    CliResult r = Wait(cli);
    EXPECT_EQ(r.code, 1) << r.err;
    const std::string head = "q4150cli: the upload failed: the port went away: Input/output error; the unit now "
                             "holds a partly written set-up (";
    const std::string tail = " of 87 blocks written); upload the whole set-up before the unit is used";
    const std::string last = Lines(r.err).empty() ? "" : Lines(r.err).back();
    ASSERT_EQ(last.substr(0, head.size()), head) << r.err;
    ASSERT_GT(last.size(), head.size() + tail.size());
    EXPECT_EQ(last.substr(last.size() - tail.size()), tail);
    EXPECT_GE(std::atoi(last.c_str() + head.size()), 8);
}

TEST_F(CliTransfer, ASignalStopsAfterTheBlockInFlightAndSaysHowFarTheUploadGot)
{
    std::vector<std::string> listed = Lines(Run({"blocks", Path("a.q4g")}).out);
    const std::tuple<int, int, const char*> cases[] = {{SIGINT, 130, "SIGINT"}, {SIGTERM, 143, "SIGTERM"}};
    for (const auto& [signal, code, name] : cases) {
        SCOPED_TRACE(name);
        m_server.GetUnit().Reset(true);
        int writes = m_server.GetWriteCount();
        // The slow line setting leaves a busy machine room to answer before the line counts as quiet.
        pid_t pid = Start({"upload", Path("a.q4g"), "--port", m_server.GetSlavePath(), "--fixed-wait", "5", "--baud",
                           "110", "--all-blocks"});
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (m_server.GetWriteCount() < writes + 10 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        kill(pid, signal);
        CliResult r = Wait(pid);
        EXPECT_EQ(r.code, code) << r.err;
        int written = m_server.GetWriteCount() - writes;
        EXPECT_EQ(Lines(r.err).back(), std::string("q4150cli: stopped by ") + name
                                           + ": the unit now holds a partly written set-up (" + std::to_string(written)
                                           + " of 87 blocks written); upload the whole set-up before the unit is used");
        // The blocks before the stop are the document's, the rest as the unit held them.
        const CUnitEmulator::BlockSpace spaces[4] = {CUnitEmulator::BlockSpace::General, CUnitEmulator::BlockSpace::Input,
                                                      CUnitEmulator::BlockSpace::Input, CUnitEmulator::BlockSpace::Alarm};
        const int firsts[4] = {0, 0, 24, 0}, counts[4] = {8, 24, 7, 48};
        int index = 0;
        for (int sheet = 0; sheet < 4; ++sheet) {
            for (int b = 0; b < counts[sheet]; ++b, ++index) {
                uint8_t held[32];
                ASSERT_TRUE(m_server.GetUnit().GetBlock(spaces[sheet], firsts[sheet] + b, held));
                const std::string& line = listed[static_cast<size_t>(index)];
                EXPECT_EQ(q4::ToHex(held, 32), index < written ? line.substr(line.rfind(' ') + 1) : std::string(64, '0'))
                    << "block " << index;
            }
        }
    }
}

// A document an older version wrote with texts no number cell takes now: the upload names each
// cell and what the unit will hold (--strict writes nothing), and verify finds them all, though
// the unit's blocks are the document's.
TEST_F(CliTransfer, TextsTheUnitCannotHoldAreNamedBeforeUploadAndByVerify)
{
    RecordingPrompt prompt;
    CQ4kUnit legacy(prompt);
    legacy.Initialize();
    const std::tuple<int, int, int, const char*> edits[] = {
        {1, 1, 1, "10 V"}, {1, 1, 4, "xyz"}, {1, 1, 6, "12abc"}, {1, 1, 7, "-"},
        {3, 1, 1, "IN 11"}, {3, 1, 4, "abc"}, {3, 1, 6, "2,5"}, {0, 3, 1, "12x"},
    };
    for (const auto& [sheet, row, col, text] : edits)
        ASSERT_TRUE(legacy.GetSetupType(sheet)->ValidateData(row, col, text)) << text;
    CDocumentFile file;
    q4::Status saved = file.Save(legacy, Path("t.q4g"));
    ASSERT_TRUE(saved) << saved.Reason();
    const std::string named = "q4150cli: the unit cannot hold 6 cells of " + Path("t.q4g") +
                              " as written; it will hold:\n"
                              "general 3 1: 12x -> 12\nphysical 1 4: xyz -> 0\nphysical 1 6: 12abc -> 12\n"
                              "physical 1 7: - -> 0\nalarm 1 4: abc -> 0\nalarm 1 6: 2,5 -> 2\n";

    CliResult strict = Run({"upload", Path("t.q4g"), "--strict", "--port", m_server.GetSlavePath()});
    EXPECT_EQ(strict.code, 1);
    // The cells first, then what the checks find in the set-up.
    EXPECT_EQ(strict.err.substr(0, named.size()), named);
    EXPECT_EQ(strict.err.find("q4150cli: the checks find in " + Path("t.q4g") + ": "), named.size()) << strict.err;
    EXPECT_EQ(Lines(strict.err).back(), "q4150cli: --strict: nothing was written to the unit");
    EXPECT_EQ(m_server.GetWriteCount(), 0);

    CliResult up = Transfer("upload", "t.q4g");
    EXPECT_EQ(up.code, 0) << up.err;
    EXPECT_EQ(up.err.substr(0, named.size()), named);
    CliResult verify = Transfer("verify", "t.q4g");
    EXPECT_EQ(verify.code, 1);
    EXPECT_EQ(verify.out, named.substr(named.find('\n') + 1));
    EXPECT_EQ(Lines(verify.err).back(), "The unit differs from this set-up in 6 cells.");
}

// What comes back is what the unit holds: a set point left beyond a display range narrowed after
// it was set, and a delay of 2.5 s, come back as the unit holds them, so the download uploads the
// same blocks; the set point is named as the sheets refuse it typed. A code the program does not
// know is named, and --strict then writes nothing.
TEST_F(CliTransfer, ADownloadShowsWhatTheUnitHoldsAndNamesWhatItCannot)
{
    ASSERT_EQ(Run({"edit", Path("a.q4g")}, "physical 1 1 10 V\nphysical 1 5 10\nphysical 1 6 100\nalarm 1 1 IN 11\n"
                                           "alarm 1 4 5\nphysical 1 4 10\nalarm 1 6 2.5\n").code, 0);
    // The set point beyond the range is what the checks find; the upload goes on.
    CliResult up = Run({"upload", Path("a.q4g"), "--port", m_server.GetSlavePath(), "--fixed-wait", "5"});
    ASSERT_EQ(up.code, 0) << up.err;
    EXPECT_NE(up.err.find("error setpoint-outside-range alarm 1 4: "), std::string::npos) << up.err;

    CliResult down = Transfer("download", "b.q4g");
    ASSERT_EQ(down.code, 0) << down.err;
    EXPECT_EQ(Lines(down.err)[4], "q4150cli: " + Path("b.q4g") + " does not show 1 value of the unit as the sheets take it "
                                  "(the unit's value first, then " + Path("b.q4g") + "'s):");
    EXPECT_EQ(Lines(down.err)[5], "alarm 1 4: 5 -> 5 (outside the range of IN 11, 10 to 100: the sheets refuse it as typed)");
    EXPECT_EQ(Run({"diff", Path("a.q4g"), Path("b.q4g")}).out, "");
    EXPECT_EQ(Run({"blocks", Path("b.q4g")}).out, Run({"blocks", Path("a.q4g")}).out);

    uint8_t physical[32];
    ASSERT_TRUE(m_server.GetUnit().GetBlock(CUnitEmulator::BlockSpace::Input, 0, physical));
    physical[0] = 0x59;
    ASSERT_TRUE(m_server.GetUnit().SetBlock(CUnitEmulator::BlockSpace::Input, 0, physical));
    std::vector<std::string> args = {"download", Path("c.q4g"), "--strict", "--port", m_server.GetSlavePath(),
                                     "--fixed-wait", "5", "--baud", "110"};
    CliResult refused = Run(args);
    EXPECT_EQ(refused.code, 1);
    const std::vector<std::string> lines = Lines(refused.err);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "physical 1 1: code 89 -> OFF (a code the program does not know)"),
              lines.end()) << refused.err;
    EXPECT_NE(std::find(lines.begin(), lines.end(), "alarm 1 1: IN 11 -> OFF"), lines.end()) << refused.err;
    EXPECT_EQ(lines.back(), "q4150cli: --strict: " + Path("c.q4g") + " was not written");
    EXPECT_FALSE(std::filesystem::exists(Path("c.q4g")));
    args.erase(args.begin() + 2);
    EXPECT_EQ(Run(args).code, 0);
    EXPECT_TRUE(std::filesystem::exists(Path("c.q4g")));
}

// A file's texts the unit cannot hold, whatever damaged them (a flipped byte in an alarm's input
// reference, a zero byte in an LCD text): show and upload name them, --strict writes nothing,
// and verify counts them although the unit holds the blocks the upload wrote.
TEST_F(CliTransfer, AFilesTextsTheUnitCannotHoldAreNamedLikeTypedOnes)
{
    ASSERT_EQ(Run({"edit", Path("a.q4g")}, "physical 1 1 10 V\nphysical 1 5 10\nphysical 1 6 100\nalarm 1 1 IN 11\n"
                                           "alarm 1 4 50\nalarm 2 1 IN 11\nalarm 2 5 AB\\x00CD\n").code, 0);
    // One flipped bit: the first "IN 11" after the alarm sheet's heading is A11's input reference.
    std::string bytes = ReadBytes(Path("a.q4g"));
    const size_t alarms = bytes.find("Alarms");
    const size_t reference = bytes.find("IN 11", alarms);
    ASSERT_NE(reference, std::string::npos);
    bytes[reference] = 'i';
    std::ofstream(Path("d.q4g"), std::ios::binary) << bytes;
    // The alarm the unit holds as off loses its set point as well.
    const std::string named = "q4150cli: the unit cannot hold 3 cells of " + Path("d.q4g") + " as written; it will hold:\n"
                              "alarm 1 1: iN 11 -> OFF\nalarm 1 4: 50 -> 0\nalarm 2 5: AB\\x00CD -> AB        \n";

    CliResult show = Run({"show", Path("d.q4g"), "--sheet", "alarm"});
    EXPECT_EQ(show.code, 0);
    EXPECT_NE(show.out.find("iN 11"), std::string::npos);
    EXPECT_EQ(show.err, named);

    CliResult strict = Run({"upload", Path("d.q4g"), "--strict", "--port", m_server.GetSlavePath()});
    EXPECT_EQ(strict.code, 1);
    EXPECT_EQ(strict.err.substr(0, named.size()), named);
    EXPECT_EQ(Lines(strict.err).back(), "q4150cli: --strict: nothing was written to the unit");
    EXPECT_EQ(m_server.GetWriteCount(), 0);
    ASSERT_EQ(Transfer("upload", "d.q4g").code, 0);
    CliResult verify = Transfer("verify", "d.q4g");
    EXPECT_EQ(verify.code, 1);
    EXPECT_EQ(verify.out, named.substr(named.find('\n') + 1));
}

// One spoiled reply of any kind, once, is put right by one Retry: a Retry reads the unit again,
// and a General block read otherwise than the backup or the reading of General had it is read
// a second time rather than failing every pass. The unit ends up holding the file.
TEST_F(CliTransfer, OneSpoiledReplyOfAnyKindIsPutRightByOneRetry)
{
    ASSERT_EQ(Run({"edit", Path("a.q4g")}, "general 3 1 12\nphysical 1 1 10 V\nalarm 1 1 IN 11\nalarm 1 6 2.5\n").code, 0);
    const std::string wanted = Run({"blocks", Path("a.q4g")}).out;
    const std::tuple<const char*, bool> cases[] = {
        {"readback:B:3:1", false}, {"readback:B:3:1", true}, {"silent:B:3:1", false}, {"short:B:3:1", true},
        {"checksum:B:3:1", false}, {"late:B:3:1", false}, {"stray:B:3:1", true},
    };
    for (const auto& [fault, backup] : cases) {
        SCOPED_TRACE(std::string(fault) + (backup ? " with a backup" : ""));
        m_server.GetUnit().Reset(true);
        CEmulatorServer::Fault parsed{};
        ASSERT_TRUE(CEmulatorServer::ParseFault(fault, parsed));
        m_server.AddFault(parsed);
        std::vector<std::string> args = {"upload", Path("a.q4g"), "--port", m_server.GetSlavePath(), "--fixed-wait",
                                         "5", "--baud", "110", "--retries", "1"};
        if (backup)
            args.insert(args.end(), {"--backup", Path("held.q4g")});
        CliResult r = Run(args);
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(Lines(r.err).back(), "The upload is complete: " + Lines(r.err).back().substr(24));
        // The unit holds what blocks lists (its reserved constants zero, as blocks has them).
        std::string held;
        const std::pair<const char*, CUnitEmulator::BlockSpace> sheets[] = {
            {"general", CUnitEmulator::BlockSpace::General}, {"physical", CUnitEmulator::BlockSpace::Input},
            {"logical", CUnitEmulator::BlockSpace::Input}, {"alarm", CUnitEmulator::BlockSpace::Alarm}};
        const int counts[] = {8, 24, 7, 48};
        for (int s = 0; s < 4; ++s) {
            for (int b = 0; b < counts[s]; ++b) {
                uint8_t block[32];
                ASSERT_TRUE(m_server.GetUnit().GetBlock(sheets[s].second, (s == 2 ? 24 : 0) + b, block));
                held += std::string(sheets[s].first) + " " + std::to_string(b) + " " + q4::ToHex(block, 32) + "\n";
            }
        }
        EXPECT_EQ(held, wanted);
    }
}
