// Property cell: selection, removal, sorted insertion, item lists and the cell record.
#include "model/CArchive.h"
#include "model/CNdChnData.h"

#include <gtest/gtest.h>

namespace {

CNdChnData MakeCell(std::vector<std::string> items, int sel = 0)
{
    CNdChnData cell(DT_TEXT, 1, CTRL_EDIT, CLR_GRID_DEFAULT);
    cell.GetData() = std::move(items);
    cell.m_nCurSel = sel;
    return cell;
}

}  // namespace

TEST(CNdChnData, SetSelTextDependsOnTheItemCount)
{
    struct Case {
        std::vector<std::string> items;
        std::string text;
        int result;
        std::string selectedAfter;
    };
    const Case cases[] = {
        {{"7"}, "anything", 0, "anything"},          // one item: it becomes the value
        {{"OFF", "ON"}, "ON", 1, "ON"},
        {{"OFF", "ON"}, "on", -1, "OFF"},            // case-sensitive
        {{"A", "B", "A"}, "A", 0, "A"},              // first occurrence
        {{}, "x", -1, ""},                           // no items: nothing accepted
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CNdChnData cell = MakeCell(c.items);
        EXPECT_EQ(cell.SetSelText(c.text), c.result);
        EXPECT_EQ(cell.GetDataAsString(), c.selectedAfter);
    }
}

TEST(CNdChnData, RemoveItemKeepsTheSelectionOnTheSameItem)
{
    struct Case {
        int sel;
        std::string removed;
        std::string selectedAfter;
        size_t countAfter;
    };
    const Case cases[] = {
        {2, "B", "C", 3},    // before the selection: same item stays selected
        {1, "B", "A", 3},    // the selected item: selection falls back to item 0
        {1, "D", "B", 3},    // after the selection
        {1, "X", "B", 4},    // not there: nothing changes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.removed);
        CNdChnData cell = MakeCell({"A", "B", "C", "D"}, c.sel);
        cell.RemoveItem(c.removed);
        EXPECT_EQ(cell.GetDataAsString(), c.selectedAfter);
        EXPECT_EQ(cell.GetData().size(), c.countAfter);
    }
}

TEST(CNdChnData, PutInsertsInByteOrderAndKeepsTheSelection)
{
    CNdChnData cell = MakeCell({"A", "C"}, 1);
    EXPECT_EQ(cell.Put("B", 0, 0), 2u);
    EXPECT_EQ(cell.GetData(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(cell.GetDataAsString(), "C");

    cell.Put("Z", 0, 0);                      // sorts after everything: appended
    EXPECT_EQ(cell.GetData().back(), "Z");

    CNdChnData list = MakeCell({"OFF"}, 0);
    list.Put("LOG1", 1, 1);                   // from index 1 "OFF" stays first
    list.Put("IN 12", 1, 1);
    list.Put("IN 11", 1, 1);
    EXPECT_EQ(list.GetData(), (std::vector<std::string>{"OFF", "IN 11", "IN 12", "LOG1"}));
    EXPECT_EQ(list.GetDataAsString(), "OFF");

    CNdChnData split = MakeCell({"A"}, 0);
    split.Put("X;Y", 0, 0);                   // appended as AddData: the ";" splits it
    EXPECT_EQ(split.GetData(), (std::vector<std::string>{"A", "X", "Y"}));
}

TEST(CNdChnData, AddDataSplitsLikeStrtok)
{
    struct Case {
        std::string list;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {"OFF;1;2", {"OFF", "1", "2"}},
        {"", {""}},
        {";;a;;b;", {"a", "b"}},
        {";;", {""}},
        {"<;>;\xB1", {"<", ">", "\xB1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        CNdChnData cell;
        EXPECT_EQ(cell.AddData(c.list), c.items.size());
        EXPECT_EQ(cell.GetData(), c.items);
        EXPECT_EQ(cell.m_nCurSel, 0);
    }
}

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
    EXPECT_EQ(dst.GetDataAsString(), "ON");
    EXPECT_EQ(dst.m_nTextLen, 4);
    EXPECT_EQ(dst.m_crBkColour, 0x123456u);
    EXPECT_EQ(dst.m_bEditable, 0);
}

TEST(CNdChnData, RecordRoundTripAndTheDegreeSignRepair)
{
    CNdChnData cell(DT_REAL, 1, CTRL_LIST, CLR_GRID_DEFAULT);
    cell.SetPropName("LCDU");
    cell.GetData() = {"", "\xDF" "C", "bar"};
    cell.m_nCurSel = 2;
    CArchive out;
    cell.DoFileReadWrite(out, 3);

    CArchive in(out.GetBuffer());
    CNdChnData read;
    read.m_nTextLen = 4;
    read.DoFileReadWrite(in, 3);
    EXPECT_EQ(read.GetName(), "LCDU");
    EXPECT_EQ(read.m_nDataType, DT_REAL);
    EXPECT_EQ(read.m_nStyle, CTRL_LIST);
    EXPECT_EQ(read.GetData(), (std::vector<std::string>{"", "\xB0" "C", "bar"}));
    EXPECT_EQ(read.GetDataAsString(), "bar");
    EXPECT_EQ(read.m_nTextLen, 4);  // not stored: the reader keeps its own

    CArchive again;
    read.DoFileReadWrite(again, 3);
    EXPECT_NE(again.GetBuffer(), out.GetBuffer());  // the degree sign is written as 0xB0 now
}

TEST(CNdChnData, RecordWithoutItemsReadsAsEmptyText)
{
    CArchive out;
    out.WriteString("x");
    out.WriteInt16(30);
    out.WriteInt32(0);
    out.WriteInt32(3);
    out.WriteInt32(0);
    out.WriteInt32(0);
    CArchive in(out.GetBuffer());
    CNdChnData cell = MakeCell({"old"});
    cell.DoFileReadWrite(in, 3);
    EXPECT_TRUE(cell.GetData().empty());
    EXPECT_EQ(cell.GetDataAsString(), "");
}
