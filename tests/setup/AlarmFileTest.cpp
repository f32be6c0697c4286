// The Alarms record of the document file: its layout, flag cell counts other than three, and a
// damaged count.
#include "SetupScenario.h"

#include <algorithm>
#include <iterator>

namespace {

// A record with the given flag cell counts (extra cells named "Spare"), the flags of channels
// 0 and 1 on and the text "AFTER" in row 7, after the strings given, which the reader skips.
std::vector<uint8_t> RecordWithFlagCounts(const int counts[48], std::initializer_list<const char*> skipped)
{
    CArchive ar;
    for (const char* s : skipped)
        ar.WriteString(s);
    ar.WriteString("Alarm");
    ar.WriteUInt32(3);
    const char* names[4] = {"Block", "Control", "Hysteresis", "Spare"};
    for (int k = 0; k < 48; ++k) {
        ar.WriteUInt32(static_cast<uint32_t>(counts[k]));
        for (int i = 0; i < counts[k]; ++i) {
            CNdChnData cell(DT_INT, 1, CTRL_LIST, CLR_GRID_DEFAULT);
            cell.AddData("OFF;ON");
            cell.SetPropName(names[i]);
            cell.SetSelText(k < 2 ? "ON" : "OFF");
            ar.WriteString(names[i]);
            cell.DoFileReadWrite(ar, 3);
        }
    }
    CAlarm sheet;
    sheet.Initialize();
    sheet.GetProperty(7, 5)->SetText("AFTER");
    sheet.FileWrite(ar, 3);
    return ar.GetBuffer();
}

TEST(AlarmRecord, RecordHoldsTitleTypeAndFlagCellsBeforeTheCommonRecord)
{
    CAlarm alarm;
    alarm.Initialize();
    for (int k : {0, 1}) {
        for (int i = 0; i < 3; ++i)
            alarm.GetFlagCell(k, i)->SetSelText("ON");
    }
    alarm.GetProperty(7, 5)->SetText("AFTER");
    CArchive out;
    alarm.DoFileReadWrite(out, 3);
    int counts[48];
    std::fill(std::begin(counts), std::end(counts), 3);
    EXPECT_EQ(out.GetBuffer(), RecordWithFlagCounts(counts, {}));
}

TEST(AlarmRecord, FlagCountsOtherThanThreeAreReadWithoutHarm)
{
    int counts[48];
    std::fill(std::begin(counts), std::end(counts), 3);
    counts[0] = 4;
    counts[1] = 2;
    counts[2] = 0;
    std::vector<uint8_t> bytes = RecordWithFlagCounts(counts, {"Logical Input", ""});
    CAlarm alarm;
    alarm.Initialize();
    CArchive in(bytes);
    alarm.DoFileReadWrite(in, 3);
    EXPECT_EQ(in.GetPosition(), bytes.size());
    const char* expected[3][3] = {{"ON", "ON", "ON"}, {"ON", "ON", "OFF"}, {"OFF", "OFF", "OFF"}};
    for (int k = 0; k < 3; ++k) {
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(alarm.GetFlagCell(k, i)->GetDataAsString(), expected[k][i]) << k << "," << i;
    }
    EXPECT_EQ(alarm.GetFlagCell(0, 2)->GetName(), "Hysteresis");
    EXPECT_EQ(alarm.GetCellText(7, 5), "AFTER");
}

// A flag count read from a damaged file must end at the file's end, not run on through memory.
TEST(AlarmRecord, HugeFlagCountFailsWithTheArchiveException)
{
    CArchive huge;
    huge.WriteString("Alarm");
    huge.WriteUInt32(3);
    huge.WriteUInt32(0xFFFFFFFFu);
    CAlarm alarm;
    alarm.Initialize();
    CArchive in(huge.GetBuffer());
    EXPECT_THROW(alarm.DoFileReadWrite(in, 3), CArchiveException);
}

}  // namespace
