#include <gtest/gtest.h>

#include "runtime/strings.hpp"

using namespace xlat;

TEST(Strings, SlicesUseOneBasedPositionsAndClampAtTheEnds) {
    EXPECT_EQ(Mid("abc", 0, 2), "");
    EXPECT_EQ(Mid("abc", 3, -1), "c");
    EXPECT_EQ(Mid("abc", 4, 1), "");
    EXPECT_EQ(Mid("abc", 2, 10), "bc");
    EXPECT_EQ(Left("abc", 0), "");
    EXPECT_EQ(Left("abc", 5), "abc");
    EXPECT_EQ(Left("abc", -1), "");
    EXPECT_EQ(Right("abc", 5), "abc");
    EXPECT_EQ(Right("abc", 2), "bc");
}

TEST(Strings, TrimAndSqueezeUseTheirOwnWhiteSpaceClasses) {
    EXPECT_EQ(Trim("\f x \f"), "\f x \f");
    EXPECT_EQ(Trim(" \t\r\n\v x \r\n"), "x");
    EXPECT_EQ(Squeeze("\f a"), "a");
    EXPECT_EQ(Squeeze("a\t  b"), "a\tb");
    EXPECT_EQ(Squeeze("  a   b  "), "a b");
    EXPECT_EQ(Squeeze(""), "");
    EXPECT_EQ(LTrim("\t\t x", '\t'), "x");
    EXPECT_EQ(RTrim("x : : ", ':'), "x");
    EXPECT_EQ(RTrim("", ':'), "");
}

TEST(Strings, ExtractReplaceRemove) {
    EXPECT_EQ(Extract("file.c.txt", "."), "file");
    EXPECT_EQ(Extract("file", "."), "file");
    EXPECT_EQ(Replace("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(Replace("a--b--", "--", "-"), "a-b-");
    EXPECT_EQ(Replace("abc", "", "x"), "abc");
    EXPECT_EQ(Remove("aabb", "ab"), "");
    EXPECT_EQ(Remove("x*/y*/", "*/"), "xy");
    EXPECT_EQ(Remove("\\\\a\\", "\\"), "a");
}

TEST(Strings, CaseConversions) {
    EXPECT_EQ(UCase("aBc1"), "ABC1");
    EXPECT_EQ(LCase("aBc1"), "abc1");
    EXPECT_EQ(MCase("hello world2abc"), "Hello World2Abc");
    EXPECT_EQ(MCase("DIR/FOO.BAS"), "Dir/Foo.Bas");
    // Only the ASCII letters change: other bytes stay as they are.
    EXPECT_EQ(UCase("a\xE9z_"), "A\xE9Z_");
    EXPECT_EQ(LCase("A\xC9Z@"), "a\xC9z@");
    EXPECT_TRUE(LCaseEquals("WndProc", "wndproc"));
    EXPECT_FALSE(LCaseEquals("\xC9", "\xE9"));
    EXPECT_FALSE(LCaseEquals("wndproc", "WNDPROC"));
}

TEST(Strings, SearchesAndCounts) {
    EXPECT_EQ(InStr("abcabc", "c", 4), 6);
    EXPECT_EQ(InStr("abcabc", "c", 7), 0);
    EXPECT_EQ(InStr("abcabc", "c", 0), 3);
    EXPECT_EQ(InStr("ABC", "b", 1, true), 2);
    EXPECT_EQ(InStr("ABC", "b", 1, false), 0);
    EXPECT_EQ(InStr("", "a"), 0);
    EXPECT_EQ(InStr("a", ""), 0);
    EXPECT_EQ(Tally("say \"hi\"", "\""), 2);
    EXPECT_EQ(Tally("aaa", "aa"), 2);
    EXPECT_EQ(Tally("aaa", ""), 0);
}

TEST(Strings, Builders) {
    EXPECT_EQ(Join({"a", "", "bc"}), "abc");
    EXPECT_EQ(Space(3), "   ");
    EXPECT_EQ(Space(-1), "");
}
