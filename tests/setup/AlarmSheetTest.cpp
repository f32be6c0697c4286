// The alarm sheet's defaults, its flag cells and the Flags pop-up path.
#include "AlarmScenario.h"

#include "model/StringTable.h"

namespace {

using AlarmSheet = AlarmScenario;

TEST_F(AlarmSheet, FreshSheetShowsItsTitlesAndDefaultRows)
{
    CAlarm& a = Alarm();
    ASSERT_EQ(a.m_pDataSheet->GetNumSections(), 49);
    EXPECT_EQ(a.m_pDataSheet->GetNumCells(48), 17);
    EXPECT_EQ(Text(0, 3), "<>\xB1");
    EXPECT_EQ(Text(0, 6), "Delay (s)");
    const char* row1[17] = {"1  (A11)", "OFF", "OFF", "<", "0", "", "0.3", "OFF", "OFF", "...",
                            "", "", "", "", "", "", ""};
    for (int c = 0; c < 17; ++c)
        EXPECT_EQ(Text(1, c), row1[c]) << c;
    const std::pair<int, const char*> labels[] = {
        {9, "9  (A23)"}, {10, "10 (A24)"}, {13, "13 (A31)"}, {48, "48 (A86)"}};
    for (auto [row, label] : labels)
        EXPECT_EQ(Text(row, 0), label);

    EXPECT_EQ(a.GetProperty(5, 5)->m_nTextLen, 10);
    EXPECT_EQ(a.GetProperty(5, 6)->GetName(), "Delay");
    EXPECT_EQ(a.GetProperty(5, 9)->m_nStyle, CTRL_POPUP);
    EXPECT_EQ(a.GetProperty(5, 16)->m_crBkColour, 0x00D3D3D3u);
    EXPECT_EQ(a.GetProperty(5, 16)->m_bEditable, 0);
    EXPECT_EQ(ItemsOf(5, 7).size(), 25u);
    EXPECT_EQ(ItemsOf(5, 8).back(), "14");
}

TEST_F(AlarmSheet, EveryChannelHasThreeFlagCellsAndOnlyThose)
{
    const char* names[3] = {"Block", "Control", "Hysteresis"};
    for (int k = 0; k < 48; ++k) {
        for (int i = 0; i < 3; ++i) {
            CNdChnData* f = Alarm().GetFlagCell(k, i);
            ASSERT_NE(f, nullptr);
            EXPECT_EQ(f->GetName(), names[i]);
            EXPECT_EQ(f->GetData(), (Items{"OFF", "ON"}));
            EXPECT_EQ(f->GetDataAsString(), "OFF");
        }
    }
    const std::pair<int, int> outside[] = {{-1, 0}, {48, 0}, {0, 3}, {0, -1}};
    for (auto [k, i] : outside)
        EXPECT_EQ(Alarm().GetFlagCell(k, i), nullptr) << k << "," << i;
}

TEST_F(AlarmSheet, FlagsOfADisabledAlarmAreRefusedWithAMessageUnlessDownloading)
{
    PropList props;
    EXPECT_EQ(Alarm().GetPopupProperties(3, 9, props), 0);
    EXPECT_TRUE(props.empty());
    EXPECT_EQ(LastError(), 62007);
    ASSERT_EQ(prompt.Messages().size(), 1u);
    EXPECT_EQ(prompt.Messages()[0].text, LoadString(62007));

    prompt.Clear();
    Alarm().m_nTransState = 1;
    props.push_back(std::make_unique<CNdChnData>(*Alarm().GetFlagCell(3, 0)));
    props[0]->SetSelText("ON");
    Alarm().UpdateProperties(4, 9, props);
    EXPECT_EQ(LastError(), 62007);
    EXPECT_EQ(FlagText(4, 0), "OFF");
    EXPECT_TRUE(prompt.Messages().empty());
}

TEST_F(AlarmSheet, FlagsDialogSummarisesTheFlagsAndWarnsAboutBlockWhileGeneralBlockIsOff)
{
    SetPhysical(1, kIn11);
    ASSERT_TRUE(Type(2, 1, "IN 11"));
    // The General setting makes Block read-only; the dialog offers it for editing anyway.
    ASSERT_TRUE(General().ValidateData(11, 1, "OFF"));
    ASSERT_EQ(Alarm().GetFlagCell(1, 0)->m_bEditable, 0);
    PropList props;
    ASSERT_EQ(Alarm().GetPopupProperties(2, 9, props), 1);
    EXPECT_EQ(props[0]->m_bEditable, 1);
    EXPECT_EQ(Alarm().GetFlagCell(1, 0)->m_bEditable, 1);

    prompt.Clear();
    SetFlags(2, "BH");
    EXPECT_EQ(Text(2, 9), "BH");
    EXPECT_EQ(FlagText(2, 0), "ON");
    EXPECT_EQ(FlagText(2, 1), "OFF");
    ASSERT_EQ(prompt.Messages().size(), 1u);
    EXPECT_EQ(prompt.Messages()[0].text, LoadString(62009));
    EXPECT_TRUE(prompt.Messages()[0].exclamation);

    SetFlags(2, "");
    EXPECT_EQ(Text(2, 9), "...");
    ASSERT_TRUE(General().ValidateData(11, 1, "+REF"));
    prompt.Clear();
    SetFlags(2, "BCH");
    EXPECT_EQ(Text(2, 9), "BCH");
    EXPECT_TRUE(prompt.Messages().empty());
}

}  // namespace
