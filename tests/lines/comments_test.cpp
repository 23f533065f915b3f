#include <gtest/gtest.h>

#include "driver/passes.hpp"

namespace {

// Runs the comment pass on `line` with `following` as the rest of the input.
xlat::Translator RunComments(const std::string& line, const std::string& following = "") {
    xlat::Translator t;
    t.in = xlat::LineSource(following);
    t.lineText = line;
    xlat::ConvertComments(t);
    return t;
}

TEST(ConvertComments, OnlyTwoSlashesInARowBeginAComment) {
    xlat::Translator half = RunComments("a = b / c; // half");
    EXPECT_EQ(half.lineText, "a = b / c;");
    EXPECT_EQ(half.lineComment, " half");
    // The single blank between the slashes does not keep them apart.
    xlat::Translator spaced = RunComments("a = b / /c;");
    EXPECT_EQ(spaced.lineText, "a = b");
    EXPECT_EQ(spaced.lineComment, "c;");
}

TEST(ConvertComments, BlockCommentOverSeveralLines) {
    xlat::Translator t = RunComments("/* Start", "middle\r\n\tindented\r\nend */\r\nx = 1;\r\n");
    EXPECT_EQ(t.out, "'  Start\n'middle\n'indented\n' end \n");
    // The closer may be written with a blank inside it.
    EXPECT_EQ(RunComments("/* a", "b * /\r\n").out, "'  a\n' b \n");
}

}  // namespace
