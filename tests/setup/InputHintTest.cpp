// What the status bar says a cell takes, against what the cell really takes: a list offers a
// text of one's own only where such a text is taken, the input range names its input type's
// range, and a dynamic reference without a logical input in use says what makes it available.
#include "SetupScenario.h"

#include "model/StringTable.h"

using InputHints = SetupScenario;

namespace {

// The words of the hint that offer a text of one's own, cut from the table's pattern.
std::string OffersNew()
{
    const std::string pattern = LoadString(IDS_HINT_ONE_OF_OR_NEW);
    return pattern.substr(pattern.find("%1") + 2);
}

}  // namespace

// IN 11 in use, LOG1 over it, alarm 1 watching it: each list cell's hint offers a text of one's
// own exactly where the cell takes one and shows it.
TEST_F(InputHints, ListsOfferATextOfOnesOwnOnlyWhereOneIsTaken)
{
    SetChannel(1, "10 V");
    ASSERT_TRUE(Log().ValidateData(1, 1, "IN 11"));
    ASSERT_TRUE(Type(1, CAlarm::COL_INPREF, "IN 11"));
    const std::string own = "QX";
    int lists = 0;
    int offering = 0;
    for (int t = 0; t < 4; ++t) {
        INordaSetupType& type = *unit.GetSetupType(t);
        for (int s = 1; s < type.GetNumChannels(); ++s) {
            for (int c = 1; c < type.GetSheet()->GetNumCells(s); ++c) {
                const CNdChnData* p = type.GetProperty(s, c);
                if (!p || p->GetData().size() < 2 || type.GetCellAccess(s, c).state != CellAccess::State::Open)
                    continue;
                ++lists;
                const bool offers = type.GetInputHint(s, c).find(OffersNew()) != std::string::npos;
                offering += offers;
                CQ4kUnit scratch(prompt);
                scratch.Initialize();
                scratch.CopyFrom(unit);
                INordaSetupType& typed = *scratch.GetSetupType(t);
                const bool taken = typed.EnterText(s, c, own) != 0 && typed.GetCellText(s, c) == own;
                EXPECT_EQ(offers, taken) << typed.m_strTitle << " " << s << "/" << c << ": " << type.GetInputHint(s, c);
            }
        }
    }
    EXPECT_GT(lists, 100);
    EXPECT_EQ(offering, 1);  // the LCD unit of IN 11
}

// A refused InpLo or InpUp is followed by what it takes: the range of the row's input type.
TEST_F(InputHints, InputRangeNamesTheRangeOfItsInputType)
{
    const struct {
        const char* type;
        const char* hint;
    } cases[] = {
        {"20 mA", "A number from 0 to 20 mA, the range of the input type 20 mA"},
        {"10 V", "A number from 0 to 10 V, the range of the input type 10 V"},
        {"24 V", "A number from 0 to 24 V, the range of the input type 24 V"},
    };
    for (const auto& c : cases) {
        SetChannel(2, c.type);
        for (int cell : {3, 5})
            EXPECT_EQ(Phys().GetInputHint(2, cell), c.hint) << c.type << " " << cell;
        EXPECT_EQ(Phys().GetInputHint(2, 4), LoadString(IDS_HINT_NUMBER));  // LCDLo: any number
    }
}

// DynRef offers the logical inputs in use; while there is none it takes nothing, and its hint
// says which setting makes it available.
TEST_F(InputHints, DynRefWithoutALogicalInputSaysWhatMakesItAvailable)
{
    SetChannel(1, "10 V");
    ASSERT_TRUE(Type(1, CAlarm::COL_INPREF, "IN 11"));
    EXPECT_EQ(Alarm().GetCellAccess(1, CAlarm::COL_DYNREF).state, CellAccess::State::ReadOnly);
    EXPECT_EQ(Alarm().GetInputHint(1, CAlarm::COL_DYNREF),
              "Available once a logical input is in use: choose its first input (I1) on Logical Input");

    ASSERT_TRUE(Log().ValidateData(1, 1, "IN 11"));
    EXPECT_EQ(Alarm().GetCellAccess(1, CAlarm::COL_DYNREF).state, CellAccess::State::Open);
    EXPECT_EQ(Alarm().GetInputHint(1, CAlarm::COL_DYNREF), "One of: OFF, LOG1");
}
