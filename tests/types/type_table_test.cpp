#include <gtest/gtest.h>

#include "runtime/strings.hpp"
#include "types/type_table.hpp"

using namespace xlat;

TEST(TypeTable, BuiltInNamesAreCaseSensitive) {
    TypeTable table;
    EXPECT_EQ(table.TypeCount(), 36);
    EXPECT_TRUE(table.Contains("HDC"));
    EXPECT_TRUE(table.Contains("INTEGER"));
    EXPECT_FALSE(table.Contains("hdc"));
    EXPECT_FALSE(table.Contains("unsigned"));
    EXPECT_FALSE(table.Contains("FILE"));
}

TEST(TypeTable, ExtraNamesAreTrimmedAndAddedOnce) {
    TypeTable table;
    table.LoadNames("HFONT\n\n  HBRUSH\t\r\nHFONT\n'\nint\n' a remark\r\nLAST");
    EXPECT_EQ(table.TypeCount(), 40);
    EXPECT_EQ(table.Names()[37], "HFONT");
    EXPECT_EQ(table.Names()[38], "HBRUSH");
    EXPECT_EQ(table.Names()[39], "' a remark");
    EXPECT_EQ(table.Names()[40], "LAST");
    table.LoadNames("");
    EXPECT_EQ(table.TypeCount(), 40);
}

// Many names force the set to grow several times; each must still be found
// (also a name that differs from a known one in its last character only),
// and a copy of a table keeps what it learnt.
TEST(TypeTable, LearntNamesSurviveGrowthAndCopies) {
    TypeTable table;
    for (int i = 0; i < 500; ++i) table.Add(Join({"T", std::to_string(i)}));
    table.Add("T7");  // again: harmless
    TypeTable copy = table;
    for (const TypeTable* t : {&table, &copy}) {
        EXPECT_TRUE(t->Contains("T0"));
        EXPECT_TRUE(t->Contains("T499"));
        EXPECT_TRUE(t->Contains("HDC"));
        EXPECT_FALSE(t->Contains("T500"));
        EXPECT_FALSE(t->Contains("T"));
        EXPECT_FALSE(t->Contains(""));
    }
}
