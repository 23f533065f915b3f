#include <gtest/gtest.h>

#include "comments/comments.hpp"
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

std::string Closed(std::string line, bool startsInString = false) {
    xlat::TurnClosedBlockComment(line, startsInString);
    return line;
}

TEST(CommentMarks, InsideLiteralsAreText) {
    EXPECT_EQ(Closed("g(s, \"/*\", \"*/\");"), "g(s, \"/*\", \"*/\");");
    EXPECT_EQ(Closed("puts(\"*/\"); x */"), "puts(\"*/\"); x ");  // a closer that closes nothing goes
    // A double quote in a character literal opens no string.
    EXPECT_EQ(Closed("case '\"':   /* q */"), "case '\"':   // q ");
    EXPECT_EQ(Closed("case '\\'': /* q */"), "case '\\'': // q ");
    // Text that goes on a string opened before it.
    EXPECT_EQ(Closed("a */ b\" /* c */", true), "a */ b\" // c ");
    EXPECT_TRUE(xlat::OpensUnclosedBlockComment("x; /* a"));
    EXPECT_FALSE(xlat::OpensUnclosedBlockComment("s = \"/* a\";"));

    std::string line = "x = '\"'; p = \"//\"; // q";
    std::string comment;
    EXPECT_TRUE(xlat::CutTrailingComment(line, comment));
    EXPECT_EQ(line, "x = '\"'; p = \"//\";");
    EXPECT_EQ(comment, " q");
    line = "s = \"// not\";";
    EXPECT_FALSE(xlat::CutTrailingComment(line, comment));
    line = "a\"; b // c";  // the end of a literal opened before
    EXPECT_FALSE(xlat::CutTrailingComment(line, comment));
    EXPECT_TRUE(xlat::CutTrailingComment(line, comment, true));
    EXPECT_EQ(line, "a\"; b");
}

}  // namespace
