// q4150cli plant, identify and --plant --tag: a plant made and extended, its units uploaded and
// verified side by side on emulated units, a stop by SIGINT, and what the log records.
#include "CliSession.h"

#include "model/CDocumentFile.h"
#include "model/CJsonReader.h"
#include "plant/CPlantLog.h"
#include "sim/CEmulatorServer.h"
#include "unit/CQ4kUnit.h"
#include "unit/CQuietPrompt.h"

#include <csignal>
#include <memory>
#include <thread>

namespace {

class CliPlant : public CliSession {
protected:
    void SetUp() override
    {
        CliSession::SetUp();
        for (auto& server : m_servers) {
            server = std::make_unique<CEmulatorServer>(true);
            ASSERT_TRUE(server->Start());
        }
        ASSERT_EQ(Run({"plant", "new", Path("works.q4plant"), "--name", "Water works"}).code, 0);
        // The units' set-ups made here rather than by q4150cli: a process fewer each.
        for (int n = 1; n <= 4; ++n) {
            const std::string file = Path("an-" + std::to_string(n) + ".q4g");
            CQuietPrompt prompt;
            CQ4kUnit unit(prompt);
            unit.Initialize();
            ASSERT_TRUE(unit.GetSetupType(0)->ValidateData(3, 1, std::to_string(n)));
            ASSERT_TRUE(unit.GetSetupType(1)->ValidateData(1, 1, "10 V"));
            CDocumentFile document;
            q4::Status saved = document.Save(unit, file);
            ASSERT_TRUE(saved) << saved.Reason();
            ASSERT_EQ(Run({"plant", "add", Path("works.q4plant"), file, "--tag", Tag(n)}).code, 0);
        }
    }

    static std::string Tag(int n) { return "AN-" + std::to_string(n); }
    std::string Port(int n) const { return Tag(n) + "=" + m_servers[static_cast<size_t>(n - 1)]->GetSlavePath(); }

    // The plant's units 1 to count side by side, with short waits (in ms) for the emulated units
    // on a slow line setting that leaves them room to answer on a busy machine.
    std::vector<std::string> SideBySide(const char* what, int count, const char* wait = "1") const
    {
        std::vector<std::string> args = {"plant", what, Path("works.q4plant"), "--fixed-wait", wait, "--baud", "110"};
        for (int n = 1; n <= count; ++n)
            args.insert(args.end(), {"--port", Port(n)});
        return args;
    }

    std::vector<PlantLogRecord> Records(PlantAction action) const
    {
        CPlantLog::Contents log = CPlantLog(Path("works.q4plant.log")).Read();
        EXPECT_TRUE(log.warnings.empty());
        std::vector<PlantLogRecord> found;
        for (const PlantLogRecord& record : log.records) {
            if (record.action == action)
                found.push_back(record);
        }
        return found;
    }

    std::unique_ptr<CEmulatorServer> m_servers[4];
};

// The lines of a side-by-side run come as the units end: sorted here.
std::vector<std::string> Sorted(std::vector<std::string> lines)
{
    std::sort(lines.begin(), lines.end());
    return lines;
}

TEST_F(CliPlant, UnitsVerifiedSideBySideOneDiffersOneFails)
{
    CliResult up = Run(SideBySide("upload", 4));
    ASSERT_EQ(up.code, 0) << up.out << up.err;
    EXPECT_EQ(Lines(up.out).back(), "4 units, 4 uploaded");
    EXPECT_EQ(Records(PlantAction::Backup).size(), 4u);
    ASSERT_EQ(Records(PlantAction::Upload).size(), 4u);
    // What each upload changed in a blank unit, backed up in backups/TAG.
    for (const PlantLogRecord& record : Records(PlantAction::Upload)) {
        EXPECT_EQ(record.result, PlantResult::Ok);
        // The blocks the blank unit did not hold, each written once.
        EXPECT_EQ(record.blocksWritten, m_servers[std::stoul(record.tag.substr(3)) - 1]->GetWriteCount());
        EXPECT_EQ(record.blocksWritten + record.blocksHeld, 87);
        EXPECT_GT(record.blocksWritten, 40);
        EXPECT_EQ(record.backup.rfind("backups/" + record.tag + "/unit-", 0), 0u) << record.backup;
        EXPECT_TRUE(std::filesystem::exists(Path(record.backup)));
        EXPECT_NE(std::find_if(record.cells.begin(), record.cells.end(),
                               [&](const CellDifference& c) {
                                   return c.sheet == 0 && c.row == 3 && c.textA == "0" && c.textB == record.tag.substr(3);
                               }),
                  record.cells.end());
    }

    // AN-3's file changes after its upload; AN-4 no longer answers.
    ASSERT_EQ(Run({"edit", Path("an-3.q4g")}, "physical 1 5 10\n").code, 0);
    CEmulatorServer::Fault fault{};
    ASSERT_TRUE(CEmulatorServer::ParseFault("silent:B:0:1000", fault));
    m_servers[3]->AddFault(fault);
    CliResult verify = Run(SideBySide("verify", 4));
    EXPECT_EQ(verify.code, 1) << verify.err;
    std::vector<std::string> lines = Lines(verify.out);
    ASSERT_EQ(lines.size(), 6u) << verify.out;
    EXPECT_EQ(Sorted({lines.begin(), lines.begin() + 4}),
              (std::vector<std::string>{"AN-1: holds its file", "AN-2: holds its file", "AN-3: differs in 1 cell",
                                        "AN-4: failed: the read of the unit failed: Error to download General data"}));
    EXPECT_EQ(lines[4], "AN-3 physical 1 5: 10 -> 0");
    EXPECT_EQ(lines[5], "4 units, 2 hold their files, 1 differ, 1 failed");

    // Each upload's read-back verified its unit first.
    std::vector<PlantLogRecord> verifies = Records(PlantAction::Verify);
    ASSERT_EQ(verifies.size(), 8u);
    std::map<std::string, PlantResult> results;
    for (const PlantLogRecord& record : verifies)
        results[record.tag] = record.result;
    EXPECT_EQ(results, (std::map<std::string, PlantResult>{{"AN-1", PlantResult::Ok}, {"AN-2", PlantResult::Ok},
                                                          {"AN-3", PlantResult::Differs}, {"AN-4", PlantResult::Failed}}));

    // The status tells the same from the files and the log.
    CliResult status = Run({"plant", "status", Path("works.q4plant"), "--json"});
    ASSERT_EQ(status.code, 0) << status.err;
    JsonValue json = CJsonReader::Parse(status.out);
    EXPECT_EQ(json.At("plant").text, "Water works");
    std::vector<std::string> states;
    for (const JsonValue& unit : json.At("units").items) {
        // AN-4's last verify did not read the unit: its state stays what its upload's read-back found.
        const JsonValue& verified = unit.At("last_verify");
        states.push_back(unit.At("tag").text + " " + unit.At("device").text + " " + unit.At("state").text + " "
                         + unit.At("changed_since_upload").text + " "
                         + (verified.kind == JsonValue::Kind::Null ? "-" : verified.At("result").text));
    }
    EXPECT_EQ(states, (std::vector<std::string>{"AN-1 1 holds its file false ok", "AN-2 2 holds its file false ok",
                                                "AN-3 3 differs in 1 cell true differs", "AN-4 4 holds its file false ok"}));
}

TEST_F(CliPlant, SigintStopsEveryUploadAndSaysHowFarEachGot)
{
    int writes[2] = {m_servers[0]->GetWriteCount(), m_servers[1]->GetWriteCount()};
    pid_t pid = Start(SideBySide("upload", 2, "5"));  // waits long enough to stop it half way
    for (int i = 0; i < 10000 && (m_servers[0]->GetWriteCount() < writes[0] + 10 || m_servers[1]->GetWriteCount() < writes[1] + 10); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ::kill(pid, SIGINT);
    CliResult r = Wait(pid);
    EXPECT_EQ(r.code, 130) << r.err;
    std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u) << r.out;
    const std::vector<std::string> ended = Sorted({lines.begin(), lines.begin() + 2});
    for (int n = 1; n <= 2; ++n) {
        int written = m_servers[static_cast<size_t>(n - 1)]->GetWriteCount() - writes[n - 1];
        EXPECT_GE(written, 10);
        EXPECT_LT(written, 87);
        const std::string& line = ended[static_cast<size_t>(n - 1)];
        const std::string head = Tag(n) + ": stopped by SIGINT: the upload was stopped after ";
        const std::string tail = "; the unit now holds a partly written set-up (" + std::to_string(written)
                                 + " of 87 blocks written)";
        EXPECT_EQ(line.substr(0, head.size()), head);
        EXPECT_GE(line.size(), tail.size());
        EXPECT_EQ(line.substr(line.size() - std::min(line.size(), tail.size())), tail);
    }
    EXPECT_EQ(lines[2], "2 units, 2 stopped");
    std::vector<PlantLogRecord> uploads = Records(PlantAction::Upload);
    ASSERT_EQ(uploads.size(), 2u);
    for (const PlantLogRecord& record : uploads)
        EXPECT_EQ(record.result, PlantResult::Stopped);
}

// A record that cannot be written fails the command once its transfer is done: the unit is
// written or read all the same, and the log is named with the reason.
TEST_F(CliPlant, ALogThatCannotBeWrittenFailsTheCommandAfterItsTransfer)
{
    std::filesystem::create_directory(Path("works.q4plant.log"));
    const std::string port = m_servers[0]->GetSlavePath();
    const std::vector<std::string> options = {"--port", port, "--fixed-wait", "1", "--baud", "110"};
    auto with = [&options](std::vector<std::string> args) {
        args.insert(args.end(), options.begin(), options.end());
        return args;
    };
    const std::string why = "cannot write " + Path("works.q4plant.log") + ": Is a directory";
    const std::vector<std::string> commands[] = {
        with({"upload", Path("an-1.q4g"), "--plant", Path("works.q4plant"), "--tag", "AN-1"}),
        with({"verify", Path("an-1.q4g"), "--plant", Path("works.q4plant"), "--tag", "AN-1"}),
        with({"identify", "--plant", Path("works.q4plant")}),
        {"plant", "verify", Path("works.q4plant"), "--fixed-wait", "1", "--baud", "110", "--port", "AN-1=" + port},
    };
    for (const auto& args : commands) {
        SCOPED_TRACE(args[0] + " " + args[1]);
        CliResult r = Run(args);
        EXPECT_EQ(r.code, 1) << r.err;
        EXPECT_NE(r.err.find(why), std::string::npos) << r.err;
    }
    // The upload went through: the unit holds the file.
    std::filesystem::remove(Path("works.q4plant.log"));
    CliResult verify = Run(with({"verify", Path("an-1.q4g")}));
    EXPECT_EQ(verify.code, 0) << verify.out;
}

TEST_F(CliPlant, IdentifyAndSingleUnitCommandsLogAsTheUnit)
{
    const std::string port = m_servers[1]->GetSlavePath();
    const std::vector<std::string> options = {"--port", port, "--fixed-wait", "1", "--baud", "110"};
    auto with = [&options](std::vector<std::string> args) {
        args.insert(args.end(), options.begin(), options.end());
        return args;
    };
    CliResult up = Run(with({"upload", Path("an-2.q4g"), "--plant", Path("works.q4plant"), "--tag", "AN-2"}));
    ASSERT_EQ(up.code, 0) << up.err;
    ASSERT_EQ(Records(PlantAction::Backup).size(), 1u);
    ASSERT_EQ(Records(PlantAction::Upload).size(), 1u);
    EXPECT_EQ(Records(PlantAction::Upload)[0].backup, Records(PlantAction::Backup)[0].backup);
    EXPECT_EQ(Records(PlantAction::Upload)[0].tag, "AN-2");
    EXPECT_EQ(Run(with({"verify", Path("an-2.q4g"), "--plant", Path("works.q4plant"), "--tag", "AN-2"})).code, 0);
    // The upload's read-back, then the verify.
    ASSERT_EQ(Records(PlantAction::Verify).size(), 2u);
    EXPECT_EQ(Records(PlantAction::Verify)[1].result, PlantResult::Ok);
    EXPECT_EQ(Records(PlantAction::Verify)[1].reason, "");

    // Identify by number; then AN-5 with AN-2's set-up makes the number ambiguous.
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{"identify"}, 0, "device 2\n"},
        {{"identify", "--plant", Path("works.q4plant")}, 0, "AN-2: device 2\n"},
    };
    for (const auto& [args, code, out] : cases) {
        CliResult r = Run(with(args));
        EXPECT_EQ(r.code, code) << r.err;
        EXPECT_EQ(r.out, out);
    }
    std::filesystem::copy_file(Path("an-2.q4g"), Path("an-5.q4g"));
    ASSERT_EQ(Run({"plant", "add", Path("works.q4plant"), Path("an-5.q4g"), "--tag", "AN-5"}).err,
              "q4150cli: AN-2 and AN-5 are both device 2\n");
    CliResult ambiguous = Run(with({"identify", "--plant", Path("works.q4plant")}));
    EXPECT_EQ(ambiguous.code, 1);
    EXPECT_EQ(ambiguous.out, "device 2: several units of " + Path("works.q4plant")
                                 + " have this number; closest: AN-2 and AN-5, 0 cells differ\n");
    std::vector<PlantLogRecord> identified = Records(PlantAction::Identify);
    ASSERT_EQ(identified.size(), 2u);
    EXPECT_EQ(std::tie(identified[0].tag, identified[0].result), std::make_tuple("AN-2", PlantResult::Named));
    EXPECT_EQ(identified[1].result, PlantResult::Ambiguous);

    // Usage errors write nothing and move nothing.
    const std::vector<std::string> refused[] = {
        with({"verify", Path("an-2.q4g"), "--plant", Path("works.q4plant")}),
        with({"verify", Path("an-2.q4g"), "--plant", Path("works.q4plant"), "--tag", "AN-9"}),
        {"plant", "verify", Path("works.q4plant"), "--port", "AN-9=" + port},
        {"plant", "verify", Path("works.q4plant"), "--port", "AN-1=" + port, "--port", "AN-2=" + port},
        {"plant", "add", Path("works.q4plant"), Path("an-1.q4g"), "--tag", "AN-1"},
        {"plant", "new", Path("works.q4plant")},
    };
    int requests = m_servers[1]->GetRequestCount();
    for (const auto& args : refused) {
        CliResult r = Run(args);
        EXPECT_EQ(r.code, 2) << args[1] << ' ' << r.err;
    }
    EXPECT_EQ(m_servers[1]->GetRequestCount(), requests);
}

}  // namespace
