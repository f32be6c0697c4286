// Channel names, their indices and the choice-string picker.
#include "model/ChannelNames.h"

#include <gtest/gtest.h>

TEST(ChannelNames, PhysicalNames)
{
    const std::pair<int, std::string> names[] = {
        {0, "NON"}, {1, "IN 11"}, {3, "IN 13"}, {4, "IN 21"}, {24, "IN 83"}, {25, ""}, {-1, ""}};
    for (const auto& [index, name] : names)
        EXPECT_EQ(GetPhChnName(index), name) << index;
    EXPECT_EQ(GetPhChnIndex("IN 21"), 4);
    EXPECT_EQ(GetPhChnIndex("in 21"), -1);
    EXPECT_EQ(GetPhChnIndex("NON"), 0);
    EXPECT_EQ(GetPhChnIndex("IN 84"), -1);
}

TEST(ChannelNames, LogicalNamesCompareByTheirFirstFourCharacters)
{
    const std::pair<int, std::string> names[] = {
        {3, "LOG3"}, {0, "NON"}, {12, "LOG1"}, {8, "LOG8"}, {25, ""}};
    for (const auto& [index, name] : names)
        EXPECT_EQ(GetLogChnName(index), name) << index;
    const std::pair<std::string, int> indices[] = {
        {"LOG8 (3B)", 8}, {"LOG8", 8}, {"LOG12", 1}, {"LOG", -1}, {"LOG1xyz", 1}, {"IN 11", -1}, {"NON", 0}};
    for (const auto& [name, index] : indices)
        EXPECT_EQ(GetLogChnIndex(name), index) << name;
}

TEST(ChannelNames, PieceOfAChoiceString)
{
    EXPECT_EQ(GetStrOfIndex("OFF;1;2", 2), "2");
    EXPECT_EQ(GetStrOfIndex("OFF;1;2", 0), "OFF");
    EXPECT_EQ(GetStrOfIndex("OFF;1;2", 3), " ");
    EXPECT_EQ(GetStrOfIndex("", 0), " ");
    EXPECT_EQ(GetStrOfIndex(";;", 0), " ");
    EXPECT_EQ(GetStrOfIndex(";a;;b", 1), "b");
    EXPECT_EQ(GetStrOfIndex("a", -1), " ");
}
