// The Alarms record of the document file: layout, round trip, the repair of long logical input
// names, and damaged or unusual records.
#include "AlarmScenario.h"

#include "model/CArchive.h"

#include <algorithm>
#include <iterator>

namespace {

// Everything a cell record holds.
std::string Describe(const CNdChnData& cell)
{
    std::string s = cell.GetName() + "|" + std::to_string(cell.m_nDataType) + "|" + std::to_string(cell.m_bEditable) +
                    "|" + std::to_string(cell.m_nCurSel) + "|" + std::to_string(cell.m_nStyle);
    for (const auto& item : cell.GetData())
        s += "|" + item;
    return s;
}

std::vector<std::string> DescribeAll(CAlarm& alarm)
{
    std::vector<std::string> all;
    for (int r = 0; r < 49; ++r) {
        for (int c = 0; c < 17; ++c)
            all.push_back(Describe(*alarm.GetProperty(r, c)));
    }
    for (int k = 0; k < 48; ++k) {
        for (int i = 0; i < 3; ++i)
            all.push_back(Describe(*alarm.GetFlagCell(k, i)));
    }
    return all;
}

// A record with the given flag cell counts (extra cells named "Spare"), the flags of channels
// 0 and 1 on, after two strings that the reader skips.
std::vector<uint8_t> RecordWithFlagCounts(const int counts[48])
{
    CArchive ar;
    for (const char* s : {"Logical Input", "", "Alarm"})
        ar.WriteString(s);
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
    CArchive out;
    alarm.DoFileReadWrite(out, 3);
    CArchive in(out.GetBuffer());
    EXPECT_EQ(in.ReadString(), "Alarm");
    EXPECT_EQ(in.ReadUInt32(), 3u);
    CNdChnData cell;
    for (int k = 0; k < 48; ++k) {
        ASSERT_EQ(in.ReadUInt32(), 3u) << k;
        for (int i = 0; i < 3; ++i) {
            ASSERT_EQ(in.ReadString(), alarm.GetFlagCell(k, i)->GetName());
            cell.DoFileReadWrite(in, 3);
            EXPECT_EQ(Describe(cell), Describe(*alarm.GetFlagCell(k, i)));
        }
    }
    EXPECT_EQ(in.ReadString(), "Alarm");
    EXPECT_EQ(in.ReadUInt32(), 3u);
    for (int r = 0; r < 49; ++r) {
        for (int c = 0; c < 17; ++c) {
            cell.DoFileReadWrite(in, 3);
            EXPECT_EQ(Describe(cell), Describe(*alarm.GetProperty(r, c))) << r << "/" << c;
        }
    }
    EXPECT_EQ(in.GetPosition(), in.GetBuffer().size());
}

TEST(AlarmRecord, FlagCountsOtherThanThreeAreReadWithoutHarm)
{
    int counts[48];
    std::fill(std::begin(counts), std::end(counts), 3);
    counts[0] = 4;
    counts[1] = 2;
    counts[2] = 0;
    std::vector<uint8_t> bytes = RecordWithFlagCounts(counts);
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

TEST(AlarmRecord, DamagedRecordsFailWithTheArchiveException)
{
    int counts[48];
    std::fill(std::begin(counts), std::end(counts), 3);
    std::vector<uint8_t> full = RecordWithFlagCounts(counts);
    std::vector<std::vector<uint8_t>> damaged;
    for (size_t keep : {size_t{0}, size_t{30}, size_t{600}, full.size() / 2, full.size() - 1})
        damaged.emplace_back(full.begin(), full.begin() + static_cast<long>(keep));
    CArchive huge;  // a flag count that runs past the end of the file
    huge.WriteString("Alarm");
    huge.WriteUInt32(3);
    huge.WriteUInt32(0xFFFFFFFFu);
    damaged.push_back(huge.GetBuffer());
    for (const auto& bytes : damaged) {
        CAlarm alarm;
        alarm.Initialize();
        CArchive in(bytes);
        EXPECT_THROW(alarm.DoFileReadWrite(in, 3), CArchiveException) << bytes.size();
    }
}

class AlarmFile : public AlarmScenario {
protected:
    void SaveAndLoad()
    {
        CArchive out;
        unit.Serialize(out);
        unit.Initialize();
        CArchive in(out.GetBuffer());
        unit.Serialize(in);
    }
};

TEST_F(AlarmFile, ADocumentRoundTripKeepsEveryAlarmCellAndFlag)
{
    SetPhysical(1, kIn11);
    SetPhysical(2, kIn12);
    ASSERT_TRUE(Log().ValidateData(1, 1, "IN 11"));
    ASSERT_TRUE(General().ValidateData(11, 1, "+REF"));
    const std::tuple<int, int, const char*> edits[] = {
        {1, 1, "IN 11"}, {1, 2, "LOG1"}, {1, 4, "12.5"}, {1, 5, "MOTOR"}, {2, 1, "LOG1"}, {2, 6, "600"},
        {48, 1, "IN 12"}, {48, 7, "24"},
    };
    for (auto [row, col, text] : edits)
        ASSERT_TRUE(Type(row, col, text)) << row << "/" << col;
    SetFlags(1, "BH");
    SetFlags(48, "C");
    std::vector<std::string> before = DescribeAll(Alarm());

    SaveAndLoad();
    EXPECT_EQ(DescribeAll(Alarm()), before);
    EXPECT_EQ(FlagText(1, 2), "ON");
    EXPECT_EQ(Text(1, 9), "BH");
    EXPECT_EQ(Text(1, 3), "\xB1");
}

TEST_F(AlarmFile, LongLogicalInputNamesAreReadAsShortNames)
{
    SetPhysical(1, kIn11);
    ASSERT_TRUE(Log().ValidateData(3, 1, "IN 11"));
    ASSERT_TRUE(Type(5, 1, "LOG3"));
    ASSERT_TRUE(Type(5, 2, "LOG3"));
    // An older program listed logical inputs under their full names.
    for (int col : {1, 2}) {
        for (auto& item : Alarm().GetProperty(5, col)->GetData())
            item = item == "LOG3" ? "LOG3 (1C)" : item;
    }
    Alarm().GetProperty(6, 1)->GetData().push_back("LOG12");
    ASSERT_EQ(Text(5, 1), "LOG3 (1C)");

    SaveAndLoad();
    EXPECT_EQ(ItemsOf(5, 1), (Items{"OFF", "IN 11", "LOG3"}));
    EXPECT_EQ(ItemsOf(5, 2), (Items{"OFF", "LOG3"}));
    EXPECT_EQ(Text(5, 1), "LOG3");
    EXPECT_EQ(Text(5, 2), "LOG3");
    EXPECT_EQ(ItemsOf(6, 1).back(), "LOG1");
}

}  // namespace
