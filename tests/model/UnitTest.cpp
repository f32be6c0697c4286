// The unit: construction order, registry, defaults, sheets and titles; the error record.
#include "model/CQ4kUnit.h"
#include "model/StringTable.h"
#include "support/RecordingPrompt.h"

#include <gtest/gtest.h>

TEST(Unit, SheetsExistOnlyAfterInitialize)
{
    RecordingPrompt prompt;
    CQ4kUnit unit(prompt);
    std::unique_ptr<CDataSheet> sheet;
    EXPECT_EQ(unit.GetDataSheet(ST_GENERAL, sheet), 0);
    EXPECT_EQ(sheet, nullptr);
    unit.Initialize();
    ASSERT_EQ(unit.GetDataSheet(ST_GENERAL, sheet), 1);
    CDataSheet* own = unit.GetSetupType(ST_GENERAL)->GetSheet();
    ASSERT_EQ(sheet->GetNumSections(), own->GetNumSections());
    for (int s = 0; s < own->GetNumSections(); ++s)
        EXPECT_EQ(sheet->GetSection(s), own->GetSection(s));
    sheet.reset();
    EXPECT_EQ(own->GetProperty(1, 1)->GetDataAsString(), "OFF");
    EXPECT_EQ(own->GetProperty(-1, 0), nullptr);
    EXPECT_EQ(own->GetProperty(own->GetNumSections(), 0), nullptr);
}

TEST(Unit, TitlesLabelsAndRegistry)
{
    RecordingPrompt prompt;
    {
        CQ4kUnit unit(prompt);
        unit.Initialize();
        EXPECT_EQ(unit.GetTitle(0), "General");
        EXPECT_EQ(unit.GetTitle(4), "");
        EXPECT_EQ(unit.GetTitle(-1), "");
        SETUP_TYPE types[4];
        std::string labels[4];
        unsigned count = 0;
        ASSERT_EQ(unit.GetNumTypeSetup(types, labels, count), 1);
        EXPECT_EQ(count, 4u);
        const char* const expected[] = {"General", "Physical Inputs", "Logical Inputs", "Alarms"};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(types[i], i);
            EXPECT_EQ(labels[i], expected[i]);
            EXPECT_EQ(INordaSetupType::m_pNordaSetupTypes[i], unit.GetSetupType(i));
        }
    }
    for (auto* entry : INordaSetupType::m_pNordaSetupTypes)
        EXPECT_EQ(entry, nullptr);   // a destroyed unit leaves no dangling entries
}

TEST(Unit, ErrorIsShownOnceForARepeatedRowAndId)
{
    RecordingPrompt prompt;
    CQ4kUnit unit(prompt);
    unit.Initialize();
    CNordaSetupType* type = unit.GetSetupType(ST_GENERAL);
    struct Step {
        int arg;
        unsigned id;
        int show;
        size_t shownAfter;
    };
    const Step steps[] = {
        {5, 62012, 1, 1}, {5, 62012, 1, 1}, {6, 62012, 1, 2}, {6, 62003, 1, 3},
        {5, 62012, 0, 3}, {5, 62012, 1, 3}, {9, 0, 1, 3},
    };
    for (const auto& s : steps) {
        type->Error(s.arg, s.id, s.show);
        EXPECT_EQ(prompt.Messages().size(), s.shownAfter) << s.arg << " " << s.id;
        EXPECT_EQ(static_cast<unsigned>(type->GetLastError()), s.id);
    }
    EXPECT_EQ(prompt.Messages()[2].text, LoadString(62003));
    EXPECT_EQ(prompt.Messages()[2].buttons, IMessagePrompt::BTN_OK);
    int arg = 0;
    unsigned id = 1;
    type->GetError(arg, id);
    EXPECT_EQ(arg, 9);
    EXPECT_EQ(id, 0u);
}

TEST(Unit, StringTableHoldsEveryMessage)
{
    for (unsigned id = 62000; id <= 62017; ++id)
        EXPECT_FALSE(LoadString(id).empty()) << id;
    EXPECT_EQ(LoadString(62015), "Out off range. The closest match will be used.");
    EXPECT_EQ(LoadString(1), "");
}
