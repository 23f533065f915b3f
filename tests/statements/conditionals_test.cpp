#include <gtest/gtest.h>

#include "flow_test_util.hpp"

namespace {

TEST(TranslateIf, BracedHeaderGetsThenAndArmsEndIf) {
    xlat::Translator t;
    SetLine(t, "if (a == b) {");
    EXPECT_EQ(xlat::TranslateIf(t), 1);
    EXPECT_EQ(Tokens(t), "[IF][][a][==][b][][{][THEN]");
    EXPECT_EQ(t.pendingBlock.closer, "END IF");
    EXPECT_EQ(t.pendingBlock.autoClose, 0);
}

TEST(TranslateIf, BodyWithoutBracesMovesToPendingWithClosingBrace) {
    xlat::Translator t;
    t.pendingText = "z ;";
    SetLine(t, "if (x) y = 1;");
    xlat::TranslateIf(t);
    EXPECT_EQ(Tokens(t), "[IF][][x][][THEN][{]");
    EXPECT_EQ(t.pendingText, "y = 1 ; }z ;");
}

TEST(TranslateIf, InnerStatementBeforeBraceClosesWithIt) {
    xlat::Translator t;
    SetLine(t, "if (c) while (d) {");
    xlat::TranslateIf(t);
    EXPECT_EQ(Tokens(t), "[IF][][c][][{][THEN]");
    EXPECT_EQ(t.pendingText, "while ( d ) { ");
    EXPECT_EQ(t.pendingBlock.autoClose, 1);
}

TEST(TranslateIf, UnbalancedHeaderOnlyGetsThen) {
    xlat::Translator t;
    SetLine(t, "if (x y;");
    xlat::TranslateIf(t);
    EXPECT_EQ(Tokens(t), "[IF][][x][y][;]");
    EXPECT_EQ(t.pendingText, "");
}

TEST(TranslateElse, ElseIfIsHandedBackAsElseIf) {
    xlat::Translator t;
    SetLine(t, "else if (k > 2) {");
    EXPECT_EQ(xlat::TranslateElse(t), 0);
    EXPECT_EQ(Tokens(t), "[ELSEIF][(][k][>][2][)][{]");
    EXPECT_EQ(t.pendingBlock.closer, "END IF");
}

TEST(TranslateElse, PlainElseSendsItsBodyInBracesAheadOfWaitingText) {
    xlat::Translator t;
    t.pendingText = "w ;";
    SetLine(t, "else x = 0;");
    EXPECT_EQ(xlat::TranslateElse(t), 1);
    EXPECT_EQ(Tokens(t), "[ELSE]");
    EXPECT_EQ(t.pendingText, "{x = 0 ; }w ;");

    xlat::Translator u;
    SetLine(u, "else {");
    xlat::TranslateElse(u);
    EXPECT_EQ(u.pendingText, "{{ }");
}

TEST(TranslateCase, LabelListAndStatement) {
    xlat::Translator t;
    SetLine(t, "case 1: case 2: n++;");
    EXPECT_EQ(xlat::TranslateCase(t), 1);
    EXPECT_EQ(Tokens(t), "[CASE][1][,][2]");
    EXPECT_EQ(t.pendingText, "n + + ; ");
}

TEST(TranslateCase, FinalTokenDroppedEvenWithoutColon) {
    xlat::Translator t;
    SetLine(t, "case 7 x");
    xlat::TranslateCase(t);
    EXPECT_EQ(Tokens(t), "[CASE][7]");
}

}  // namespace
