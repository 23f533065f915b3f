#include <gtest/gtest.h>

#include "driver/passes.hpp"
#include "lines/directives.hpp"

namespace {

TEST(DirectiveLines, NamesAndDeadCodeStart) {
    EXPECT_TRUE(xlat::IsDirectiveLine(" \t# if X"));
    EXPECT_FALSE(xlat::IsDirectiveLine("x = 1; #"));
    EXPECT_EQ(xlat::DirectiveName("#  define X"), "define");
    EXPECT_EQ(xlat::DirectiveName("#endif/* x */"), "endif");
    EXPECT_TRUE(xlat::StartsDeadCode("#if 0"));
    EXPECT_TRUE(xlat::StartsDeadCode("#if  0 "));
    EXPECT_FALSE(xlat::StartsDeadCode("#if 01"));
    EXPECT_FALSE(xlat::StartsDeadCode("#ifdef 0"));
}

// The dead branch ends at the #else of its own #if, not at the nested ones.
TEST(DirectiveLines, DeadCodeCountsNestedConditionals) {
    xlat::Translator t;
    t.in = xlat::LineSource("#ifndef A\n#else\n\t}\n# endif\n#elif B\nnext\n");
    EXPECT_EQ(xlat::PassDeadCode(t, true), "#elif B");
    EXPECT_EQ(t.out, "'#ifndef A\n'#else\n'   }\n'# endif\n");
    EXPECT_EQ(t.ReadLine(), "next");

    xlat::Translator quiet;
    quiet.in = xlat::LineSource("a {\n");
    EXPECT_EQ(xlat::PassDeadCode(quiet, false), "");
    EXPECT_EQ(quiet.out, "");
}

TEST(DirectiveLines, ContinuedDirectiveJoinsWithSingleBlanks) {
    xlat::Translator t;
    t.in = xlat::LineSource("\t  B \\\n  || C\nnext\n");
    EXPECT_EQ(xlat::JoinContinuedDirective(t, "#if A &&\t\\"), "#if A && B || C");
    EXPECT_EQ(t.ReadLine(), "next");

    // At the end of the input the backslash is dropped.
    xlat::Translator end;
    EXPECT_EQ(xlat::JoinContinuedDirective(end, "#error stop \\"), "#error stop");

    // A macro keeps its lines: they are copied inside its $HEADER pair.
    xlat::Translator macro;
    macro.in = xlat::LineSource("x\n");
    EXPECT_EQ(xlat::JoinContinuedDirective(macro, "# define M \\"), "# define M \\");
    EXPECT_EQ(macro.ReadLine(), "x");
}

TEST(DirectiveLines, ProbeTellsWhatTheDirectivePassesWouldDo) {
    xlat::DirectiveOutcome extra = xlat::ProbeDirective("#ifdef A else {");
    EXPECT_TRUE(extra.consumed);
    EXPECT_EQ(extra.sentOn, "else {");
    EXPECT_TRUE(xlat::ProbeDirective("#if 0 // off").startsDeadCode);
    EXPECT_TRUE(xlat::ProbeDirective("#include \"a.h\"").consumed);
    EXPECT_FALSE(xlat::ProbeDirective("#pragma once").consumed);
    EXPECT_FALSE(xlat::ProbeDirective("#define X 1").consumed);
}

// The current line and its tokens survive a directive handled in between.
TEST(DirectiveLines, RunNowKeepsTheCurrentLine) {
    xlat::Translator t;
    t.lineText = "} ;";
    xlat::Tokenize(t, xlat::kMainDelimiters);
    t.lineComment = " end";
    EXPECT_TRUE(xlat::RunDirectiveNow(t, "\t#ifdef W // win"));
    EXPECT_EQ(t.out, "$IF W\n");
    EXPECT_EQ(t.lineText, "} ;");
    EXPECT_EQ(t.lastToken, 1);
    EXPECT_EQ(t.TokAt(0), "}");
    EXPECT_EQ(t.lineComment, " end win");
}

}  // namespace
