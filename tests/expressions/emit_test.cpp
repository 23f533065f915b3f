#include <gtest/gtest.h>

#include "driver/passes.hpp"

using namespace xlat;

namespace {
std::string Emit(const std::string& line, const std::string& comment = "", int backslash = 0) {
    Translator t;
    t.lineText = line;
    t.lineComment = comment;
    t.backslashInString = backslash;
    EmitLine(t);
    EXPECT_TRUE(t.lineText.empty());
    EXPECT_TRUE(t.lineComment.empty());
    EXPECT_EQ(t.backslashInString, 0);
    return t.out;
}
}  // namespace

TEST(EmitLine, CommentColumnFollowsTheLineLength) {
    EXPECT_EQ(Emit("x = 1", " count "), "x = 1" + std::string(55, ' ') + "'count\n");
    EXPECT_EQ(Emit("0123456789", "c"), "0123456789" + std::string(60, ' ') + "'c\n");
    EXPECT_EQ(Emit(std::string(19, 'x'), "c"), std::string(19, 'x') + std::string(51, ' ') + "'c\n");
    EXPECT_EQ(Emit("", "c"), std::string(60, ' ') + "'c\n");
}

TEST(EmitLine, EmptyLinesWriteNothingButTheBackslashBrackets) {
    EXPECT_EQ(Emit(""), "");
    EXPECT_EQ(Emit("   "), "");
    EXPECT_EQ(Emit("", "", 1), "$IPRINT_OFF\n$IPRINT_ON\n");
    EXPECT_EQ(Emit("s = \"a\\tb\"", "", 1), "$IPRINT_OFF\ns = \"a\\tb\"\n$IPRINT_ON\n");
}

TEST(EmitLine, AdjacentLiteralsAreFused) {
    EXPECT_EQ(Emit("s = \"ab\" \"cd\""), "s = \"abcd\"\n");
    EXPECT_EQ(Emit("s = \"a\" \"b\" \"c\""), "s = \"abc\"\n");
    EXPECT_EQ(Emit("s = \"x\" + \" \" + \"y\""), "s = \"x\" + \" \" + \"y\"\n");
    EXPECT_EQ(Emit("x = 1", "say \"a\" \"b\""), "x = 1" + std::string(55, ' ') + "'say \"ab\"\n");
}
