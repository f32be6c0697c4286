// The Alarms record of the document file: layout, round trip, the repair of long logical input
// names, and records whose flag cell counts are not three.
#include "AlarmScenario.h"

#include "model/CArchive.h"

namespace {

std::vector<uint8_t> Store(CAlarm& alarm)
{
    CArchive ar;
    alarm.DoFileReadWrite(ar, 3);
    return ar.GetBuffer();
}

// Everything a cell record holds, for comparisons.
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

TEST(AlarmRecord, FreshRecordHoldsTheFlagCellsThenTheCommonRecord)
{
    CAlarm alarm;
    alarm.Initialize();
    CArchive in(Store(alarm));
    EXPECT_EQ(in.ReadString(), "Alarm");
    EXPECT_EQ(in.ReadUInt32(), 3u);
    const char* names[3] = {"Block", "Control", "Hysteresis"};
    for (int k = 0; k < 48; ++k) {
        ASSERT_EQ(in.ReadUInt32(), 3u) << k;
        for (const char* name : names) {
            ASSERT_EQ(in.ReadString(), name);
            CNdChnData cell;
            cell.DoFileReadWrite(in, 3);
            EXPECT_EQ(cell.GetName(), name);
            EXPECT_EQ(cell.m_nDataType, DT_INT);
            EXPECT_EQ(cell.m_nStyle, CTRL_LIST);
            EXPECT_EQ(cell.GetData(), (std::vector<std::string>{"OFF", "ON"}));
        }
    }
    EXPECT_EQ(in.ReadString(), "Alarm");
    EXPECT_EQ(in.ReadUInt32(), 3u);
    for (int r = 0; r < 49; ++r) {
        for (int c = 0; c < 17; ++c) {
            CNdChnData cell;
            cell.DoFileReadWrite(in, 3);
            EXPECT_EQ(Describe(cell), Describe(*alarm.GetProperty(r, c))) << r << "," << c;
        }
    }
    EXPECT_EQ(in.GetPosition(), in.GetBuffer().size());
}

class AlarmFile : public AlarmScenario {
protected:
    std::vector<uint8_t> SaveDocument()
    {
        CArchive ar;
        unit.Serialize(ar);
        return ar.GetBuffer();
    }

    void LoadDocument(const std::vector<uint8_t>& bytes)
    {
        unit.Initialize();
        CArchive ar(bytes);
        unit.Serialize(ar);
    }
};

TEST_F(AlarmFile, ADocumentRoundTripKeepsEveryAlarmCellAndFlag)
{
    SetPhysical(1, kIn11);
    SetPhysical(2, kIn12);
    ASSERT_TRUE(Log().ValidateData(1, 1, "IN 11"));
    ASSERT_TRUE(General().ValidateData(11, 1, "+REF"));
    ASSERT_TRUE(Type(1, 1, "IN 11"));
    ASSERT_TRUE(Type(1, 2, "LOG1"));
    ASSERT_TRUE(Type(1, 4, "12.5"));
    ASSERT_TRUE(Type(1, 5, "MOTOR"));
    ASSERT_TRUE(Type(2, 1, "LOG1"));
    ASSERT_TRUE(Type(2, 6, "600"));
    ASSERT_TRUE(Type(48, 1, "IN 12"));
    ASSERT_TRUE(Type(48, 7, "24"));
    for (int row : {1, 48}) {
        PropList props;
        ASSERT_EQ(Alarm().GetPopupProperties(row, 9, props), 1);
        props[0]->SetSelText("ON");
        props[row == 1 ? 2 : 1]->SetSelText("ON");
        Alarm().UpdateProperties(row, 9, props);
    }
    ASSERT_EQ(Text(1, 9), "BH");
    ASSERT_EQ(Text(48, 9), "BC");
    std::vector<std::string> before = DescribeAll(Alarm());

    LoadDocument(SaveDocument());
    EXPECT_EQ(DescribeAll(Alarm()), before);
    EXPECT_EQ(FlagText(1, 2), "ON");
    EXPECT_EQ(Text(1, 2), "LOG1");
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
        for (auto& item : Alarm().GetProperty(5, col)->GetData()) {
            if (item == "LOG3")
                item = "LOG3 (1C)";
        }
    }
    Alarm().GetProperty(6, 1)->GetData().push_back("LOG12");
    ASSERT_EQ(Text(5, 1), "LOG3 (1C)");

    LoadDocument(SaveDocument());
    EXPECT_EQ(Items(5, 1), (std::vector<std::string>{"OFF", "IN 11", "LOG3"}));
    EXPECT_EQ(Items(5, 2), (std::vector<std::string>{"OFF", "LOG3"}));
    EXPECT_EQ(Text(5, 1), "LOG3");
    EXPECT_EQ(Text(5, 2), "LOG3");
    EXPECT_EQ(Items(6, 1).back(), "LOG1");
}

// A record written by hand: strings before the title, and channels 0 to 2 with 4, 2 and 0 flag
// cells instead of three.
std::vector<uint8_t> OddRecord(CAlarm& fresh)
{
    CArchive ar;
    ar.WriteString("Logical Input");
    ar.WriteString("");
    ar.WriteString("Alarm");
    ar.WriteUInt32(3);
    const int counts[48] = {4, 2, 0, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
                            3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
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
    fresh.FileWrite(ar, 3);
    return ar.GetBuffer();
}

TEST(AlarmRecord, FlagCountsOtherThanThreeAreReadWithoutHarm)
{
    CAlarm writer;
    writer.Initialize();
    writer.GetProperty(7, 5)->SetText("AFTER");
    std::vector<uint8_t> bytes = OddRecord(writer);

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

TEST(AlarmRecord, ATruncatedRecordFailsWithTheArchiveException)
{
    CAlarm writer;
    writer.Initialize();
    std::vector<uint8_t> full = Store(writer);
    for (size_t keep : {size_t{0}, size_t{4}, size_t{10}, size_t{600}, full.size() / 2, full.size() - 1}) {
        std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<long>(keep));
        CAlarm alarm;
        alarm.Initialize();
        CArchive in(cut);
        EXPECT_THROW(alarm.DoFileReadWrite(in, 3), CArchiveException) << keep;
    }
}

TEST(AlarmRecord, AHugeFlagCountEndsAtTheEndOfTheFile)
{
    CArchive ar;
    ar.WriteString("Alarm");
    ar.WriteUInt32(3);
    ar.WriteUInt32(0xFFFFFFFFu);
    ar.WriteString("Block");
    CAlarm alarm;
    alarm.Initialize();
    CArchive in(ar.GetBuffer());
    EXPECT_THROW(alarm.DoFileReadWrite(in, 3), CArchiveException);
}

}  // namespace
