#include <gtest/gtest.h>

#include "driver/convert.hpp"
#include "driver/passes.hpp"

namespace {

struct Outcome {
    int result;
    std::string lineText;
    std::string lineComment;
    std::string out;
};

// Runs the comment pass on `line` (as the driver hands it over: trimmed,
// tabs already expanded) with `following` as the rest of the input.
Outcome RunComments(const std::string& line, const std::string& following = "") {
    xlat::Translator t;
    t.in = xlat::LineSource(following);
    t.lineText = line;
    int result = xlat::ConvertComments(t);
    return {result, t.lineText, t.lineComment, t.out};
}

TEST(ConvertComments, WholeLineCommentsAndBlankLinesAreWritten) {
    EXPECT_EQ(RunComments("// note").out, "' note\n");
    EXPECT_EQ(RunComments("//note").out, "'note\n");
    EXPECT_EQ(RunComments("//").out, "'\n");
    EXPECT_EQ(RunComments("/* note */").out, "' note \n");
    Outcome blank = RunComments("");
    EXPECT_EQ(blank.result, 0);
    EXPECT_EQ(blank.out, "\n");
}

TEST(ConvertComments, TrailingCommentsOfBothKindsGoToLineComment) {
    for (const char* line : {"x = 1; // set x", "x = 1; /* set x */"}) {
        Outcome o = RunComments(line);
        EXPECT_EQ(o.result, 1) << line;
        EXPECT_EQ(o.lineText, "x = 1;") << line;
        EXPECT_EQ(o.out, "") << line;
    }
    EXPECT_EQ(RunComments("x = 1; // set x").lineComment, " set x");
    EXPECT_EQ(RunComments("x = 1; /* set x */").lineComment, " set x ");
}

TEST(ConvertComments, DivisionAndSpacedSlashes) {
    Outcome half = RunComments("a = b / c; // half");
    EXPECT_EQ(half.lineText, "a = b / c;");
    EXPECT_EQ(half.lineComment, " half");
    // The single blank between the slashes does not keep them apart.
    Outcome spaced = RunComments("a = b / /c;");
    EXPECT_EQ(spaced.lineText, "a = b");
    EXPECT_EQ(spaced.lineComment, "c;");
    Outcome none = RunComments("a = b / c;");
    EXPECT_EQ(none.result, 1);
    EXPECT_EQ(none.lineText, "a = b / c;");
    EXPECT_EQ(none.lineComment, "");
}

TEST(ConvertComments, SlashesInsideLiteralsAreNoComment) {
    Outcome s = RunComments("s = \"a//b\";");
    EXPECT_EQ(s.lineText, "s = \"a//b\";");
    EXPECT_EQ(s.lineComment, "");
    // A complete block comment is turned into slashes even inside a literal;
    // they then stand inside the literal and stay there.
    Outcome p = RunComments("printf(\"/* x */\");");
    EXPECT_EQ(p.lineText, "printf(\"// x \");");
    EXPECT_EQ(p.lineComment, "");
    Outcome after = RunComments("s = \"a//b\"; // why");
    EXPECT_EQ(after.lineText, "s = \"a//b\";");
    EXPECT_EQ(after.lineComment, " why");
}

TEST(ConvertComments, SlashCharacterLiteralIsProtected) {
    Outcome o = RunComments("if (c == '/') n++; // count");
    EXPECT_EQ(o.lineText, "if (c == 47) n++;");
    EXPECT_EQ(o.lineComment, " count");
    // Inside a string literal the three characters stay as they are.
    EXPECT_EQ(RunComments("s = \"'/'\";").lineText, "s = \"'/'\";");
}

TEST(ConvertComments, BlockCommentOverSeveralLines) {
    Outcome o = RunComments("/* Start", "middle\r\n\tindented\r\nend */\r\nx = 1;\r\n");
    EXPECT_EQ(o.result, 0);
    EXPECT_EQ(o.out, "'  Start\n'middle\n'indented\n' end \n");
    // The closer may be written with a blank inside it.
    EXPECT_EQ(RunComments("/* a", "b * /\r\n").out, "'  a\n' b \n");
    // A closer counts only on the lines read after the opening one.
    EXPECT_EQ(RunComments("/* a", "*/\r\n").out, "'  a\n' \n");
}

TEST(ConvertComments, BlockCommentAfterCodeIsLeftAlone) {
    Outcome o = RunComments("x = 1; /* start");
    EXPECT_EQ(o.result, 1);
    EXPECT_EQ(o.lineText, "x = 1; /* start");
}

TEST(ConvertComments, UnclosedBlockCommentStops) {
    xlat::Translator t;
    t.in = xlat::LineSource("more\r\n");
    t.lineText = "/* open";
    try {
        xlat::ConvertComments(t);
        FAIL() << "no stop";
    } catch (const xlat::FatalStop& stop) {
        EXPECT_EQ(stop.message, "Sorry: We got lost formating comments");
    }
    EXPECT_EQ(t.out, "'  open\n'more\n");
}

TEST(ConvertComments, UnclosedBlockCommentStopsTheConversion) {
    xlat::Conversion c = xlat::TranslateSource("/* never\r\nclosed\r\n", "");
    EXPECT_EQ(c.verdict, xlat::Verdict::Fatal);
    EXPECT_EQ(c.message, "Sorry: We got lost formating comments");
    EXPECT_EQ(c.text, "'  never\n'closed\n");
}

}  // namespace
