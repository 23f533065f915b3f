#include <gtest/gtest.h>

#include "flow_test_util.hpp"

namespace {

TEST(TranslateIf, BracedHeaderGetsThenAfterItsBrace) {
    xlat::Translator t;
    SetLine(t, "if (a == b) {");
    EXPECT_EQ(xlat::TranslateIf(t), xlat::PassResult::GoOn);
    EXPECT_EQ(Tokens(t), "[IF][][a][==][b][][{][THEN]");
}

TEST(TranslateElseAndCase, BodiesAndLabelLists) {
    xlat::Translator t;
    t.pendingText = "w ;";
    SetLine(t, "else x = 0;");
    EXPECT_EQ(xlat::TranslateElse(t), xlat::PassResult::GoOn);
    EXPECT_EQ(t.pendingText, "{x = 0 ; }w ;");
    xlat::Translator c;
    SetLine(c, "case 1: case 2: n++;");
    xlat::TranslateCase(c);
    EXPECT_EQ(Tokens(c), "[CASE][1][,][2]");
}

TEST(TranslateWhile, EmptyBodyWritesLoopAtOnce) {
    xlat::Translator t;
    SetLine(t, "while (busy());");
    EXPECT_EQ(xlat::TranslateWhile(t), xlat::PassResult::LineDone);
    EXPECT_EQ(t.out, "WHILE (busy ())\nWEND\n");
    EXPECT_EQ(t.pendingBlock.closer, "");
}

// The statement after the header goes ahead of the text already waiting.
TEST(TranslateFor, StatementOpeningABlockCarriesTheLoopClose) {
    xlat::Translator t;
    t.pendingText = "rest";
    SetLine(t, "for (i = 0; i < n; i++) if (a) {");
    xlat::TranslateFor(t);
    EXPECT_EQ(t.pendingText, "{ if ( a ) { rest");
}

TEST(TranslateDefine, MacrosKeepTheirCommentAndContinuedLines) {
    xlat::Translator t;
    t.lineComment = " sq";
    SetLine(t, "#define SQR(x) ((x)*(x))");
    EXPECT_EQ(xlat::TranslateDefine(t), xlat::PassResult::LineDone);
    EXPECT_EQ(t.out, "   '  sq\n$HEADER\n#define SQR ( x ) ( ( x ) * ( x ) )\n$HEADER\n");
    xlat::Translator u;
    u.in = xlat::LineSource("  a = 1; \\\n  b = 2;\nc = 3;\n");
    SetLine(u, "#define INIT \\");
    xlat::TranslateDefine(u);
    EXPECT_EQ(u.out, "$HEADER\n#define INIT \\\n  a = 1; \\\n  b = 2;\n$HEADER\n");
}

}  // namespace
