#include <gtest/gtest.h>

#include "../statements/flow_test_util.hpp"

namespace {

// Tokenizes a statement, dispatches it and writes what goes on.
std::string Dispatch(xlat::Translator& t, const std::string& text) {
    SetLine(t, text);
    if (xlat::DispatchStatement(t) != xlat::PassResult::GoOn) return "<finished>";
    xlat::RewriteExpression(t);
    std::string out = t.out;
    t.out.clear();
    return out;
}

// extern and a const's type word go; a break outside any block leaves a loop.
TEST(DispatchStatement, ExternConstAndBreakOutsideBlocks) {
    xlat::Translator t;
    t.beforeFirstFunction = 0;
    EXPECT_EQ(Dispatch(t, "extern int x ;"), "DIM RAW x AS INTEGER\n");
    EXPECT_EQ(Dispatch(t, "const int n = 5 ;"), "const n = 5\n");
    EXPECT_EQ(Dispatch(t, "break ;"), "EXIT LOOP\n");
}

}  // namespace
