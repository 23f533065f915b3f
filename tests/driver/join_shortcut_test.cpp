// The lines of a long statement are joined without running the passes
// before the statement splitter again over all the text joined so far;
// that must give exactly what joining the usual way gives.
#include <gtest/gtest.h>

#include "same_conversion.hpp"

namespace {

void ExpectSameWithoutShortcut(const std::string& source) {
    ExpectSameWithAndWithout(source, [](xlat::WorkSharing& s) { s.joinShortcut = false; });
}

// Lines inside a statement, many of them holding what the passes before the
// splitter act on: comments, comment marks in literals, apostrophes, quotes
// left open, slashes, tabs and directives.
constexpr const char* kStatementLines[] = {
    "1, 2,",
    "\"a//b\",",
    "\"x /* y */ z\",",
    "\"*/\",",
    "\"/*\", 3,",
    "'\"', 4,",
    "'/', 5,",
    "\"it's\",",
    "6, // note",
    "7, /* note */",
    "/* a block",
    "   comment */",
    "/* one line */",
    "// a line of its own",
    "8 / 9,",
    "10 / / 11,",
    "12 /",
    "/ 13,",
    "\"open",
    "close\",",
    "\t14,\t15,",
    "",
    "#if A",
    "#endif",
    "'\";//\"'\"",
    "a * /b,",
    "f(x),",
};

// A statement of `count` lines picked by `seed`, in one of three shapes.
std::string SpreadStatement(unsigned seed, int count) {
    std::mt19937 pick(seed);
    constexpr const char* kShapes[][2] = {{"int a[] = {", "0 };"}, {"x = f(", "0);"}, {"y = 1 +", "2;"}};
    const auto& shape = kShapes[pick() % std::size(kShapes)];
    std::string source = "void f(void) {\n";
    source += shape[0];
    source += '\n';
    source += PickFragments(pick, kStatementLines, count, "\n");
    return source + shape[1] + "\n}\n";
}

// Every end-to-end case and fuzz regression is compared in speedups_test.cpp.
TEST(JoinShortcut, GivesWhatTheUsualJoinGives) {
    // A character literal holding a double quote and "//", on a line that
    // a "}" follows.
    ExpectSameWithoutShortcut("'\";//\"'\"\n}\n");
    for (unsigned seed = 1; seed <= 600; ++seed) {
        SCOPED_TRACE(seed);
        ExpectSameWithoutShortcut(SpreadStatement(seed, 2 + static_cast<int>(seed % 40)));
    }
}

}  // namespace
