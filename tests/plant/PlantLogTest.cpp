// The plant log: records read back as written, damaged lines skipped, appends of two processes
// at once never torn, and the time with its zone.
#include "PlantFixture.h"

#include "plant/CPlantLog.h"

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using PlantLog = PlantFixture;

PlantLogRecord UploadRecord(const std::string& tag, int cells)
{
    PlantLogRecord record;
    CPlantLog::Stamp(record);
    record.tag = tag;
    record.device = 3;
    record.action = PlantAction::Upload;
    record.port = "/dev/ttyUSB0";
    record.sha256 = std::string(64, 'a');
    record.blocksWritten = 87;
    record.backup = "backups/" + tag + "/unit-2024-05-02-140322.q4g";
    for (int i = 0; i < cells; ++i)
        record.cells.push_back({3, i + 1, 5, false, "Alarm", "  " + std::to_string(i + 1) + " (A1)", "LCD Text  ",
                                "TANK \xB1" + std::to_string(i), "PUMP \"" + std::to_string(i) + "\""});
    return record;
}

TEST_F(PlantLog, RecordsReadBackAsWritten)
{
    CPlantLog log(Path("w.q4plant.log"));
    EXPECT_TRUE(log.Read().records.empty());  // not there yet: nothing, and no warning
    EXPECT_TRUE(log.Read().warnings.empty());

    PlantLogRecord upload = UploadRecord("AN-101", 2);
    upload.cells.push_back({3, 1, 1, true, "Alarm", "1 (A1)", "Latch", "OFF", "ON"});
    PlantLogRecord verify;
    verify.tag = "AN-102";
    verify.action = PlantAction::Verify;
    verify.result = PlantResult::Differs;
    verify.cells.push_back({0, 3, 1, false, "General", "Device Number", "Selections", "44", "12"});
    PlantLogRecord identify;
    identify.action = PlantAction::Identify;
    identify.result = PlantResult::NotFound;
    identify.reason = "closest: AN-103, 4 cells differ";
    for (const PlantLogRecord* record : {&upload, &verify, &identify}) {
        q4::Status appended = log.Append(*record);
        ASSERT_TRUE(appended) << appended.Reason();
    }

    CPlantLog::Contents read = log.Read();
    EXPECT_TRUE(read.warnings.empty());
    ASSERT_EQ(read.records.size(), 3u);
    const PlantLogRecord& back = read.records[0];
    EXPECT_EQ(std::tie(back.time, back.user, back.host, back.tag, back.device, back.port, back.sha256, back.blocksWritten,
                       back.backup),
              std::tie(upload.time, upload.user, upload.host, upload.tag, upload.device, upload.port, upload.sha256,
                       upload.blocksWritten, upload.backup));
    EXPECT_EQ(back.action, PlantAction::Upload);
    ASSERT_EQ(back.cells.size(), 3u);
    // Texts keep their Windows-1252 bytes; names lose the blanks that pad them in the grids.
    EXPECT_EQ(std::tie(back.cells[0].textA, back.cells[0].textB), std::tie(upload.cells[0].textA, upload.cells[0].textB));
    EXPECT_EQ(std::tie(back.cells[1].channel, back.cells[1].column), std::make_tuple("2 (A1)", "LCD Text"));
    EXPECT_EQ(std::tie(back.cells[2].flag, back.cells[2].col, back.cells[2].sheet), std::make_tuple(true, 1, 3));
    EXPECT_EQ(read.records[1].cells[0].textA, "44");
    EXPECT_EQ(read.records[1].result, PlantResult::Differs);
    EXPECT_EQ(std::tie(read.records[2].device, read.records[2].reason), std::make_tuple(-1L, identify.reason));
    EXPECT_EQ(read.records[2].result, PlantResult::NotFound);
    // One record a line, each line a whole record.
    std::ifstream in(Path("w.q4plant.log"));
    int lines = 0;
    for (std::string line; std::getline(in, line); ++lines)
        EXPECT_EQ(line.front(), '{');
    EXPECT_EQ(lines, 3);
}

TEST_F(PlantLog, ADamagedLineIsSkippedWithAWarning)
{
    CPlantLog log(Path("w.q4plant.log"));
    ASSERT_TRUE(log.Append(UploadRecord("AN-1", 1)));
    std::string good = CPlantLog::ToLine(UploadRecord("AN-2", 0));
    std::ofstream(Path("w.q4plant.log"), std::ios::app)
        << good.substr(0, good.size() / 2) << "\n"                       // cut short
        << "{\"time\":\"x\",\"action\":\"format\",\"result\":\"ok\"}\n"  // no such action
        << "\n"
        << good << "\n";
    ASSERT_TRUE(log.Append(UploadRecord("AN-3", 0)));
    CPlantLog::Contents read = log.Read();
    ASSERT_EQ(read.records.size(), 3u);
    EXPECT_EQ(read.records[0].tag, "AN-1");
    EXPECT_EQ(read.records[1].tag, "AN-2");
    EXPECT_EQ(read.records[2].tag, "AN-3");
    ASSERT_EQ(read.warnings.size(), 2u);
    EXPECT_EQ(read.warnings[0].rfind(Path("w.q4plant.log") + " line 2: a damaged record is skipped (", 0), 0u);
    EXPECT_EQ(read.warnings[1].rfind(Path("w.q4plant.log") + " line 3: a damaged record is skipped (line 1 column", 0), 0u)
        << read.warnings[1];
}

// A crash that cut the last line short leaves it without its end: the next record starts a line
// of its own, and only the cut line is skipped.
TEST_F(PlantLog, ARecordAfterALineCutShortIsKept)
{
    CPlantLog log(Path("w.q4plant.log"));
    ASSERT_TRUE(log.Append(UploadRecord("AN-1", 1)));
    const std::string cut = CPlantLog::ToLine(UploadRecord("AN-2", 0));
    std::ofstream(Path("w.q4plant.log"), std::ios::app) << cut.substr(0, cut.size() / 2);
    ASSERT_TRUE(log.Append(UploadRecord("AN-3", 0)));
    ASSERT_TRUE(log.Append(UploadRecord("AN-4", 0)));
    CPlantLog::Contents read = log.Read();
    ASSERT_EQ(read.records.size(), 3u);
    EXPECT_EQ(read.records[1].tag, "AN-3");
    EXPECT_EQ(read.records[2].tag, "AN-4");
    ASSERT_EQ(read.warnings.size(), 1u);
    EXPECT_EQ(read.warnings[0].rfind(Path("w.q4plant.log") + " line 2: a damaged record is skipped (", 0), 0u);
}

// Two programs logging at once: every line is one whole record, none lost.
TEST_F(PlantLog, TwoProcessesAppendingAtOnceTearNoLine)
{
    const std::string path = Path("w.q4plant.log");
    constexpr int kRecords = 100;
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = ::fork();
        if (children[c] == 0) {
            CPlantLog log(path);
            // Lines longer than a pipe's atomic write (some 5 and 8 KB) make a torn write likely
            // if writes split.
            PlantLogRecord record = UploadRecord(c == 0 ? "AN-A" : "AN-B", 40 + 20 * c);
            for (int i = 0; i < kRecords; ++i) {
                record.blocksWritten = i;
                if (!log.Append(record))
                    ::_exit(1);
            }
            ::_exit(0);
        }
        ASSERT_GT(children[c], 0);
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    CPlantLog::Contents read = CPlantLog(path).Read();
    EXPECT_TRUE(read.warnings.empty()) << read.warnings.front();
    ASSERT_EQ(read.records.size(), 2u * kRecords);
    int next[2] = {0, 0};
    for (const PlantLogRecord& record : read.records) {
        int c = record.tag == "AN-B" ? 1 : 0;
        EXPECT_EQ(record.blocksWritten, next[c]++);  // each writer's records in its own order
        EXPECT_EQ(record.cells.size(), 40u + 20u * static_cast<unsigned>(c));
    }
}

TEST(PlantLogTime, IsoTimeCarriesTheZone)
{
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    const std::tuple<const char*, std::time_t, const char*> cases[] = {
        {"UTC0", 0, "1970-01-01T00:00:00+00:00"},
        {"CET-1CEST,M3.5.0,M10.5.0/3", 1714651402, "2024-05-02T14:03:22+02:00"},
        {"<-0330>3:30", 1714651402, "2024-05-02T08:33:22-03:30"},
    };
    for (const auto& [zone, time, iso] : cases) {
        ::setenv("TZ", zone, 1);
        ::tzset();
        EXPECT_EQ(CPlantLog::IsoTime(time), iso) << zone;
    }
    if (old)
        ::setenv("TZ", saved.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

}  // namespace
