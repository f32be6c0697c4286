// Property cell: selection, removal, sorted insertion, item lists (and picking one of a list),
// copying and the cell record.
#include "model/CArchive.h"
#include "model/ChannelNames.h"
#include "model/CNdChnData.h"

#include <gtest/gtest.h>

namespace {

using Items = std::vector<std::string>;

CNdChnData MakeCell(Items items, int sel = 0)
{
    CNdChnData cell(DT_TEXT, 1, CTRL_EDIT, CLR_GRID_DEFAULT);
    cell.GetData() = std::move(items);
    cell.m_nCurSel = sel;
    return cell;
}

}  // namespace

TEST(CNdChnData, SetSelTextDependsOnTheItemCount)
{
    const std::tuple<Items, std::string, int, std::string> cases[] = {
        {{"7"}, "anything", 0, "anything"},  // one item: it becomes the value
        {{"OFF", "ON"}, "ON", 1, "ON"},
        {{"OFF", "ON"}, "on", -1, "OFF"},    // case-sensitive
        {{"A", "B", "A"}, "A", 0, "A"},      // first occurrence
        {{}, "x", -1, ""},                   // no items: nothing accepted
        {{"IN 11", "IN 12", "IN 1"}, "IN 1", 2, "IN 1"},
        {{"OFF", std::string("ON\0x", 4)}, "ON", 1, std::string("ON\0x", 4)},  // a zero byte ends
        {{"OFF", "ON"}, std::string("ON\0y", 4), 1, "ON"},                     // text as strcmp sees it
        {{"OFF", std::string("O\0", 2)}, "O", 1, std::string("O\0", 2)},
    };
    for (const auto& [items, text, result, selectedAfter] : cases) {
        CNdChnData cell = MakeCell(items);
        EXPECT_EQ(cell.SetSelText(text), result) << text;
        EXPECT_EQ(cell.GetDataAsString(), selectedAfter) << text;
    }
}

TEST(CNdChnData, RemoveItemKeepsTheSelectionOnTheSameItem)
{
    const std::tuple<int, std::string, std::string, size_t> cases[] = {
        {2, "B", "C", 3},  // before the selection: same item stays selected
        {1, "B", "A", 3},  // the selected item: selection falls back to item 0
        {1, "D", "B", 3},  // after the selection
        {1, "X", "B", 4},  // not there: nothing changes
    };
    for (const auto& [sel, removed, selectedAfter, countAfter] : cases) {
        CNdChnData cell = MakeCell({"A", "B", "C", "D"}, sel);
        cell.RemoveItem(removed);
        EXPECT_EQ(cell.GetDataAsString(), selectedAfter) << removed;
        EXPECT_EQ(cell.GetData().size(), countAfter) << removed;
    }
}

TEST(CNdChnData, PutInsertsInByteOrderAndKeepsTheSelection)
{
    CNdChnData cell = MakeCell({"A", "C"}, 1);
    EXPECT_EQ(cell.Put("B", 0, 0), 2u);     // the selection moves with its item
    cell.Put("Z", 0, 0);                    // sorts after everything: appended
    EXPECT_EQ(cell.GetData(), (Items{"A", "B", "C", "Z"}));

    cell.Put("0", 1, 0);                    // sorts first, but the search starts at index 1
    EXPECT_EQ(cell.GetData(), (Items{"A", "0", "B", "C", "Z"}));
    EXPECT_EQ(cell.GetDataAsString(), "C");
    CNdChnData split = MakeCell({"A"}, 0);
    split.Put("X;Y", 0, 0);                 // appended as an item list: the ";" splits it
    EXPECT_EQ(split.GetData(), (Items{"A", "X", "Y"}));
}

TEST(CNdChnData, AddDataSplitsLikeStrtok)
{
    const std::pair<std::string, Items> cases[] = {
        {"OFF;1;2", {"OFF", "1", "2"}}, {"", {""}}, {";;a;;b;", {"a", "b"}}, {";;", {""}},
        {"<;>;\xB1", {"<", ">", "\xB1"}},
    };
    for (const auto& [list, items] : cases) {
        CNdChnData cell;
        EXPECT_EQ(cell.AddData(list), items.size()) << list;
        EXPECT_EQ(cell.GetData(), items) << list;
        // Picking one piece agrees with the split; an index beyond it, or an empty list, is " ".
        for (int i = -1; i <= static_cast<int>(items.size()); ++i) {
            bool piece = i >= 0 && i < static_cast<int>(items.size()) && !items[static_cast<size_t>(i)].empty();
            EXPECT_EQ(GetStrOfIndex(list.c_str(), i), piece ? items[static_cast<size_t>(i)] : " ") << list << " " << i;
        }
    }
}

// The flags dialog's cells are copied into the alarm's own flag cells, which keep their style.
TEST(CNdChnData, CopyKeepsNameAndStyleOfTheTarget)
{
    CNdChnData src(DT_INT, 0, CTRL_LIST, 0x123456);
    src.SetPropName("Block");
    src.GetData() = {"OFF", "ON"};
    src.m_nCurSel = 1;
    src.m_nTextLen = 4;
    CNdChnData dst(DT_TEXT, 1, CTRL_POPUP, 0);
    dst.SetPropName("Mine");
    dst.Copy(src);
    EXPECT_EQ(dst.GetName(), "Mine");
    EXPECT_EQ(dst.m_nStyle, CTRL_POPUP);
    EXPECT_EQ(std::tie(dst.m_nDataType, dst.m_bEditable, dst.m_nTextLen, dst.m_crBkColour),
              std::tie(src.m_nDataType, src.m_bEditable, src.m_nTextLen, src.m_crBkColour));
    EXPECT_EQ(dst.GetDataAsString(), "ON");
}

// The rest of the cell record is held to its bytes by the document tests.
TEST(CNdChnData, RecordReadRepairsTheDegreeSignAndKeepsTheTextLength)
{
    CNdChnData cell = MakeCell({"", "\xDF" "C", "bar"}, 2);
    CArchive out;
    cell.DoFileReadWrite(out, 3);
    CArchive in(out.GetBuffer());
    CNdChnData read = MakeCell({"old"});
    read.m_nTextLen = 4;
    read.DoFileReadWrite(in, 3);
    EXPECT_EQ(read.GetData(), (Items{"", "\xB0" "C", "bar"}));  // the LCD's 0xDF becomes 0xB0
    EXPECT_EQ(read.GetDataAsString(), "bar");
    EXPECT_EQ(read.m_nTextLen, 4);  // not stored: the reader keeps its own
}
