// The touch-up list: every kind of place, in source-line order, then the
// count per kind. (The kinds that the translator fills are also checked
// end to end, on real programs, in tests/cli.)
#include <gtest/gtest.h>

#include <sstream>

#include "command/touch_ups.hpp"

namespace {

TEST(TouchUps, EveryKindInLineOrderThenTheCounts) {
    xlat::Conversion result;
    result.rawLines = {{9, "!#elif X > 2"}, {20, "!y = a ? b : c ;"}, {21, "!}"}, {30, "!z = q ;"}};
    result.headerLines = {3, 3, 14, 14};
    result.openBlocks = {{12, "END IF"}, {25, ""}};
    result.reconciledBranches = {7};
    std::ostringstream out;
    xlat::WriteTouchUps("p.c", result, out);
    EXPECT_EQ(out.str(),
              "p.c(3): macro kept as C between $HEADER lines: rewrite it as a SUB, FUNCTION or CONST, "
              "or write it out where it is used\n"
              "p.c(7): conditional-compilation branches reconciled here: check that the BASIC suits every branch\n"
              "p.c(9): \"#elif\" kept as C behind \"!\": BASIC cannot test this condition; rewrite it with $IF or "
              "$IFDEF, or keep only the branch you need\n"
              "p.c(12): block opened here is never closed (no \"END IF\"): add the missing \"}\" to the C, or "
              "close it in the BASIC\n"
              "p.c(14): macro kept as C between $HEADER lines: rewrite it as a SUB, FUNCTION or CONST, "
              "or write it out where it is used\n"
              "p.c(20): conditional operator (? :) kept as C behind \"!\": rewrite the line with IF ... ELSE ... "
              "END IF\n"
              "p.c(21): end of a block kept as C behind \"!\": close it as you rewrite the line that opened it\n"
              "p.c(25): block opened here is never closed: add the missing \"}\" to the C, or close it in the BASIC\n"
              "p.c(30): line kept as C behind \"!\": rewrite it in BASIC\n"
              "p.c: 4 lines kept as C, 2 macros kept as C, 2 blocks left open, 1 branch reconciled\n");
}

TEST(TouchUps, NothingToTouchUpStillGivesTheCounts) {
    std::ostringstream out;
    xlat::WriteTouchUps("q.c", xlat::Conversion{}, out);
    EXPECT_EQ(out.str(), "q.c: 0 lines kept as C, 0 macros kept as C, 0 blocks left open, 0 branches reconciled\n");
}

}  // namespace
