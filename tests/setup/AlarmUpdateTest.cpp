// How the alarms follow edits of the physical inputs, the logical inputs and the General
// "Block" setting, and how an alarm sheet copes with no other setup types beside it.
#include "SetupScenario.h"

using AlarmUpdate = SetupScenario;

TEST_F(AlarmUpdate, PhysicalInputGoingOffResetsItsAlarmsAndComesBackInByteOrder)
{
    SetPhysical(4, kIn12);  // IN 21
    SetPhysical(1, kIn11);
    ASSERT_EQ(ItemsOf(17, 1), (Items{"OFF", "IN 11", "IN 21"}));
    ASSERT_TRUE(Type(1, 1, "IN 11"));
    ASSERT_TRUE(Type(1, 5, "FLOW"));
    ASSERT_TRUE(Type(2, 1, "IN 21"));
    ASSERT_TRUE(Type(48, 1, "IN 11"));
    SetFlags(48, "H");

    ASSERT_TRUE(Phys().ValidateData(1, 1, "OFF"));
    for (int row : {1, 48}) {
        EXPECT_EQ(Text(row, 1), "OFF") << row;
        EXPECT_EQ(Text(row, 9), "...") << row;
        EXPECT_EQ(ParmColumns(row), Parms{}) << row;
    }
    EXPECT_EQ(Text(1, 5), "");
    EXPECT_EQ(FlagText(48, 2), "OFF");
    EXPECT_EQ(Text(2, 1), "IN 21");
    EXPECT_EQ(ParmColumns(2), kIn12);
    for (int row = 1; row <= 48; ++row)
        EXPECT_EQ(ItemsOf(row, 1), (Items{"OFF", "IN 21"})) << row;

    ASSERT_TRUE(Phys().ValidateData(1, 1, "20 mA"));
    for (int row = 1; row <= 48; ++row)
        EXPECT_EQ(ItemsOf(row, 1), (Items{"OFF", "IN 11", "IN 21"})) << row;
    EXPECT_EQ(Text(2, 1), "IN 21");
}

TEST_F(AlarmUpdate, InputParameterEditsReachTheAlarmsThroughTheLogicalInputs)
{
    SetPhysical(1, kIn11);
    SetPhysical(2, kIn11);
    ASSERT_TRUE(Log().ValidateData(1, 1, "IN 11"));
    ASSERT_TRUE(Type(3, 1, "LOG1"));
    ASSERT_TRUE(Type(4, 1, "IN 12"));
    ASSERT_TRUE(Type(4, 2, "LOG1"));  // same parameters as IN 12
    ASSERT_TRUE(Type(5, 1, "IN 11"));
    ASSERT_TRUE(Type(5, 4, "80"));

    ASSERT_TRUE(Phys().ValidateData(1, 6, "75.5"));
    Parms expected = kIn11;
    expected[5] = "75.5";
    EXPECT_EQ(ParmColumns(3), expected);
    EXPECT_EQ(ParmColumns(5), expected);
    // LOG1 no longer matches IN 12: the dynamic reference is dropped.
    EXPECT_EQ(Text(4, 2), "OFF");
    EXPECT_EQ(Text(4, 3), "<");
    // The set point is clamped only when it is next edited.
    EXPECT_EQ(Text(5, 4), "80");
    EXPECT_EQ(Type(5, 4, "80"), 0);
    EXPECT_EQ(Text(5, 4), "75.5");
}

TEST_F(AlarmUpdate, LogicalInputGoingOffResetsItsAlarmsAndLeavesBothLists)
{
    SetPhysical(1, kIn11);
    ASSERT_TRUE(Log().ValidateData(2, 1, "IN 11"));
    for (int row = 1; row <= 48; ++row) {
        ASSERT_EQ(ItemsOf(row, 1), (Items{"OFF", "IN 11", "LOG2"})) << row;
        ASSERT_EQ(ItemsOf(row, 2), (Items{"OFF", "LOG2"})) << row;
    }
    ASSERT_TRUE(Type(6, 1, "log2"));
    ASSERT_EQ(Text(6, 1), "LOG2");
    ASSERT_EQ(ParmColumns(6), kIn11);
    ASSERT_TRUE(Type(6, 5, "LEVEL"));
    ASSERT_TRUE(Type(7, 1, "IN 11"));
    ASSERT_TRUE(Type(7, 2, "LOG2"));

    ASSERT_TRUE(Log().ValidateData(2, 1, "OFF"));
    EXPECT_EQ(Text(6, 1), "OFF");
    EXPECT_EQ(Text(6, 5), "");
    EXPECT_EQ(Text(7, 1), "IN 11");
    EXPECT_EQ(Text(7, 2), "OFF");
    for (int row = 1; row <= 48; ++row) {
        EXPECT_EQ(ItemsOf(row, 1), (Items{"OFF", "IN 11"})) << row;
        EXPECT_EQ(ItemsOf(row, 2), (Items{"OFF"})) << row;
    }
}

TEST_F(AlarmUpdate, GeneralBlockOffMakesBlockReadOnlyAndWarnsOnce)
{
    SetPhysical(1, kIn11);
    ASSERT_TRUE(General().ValidateData(11, 1, "OFF"));
    EXPECT_TRUE(prompt.Messages().empty());  // no Block flag yet
    ASSERT_TRUE(General().ValidateData(11, 1, "+REF"));
    for (int row : {3, 9}) {
        ASSERT_TRUE(Type(row, 1, "IN 11"));
        SetFlags(row, "BC");
    }

    ASSERT_TRUE(General().ValidateData(11, 1, "OFF"));
    ASSERT_EQ(prompt.Messages().size(), 1u);
    EXPECT_TRUE(prompt.Messages()[0].exclamation);
    EXPECT_EQ(prompt.Messages()[0].buttons, IMessagePrompt::BTN_OK);
    for (int k = 0; k < 48; ++k) {
        EXPECT_EQ(Alarm().GetFlagCell(k, 0)->m_bEditable, 0) << k;
        EXPECT_EQ(Alarm().GetFlagCell(k, 0)->GetDataAsString(), "OFF") << k;
    }
    EXPECT_EQ(Text(3, 9), "BC");  // the summary is left as it was
    EXPECT_EQ(FlagText(3, 1), "ON");

    ASSERT_TRUE(General().ValidateData(11, 1, "-REF"));
    EXPECT_EQ(Alarm().GetFlagCell(47, 0)->m_bEditable, 1);
    ASSERT_TRUE(General().ValidateData(11, 1, "OFF"));
    EXPECT_EQ(prompt.Messages().size(), 1u);
    unit.Initialize();  // a new set-up warns again
    EXPECT_EQ(Alarm().IsBlockWarned(), 0);
}

TEST(AlarmAlone, CopesWithoutTheOtherSetupTypes)
{
    CAlarm bare;  // no sheet yet
    EXPECT_EQ(bare.IsChannelActive(1), 0);
    EXPECT_EQ(bare.GetFlagCell(0, 0), nullptr);
    bare.OnUpdateModify(ST_PHYSICAL, 1, 1, "10 V");
    bare.ResetChannel(1);

    CAlarm alarm;
    alarm.Initialize();
    EXPECT_EQ(alarm.ValidateData(1, 1, "IN 11"), 0);
    EXPECT_EQ(alarm.GetLastError(), 62010);
    EXPECT_EQ(alarm.ValidateData(1, 1, "LOG1"), 0);
    EXPECT_EQ(alarm.GetLastError(), 62011);
    alarm.OnUpdateModify(ST_PHYSICAL, 1, 1, "10 V");
    alarm.OnUpdateModify(ST_LOGICAL, 1, -1, "");
    alarm.OnUpdateModify(ST_GENERAL, 11, 1, "OFF");
    EXPECT_EQ(alarm.GetProperty(1, 1)->GetData(), (Items{"OFF"}));
    EXPECT_EQ(alarm.GetFlagCell(0, 0)->m_bEditable, 1);
    EXPECT_EQ(alarm.ValidateData(0, 1, "IN 11"), 0);
}
