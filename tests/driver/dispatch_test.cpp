#include <gtest/gtest.h>

#include "driver/passes.hpp"

namespace {

// Tokenizes a statement, dispatches it and writes what goes on.
std::string Dispatch(xlat::Translator& t, const std::string& text) {
    t.lineText = text;
    xlat::Tokenize(t, xlat::kMainDelimiters);
    if (!xlat::DispatchStatement(t)) return "<finished>";
    xlat::RewriteExpression(t);
    std::string out = t.out;
    t.out.clear();
    return out;
}

TEST(DispatchStatement, SwitchAndDoArmTheirClosers) {
    xlat::Translator t;
    EXPECT_EQ(Dispatch(t, "switch ( n ) {"), "SELECT CASE (n)\n");
    EXPECT_EQ(t.TopBlock()->closer, "END SELECT");
    EXPECT_EQ(Dispatch(t, "do {"), "DO\n");
    EXPECT_EQ(t.TopBlock()->closer, "LOOP");
}

TEST(DispatchStatement, BreakLeavesASwitchQuietlyAndAnyOtherBlockAsExitLoop) {
    xlat::Translator t;
    EXPECT_EQ(Dispatch(t, "break ;"), "EXIT LOOP\n");
    t.PushBlock({"END SELECT", 0, ""});
    EXPECT_EQ(Dispatch(t, "break ;"), "");
    t.PushBlock({"END IF", 0, ""});
    EXPECT_EQ(Dispatch(t, "break ;"), "EXIT LOOP\n");
}

TEST(DispatchStatement, ExternAndConst) {
    xlat::Translator t;
    t.beforeFirstFunction = 0;
    EXPECT_EQ(Dispatch(t, "extern int x ;"), "DIM RAW x AS INTEGER\n");
    // const drops a following type word and skips the declaration passes.
    EXPECT_EQ(Dispatch(t, "const int n = 5 ;"), "const n = 5\n");
    EXPECT_EQ(Dispatch(t, "const foo = 5 ;"), "const foo = 5\n");
    // A const table with a brace initialiser is declared like any other.
    EXPECT_EQ(Dispatch(t, "const int t [ ] = { 1 , 2 } ;"), "SET t[] AS INTEGER\n");
    EXPECT_EQ(t.pendingBlock.closer, "END SET");
    EXPECT_EQ(t.pendingText, "{ 1 , 2 } ; ");
}

TEST(DispatchStatement, OtherLinesGoThroughTheTail) {
    xlat::Translator t;
    EXPECT_EQ(Dispatch(t, "x = 1 ;"), "x = 1\n");
    EXPECT_EQ(Dispatch(t, "void f ( void )"), "SUB f ()\n");
    EXPECT_EQ(Dispatch(t, "{"), "");
    EXPECT_EQ(t.TopBlock()->closer, "END SUB");
}

}  // namespace
