#include <gtest/gtest.h>

#include "../statements/flow_test_util.hpp"

namespace {

TEST(TranslateKeywords, RewritesWordsAnywhereInTheLine) {
    xlat::Translator t;
    SetLine(t, "if ( x ) break ; continue ; delete p ; goto l ; n = sizeof ( int ) ; INT Break");
    EXPECT_EQ(xlat::TranslateKeywords(t), 1);
    EXPECT_EQ(Tokens(t),
              "[if][(][x][)][EXIT LOOP][;][ITERATE][;][free(][p][)][;][GOTO][l][;][n][=][sizeof][(][INTEGER][)][;]"
              "[INT][Break]");
}

TEST(TranslateKeywords, FarOnlyBeforeStarAndInlineOnlyBeforeType) {
    xlat::Translator t;
    SetLine(t, "inline char FAR * p FAR q");
    xlat::TranslateKeywords(t);
    EXPECT_EQ(Tokens(t), "[char][*][p][FAR][q]");
    SetLine(t, "inline foo");
    xlat::TranslateKeywords(t);
    EXPECT_EQ(Tokens(t), "[inline][foo]");
}

TEST(TranslateKeywords, ConditionalOperatorWritesRawLineWithComment) {
    xlat::Translator t;
    t.lineComment = " max";
    SetLine(t, "x = a > b ? a : b ;");
    EXPECT_EQ(xlat::TranslateKeywords(t), 0);
    EXPECT_EQ(t.out, "' max\n!x = a > b ? a : b ;\n");

    xlat::Translator u;  // no ":" after the "?": nothing happens
    SetLine(u, "x = a ? b ;");
    EXPECT_EQ(xlat::TranslateKeywords(u), 1);
    EXPECT_EQ(u.out, "");
}

TEST(TranslateKeywords, RawLineKeepsTheEffectOfItsBraces) {
    xlat::Translator t;
    t.pendingBlock.closer = "END SELECT";
    SetLine(t, "SELECT CASE ( a ? b : c ) {");
    xlat::TranslateKeywords(t);
    ASSERT_EQ(t.BlockDepth(), 1);
    EXPECT_EQ(t.TopBlock()->closer, "END SELECT");
    EXPECT_EQ(t.pendingBlock.closer, "");

    SetLine(t, "} x = a ? b : c ;");
    xlat::TranslateKeywords(t);
    EXPECT_EQ(t.BlockDepth(), 0);
    EXPECT_TRUE(t.out.ends_with("END SELECT\n"));
}

TEST(PassRawConditionalHeader, OnlyWhenTheOperatorIsInsideTheHeader) {
    xlat::Translator t;
    SetLine(t, "if (a ? b : c) {");
    EXPECT_EQ(xlat::PassRawConditionalHeader(t), 0);
    ASSERT_EQ(t.BlockDepth(), 1);
    EXPECT_EQ(t.TopBlock()->closer, "!}");

    xlat::Translator u;
    SetLine(u, "if (a) x = b ? c : d;");
    EXPECT_EQ(xlat::PassRawConditionalHeader(u), 1);
    SetLine(u, "for (i = a ? 1 :");
    EXPECT_EQ(xlat::PassRawConditionalHeader(u), 1);
    EXPECT_EQ(u.out, "");
}

}  // namespace
