// The alarm sheet's defaults, its flag cells, the channel reset and the Flags pop-up path.
#include "AlarmScenario.h"

#include "model/StringTable.h"

namespace {

using AlarmSheet = AlarmScenario;

TEST_F(AlarmSheet, FreshSheetHas49RowsOf17CellsAndItsTitles)
{
    CAlarm& a = Alarm();
    EXPECT_EQ(a.GetNumChannels(), 49);
    ASSERT_EQ(a.m_pDataSheet->GetNumSections(), 49);
    for (int r = 0; r < 49; ++r)
        EXPECT_EQ(a.m_pDataSheet->GetNumCells(r), 17) << r;
    EXPECT_EQ(a.m_strTitle, "Alarm");
    EXPECT_EQ(a.m_nSetupType, ST_ALARM);
    EXPECT_EQ(a.m_nPrintCols, 10);
    const char* labels[17] = {"Alarms", "InpRef", "DynRef", "<>\xB1", "SetPoint", "LCD Text", "Delay (s)", "LED",
                              "Output", "Flags", "InpTp", "LCDU", "InpLo", "LCDLo", "InpUp", "LCDUp", "Misc."};
    for (int c = 0; c < 17; ++c)
        EXPECT_EQ(Text(0, c), labels[c]) << c;
}

TEST_F(AlarmSheet, FreshChannelRowReadsItsDefaults)
{
    const char* texts[17] = {"1  (A11)", "OFF", "OFF", "<", "0", "", "0.3", "OFF", "OFF", "...",
                             "", "", "", "", "", "", ""};
    for (int c = 0; c < 17; ++c)
        EXPECT_EQ(Text(1, c), texts[c]) << c;

    struct Expect {
        int col;
        const char* name;
        short type;
        int editable;
        CTRL_STYLE style;
        size_t items;
    };
    const Expect cells[] = {
        {1, "InpRef", DT_TEXT, 0, CTRL_LIST, 1},  {2, "DynRef", DT_TEXT, 0, CTRL_LIST, 1},
        {3, "<>\xB1", DT_TEXT, 0, CTRL_LIST, 3},  {4, "SetPoint", DT_REAL, 1, CTRL_EDIT, 1},
        {5, "LCD Text", DT_TEXT, 1, CTRL_EDIT, 1}, {6, "Delay", DT_REAL, 1, CTRL_EDIT, 1},
        {7, "LED", DT_TEXT, 0, CTRL_LIST, 25},    {8, "Output", DT_TEXT, 0, CTRL_LIST, 15},
        {9, "Flags", DT_TEXT, 0, CTRL_POPUP, 1},
    };
    for (const auto& e : cells) {
        CNdChnData* p = Alarm().GetProperty(7, e.col);
        EXPECT_EQ(p->GetName(), e.name) << e.col;
        EXPECT_EQ(p->m_nDataType, e.type) << e.col;
        EXPECT_EQ(p->m_bEditable, e.editable) << e.col;
        EXPECT_EQ(p->m_nStyle, e.style) << e.col;
        EXPECT_EQ(p->GetData().size(), e.items) << e.col;
        EXPECT_EQ(p->m_nTextLen, e.col == 5 ? 10 : -1) << e.col;
        EXPECT_EQ(p->m_crBkColour, CLR_GRID_DEFAULT) << e.col;
    }
    EXPECT_EQ(Items(7, 7).back(), "24");
    EXPECT_EQ(Items(7, 8).back(), "14");
    for (int c = 10; c <= 16; ++c) {
        CNdChnData* p = Alarm().GetProperty(48, c);
        EXPECT_EQ(p->m_bEditable, 0) << c;
        EXPECT_EQ(p->m_crBkColour, 0x00D3D3D3u) << c;
        EXPECT_EQ(p->GetData().size(), 1u) << c;
        EXPECT_TRUE(p->GetName().empty()) << c;
    }
}

TEST_F(AlarmSheet, RowLabelsCarryTheUnitsAlarmNumbersAlignedAfterRowNine)
{
    const std::pair<int, const char*> labels[] = {
        {1, "1  (A11)"}, {6, "6  (A16)"}, {7, "7  (A21)"}, {9, "9  (A23)"},
        {10, "10 (A24)"}, {13, "13 (A31)"}, {42, "42 (A76)"}, {48, "48 (A86)"},
    };
    for (auto [row, label] : labels) {
        EXPECT_EQ(Text(row, 0), label);
        EXPECT_EQ(Alarm().GetProperty(row, 0)->GetName(), label);
    }
}

TEST_F(AlarmSheet, EveryChannelHasThreeOffFlagCells)
{
    const char* names[3] = {"Block", "Control", "Hysteresis"};
    for (int k = 0; k < 48; ++k) {
        for (int i = 0; i < 3; ++i) {
            CNdChnData* f = Alarm().GetFlagCell(k, i);
            ASSERT_NE(f, nullptr);
            EXPECT_EQ(f->GetName(), names[i]);
            EXPECT_EQ(f->GetData(), (std::vector<std::string>{"OFF", "ON"}));
            EXPECT_EQ(f->GetDataAsString(), "OFF");
            EXPECT_EQ(f->m_nDataType, DT_INT);
            EXPECT_EQ(f->m_nStyle, CTRL_LIST);
            EXPECT_EQ(f->m_bEditable, 1);
        }
    }
    const std::pair<int, int> outside[] = {{-1, 0}, {48, 0}, {0, 3}, {0, -1}};
    for (auto [k, i] : outside)
        EXPECT_EQ(Alarm().GetFlagCell(k, i), nullptr) << k << "," << i;
}

TEST_F(AlarmSheet, PopupOfADisabledAlarmIsRefusedWithAMessageUnlessDownloading)
{
    PropList props;
    EXPECT_EQ(Alarm().GetPopupProperties(3, 9, props), 0);
    EXPECT_TRUE(props.empty());
    EXPECT_EQ(LastError(), 62007);
    ASSERT_EQ(prompt.Messages().size(), 1u);
    EXPECT_EQ(prompt.Messages()[0].text, LoadString(62007));

    prompt.Clear();
    Alarm().m_nTransState = 1;
    EXPECT_EQ(Alarm().GetPopupProperties(4, 9, props), 0);
    EXPECT_EQ(LastError(), 62007);
    EXPECT_TRUE(prompt.Messages().empty());
}

TEST_F(AlarmSheet, FlagsDialogWithBlockAndHysteresisGivesBHAndWarnsWhileGeneralBlockIsOff)
{
    SetPhysical(1, kIn11);
    ASSERT_TRUE(Type(2, 1, "IN 11"));
    // The General "Block" row makes the Block flags read-only; the dialog offers Block anyway.
    ASSERT_TRUE(General().ValidateData(11, 1, "OFF"));
    ASSERT_EQ(Alarm().GetFlagCell(1, 0)->m_bEditable, 0);

    PropList props;
    ASSERT_EQ(Alarm().GetPopupProperties(2, 9, props), 1);
    ASSERT_EQ(props.size(), 3u);
    EXPECT_EQ(props[0]->GetName(), "Block");
    EXPECT_EQ(props[0]->m_bEditable, 1);
    EXPECT_EQ(Alarm().GetFlagCell(1, 0)->m_bEditable, 1);
    EXPECT_NE(props[0].get(), Alarm().GetFlagCell(1, 0));

    props[0]->SetSelText("ON");
    props[2]->SetSelText("ON");
    prompt.Clear();
    Alarm().UpdateProperties(2, 9, props);
    EXPECT_EQ(Text(2, 9), "BH");
    EXPECT_EQ(FlagText(2, 0), "ON");
    EXPECT_EQ(FlagText(2, 1), "OFF");
    EXPECT_EQ(FlagText(2, 2), "ON");
    ASSERT_EQ(prompt.Messages().size(), 1u);
    EXPECT_EQ(prompt.Messages()[0].text, LoadString(62009));
    EXPECT_TRUE(prompt.Messages()[0].exclamation);
    // The caller keeps its copies; the stored cells are separate.
    props[2]->SetSelText("OFF");
    EXPECT_EQ(FlagText(2, 2), "ON");

    for (auto& p : props)
        p->SetSelText("OFF");
    prompt.Clear();
    Alarm().UpdateProperties(2, 9, props);
    EXPECT_EQ(Text(2, 9), "...");
    EXPECT_TRUE(prompt.Messages().empty());
}

TEST_F(AlarmSheet, BlockFlagIsTakenSilentlyWhileGeneralBlockIsOn)
{
    SetPhysical(1, kIn11);
    ASSERT_TRUE(Type(5, 1, "IN 11"));
    General().ValidateData(11, 1, "+REF");
    PropList props;
    ASSERT_EQ(Alarm().GetPopupProperties(5, 9, props), 1);
    props[0]->SetSelText("ON");
    props[1]->SetSelText("ON");
    prompt.Clear();
    Alarm().UpdateProperties(5, 9, props);
    EXPECT_EQ(Text(5, 9), "BC");
    EXPECT_TRUE(prompt.Messages().empty());
}

TEST_F(AlarmSheet, UpdatingTheFlagsOfADisabledAlarmIsRefused)
{
    PropList props;
    props.push_back(std::make_unique<CNdChnData>(*Alarm().GetFlagCell(0, 0)));
    props[0]->SetSelText("ON");
    Alarm().UpdateProperties(1, 9, props);
    EXPECT_EQ(LastError(), 62007);
    EXPECT_EQ(FlagText(1, 0), "OFF");
    EXPECT_EQ(Text(1, 9), "...");
}

TEST_F(AlarmSheet, ResetKeepsTheInputListButSelectsOffAndClearsEveryValue)
{
    SetPhysical(1, kIn11);
    ASSERT_TRUE(Type(1, 1, "IN 11"));
    ASSERT_TRUE(Type(1, 4, "55"));
    ASSERT_TRUE(Type(1, 5, "TANK"));
    ASSERT_TRUE(Type(1, 6, "20"));
    ASSERT_TRUE(Type(1, 7, "3"));
    ASSERT_TRUE(Type(1, 8, "4"));
    ASSERT_TRUE(Type(1, 3, ">"));
    PropList props;
    ASSERT_EQ(Alarm().GetPopupProperties(1, 9, props), 1);
    for (auto& p : props)
        p->SetSelText("ON");
    Alarm().UpdateProperties(1, 9, props);
    ASSERT_EQ(Text(1, 9), "BCH");

    Alarm().ResetChannel(1);
    const char* texts[17] = {"1  (A11)", "OFF", "OFF", "<", "0", "", "0.3", "OFF", "OFF", "...",
                             "", "", "", "", "", "", ""};
    for (int c = 0; c < 17; ++c)
        EXPECT_EQ(Text(1, c), texts[c]) << c;
    EXPECT_EQ(Items(1, 1), (std::vector<std::string>{"OFF", "IN 11"}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(FlagText(1, i), "OFF") << i;
}

}  // namespace
