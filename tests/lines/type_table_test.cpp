#include <gtest/gtest.h>

#include "lines/type_table.hpp"

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
