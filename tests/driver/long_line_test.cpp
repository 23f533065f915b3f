// A whole function body on one line is cut into its statements piece by
// piece; however long the line, every piece comes out and the run ends.
// (Taking the line's rest one piece at a time is compared with taking it
// whole in speedups_test.cpp.)
#include <gtest/gtest.h>

#include "driver/convert.hpp"

using namespace xlat;

namespace {
// The body pair of the long-line benchmark, repeated until the line holds
// at least `bytes` characters.
std::string LongLine(size_t bytes, int& pairs) {
    std::string s = "int f(int x) { ";
    for (pairs = 0; s.size() < bytes; ++pairs) s += "x = x + 1; if (x > 3) { x = 2; } ";
    return s + "return x; }\n";
}

}  // namespace

TEST(LongLine, EveryPieceOfAOneLineBodyComesOut) {
    // 16 KB once made the loop guard take two different states of the line
    // for the same one and stop with "the same text keeps coming back".
    for (size_t bytes : {1024, 16384}) {
        int pairs = 0;
        Conversion result = TranslateSource(LongLine(bytes, pairs));
        ASSERT_EQ(result.verdict, Verdict::Converted) << bytes << ": " << result.reason;
        std::string expected = "FUNCTION f (x AS INTEGER) AS INTEGER\n";
        for (int i = 0; i < pairs; ++i) expected += "x = x + 1 : if (x > 3) x = 2\n";
        expected += "FUNCTION = x\nEND FUNCTION\n";
        EXPECT_EQ(result.text, expected) << bytes;
    }
}
