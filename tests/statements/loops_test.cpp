#include <gtest/gtest.h>

#include "driver/convert.hpp"
#include "flow_test_util.hpp"

namespace {

TEST(TranslateWhile, BracedAndBracelessBodies) {
    xlat::Translator t;
    SetLine(t, "while (p != NULL) {");
    EXPECT_EQ(xlat::TranslateWhile(t), 1);
    EXPECT_EQ(Tokens(t), "[WHILE][][p][!=][NULL][][{]");
    EXPECT_EQ(t.pendingBlock.closer, "WEND");

    xlat::Translator u;
    SetLine(u, "while (n) n--;");
    xlat::TranslateWhile(u);
    EXPECT_EQ(Tokens(u), "[WHILE][][n][][{]");
    EXPECT_EQ(u.pendingText, "n - - ;  } ");
}

TEST(TranslateWhile, EmptyBodyWritesLoopAtOnce) {
    xlat::Translator t;
    SetLine(t, "while (busy());");
    EXPECT_EQ(xlat::TranslateWhile(t), 0);
    EXPECT_EQ(t.out, "WHILE (busy ())\nWEND\n");
    EXPECT_EQ(t.pendingBlock.closer, "");
}

TEST(TranslateWhile, TrailingBraceGoesBackAndUnbalancedHeaderStays) {
    xlat::Translator t;
    SetLine(t, "while (x y; }");
    xlat::TranslateWhile(t);
    EXPECT_EQ(t.pendingText, "}");
    EXPECT_EQ(Tokens(t), "[WHILE][][x][y][;]");
}

TEST(TranslateFor, WritesInitAndConditionAndPushesStep) {
    xlat::Translator t;
    SetLine(t, "for (i = 0, j = 9; i < j; i++, j--) x++;");
    EXPECT_EQ(xlat::TranslateFor(t), 0);
    ASSERT_EQ(t.BlockDepth(), 1);
    EXPECT_EQ(t.TopBlock()->closer, "i++ : j--");
    EXPECT_EQ(t.pendingBlock.closer, "NEXT");
    EXPECT_EQ(t.pendingText, "{x + + ; }");
    EXPECT_TRUE(t.out.ends_with("WHILE i<j\n"));
}

TEST(TranslateFor, StatementOpeningABlockCarriesTheLoopClose) {
    xlat::Translator t;
    t.pendingText = "rest";
    SetLine(t, "for (i = 0; i < n; i++) if (a) {");
    xlat::TranslateFor(t);
    EXPECT_EQ(t.pendingText, "{ if ( a ) { rest");
    EXPECT_EQ(t.pendingBlock.closer, "NEXT");
    EXPECT_EQ(t.pendingBlock.autoClose, 1);
}

TEST(TranslateFor, UnfinishedHeaderJoinsNextLineOrStops) {
    xlat::Translator t;
    t.in = xlat::LineSource("i < n;\n");
    SetLine(t, "for (i = 0;");
    EXPECT_EQ(xlat::TranslateFor(t), 0);
    EXPECT_EQ(t.pendingText, "for (i = 0;i < n;");
    EXPECT_EQ(t.out, "");

    xlat::Translator u;
    SetLine(u, "for (i = 0;");
    EXPECT_THROW(xlat::TranslateFor(u), xlat::FatalStop);
}

}  // namespace
