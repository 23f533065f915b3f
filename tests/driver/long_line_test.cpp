// A whole function body on one line is cut into its statements piece by
// piece; however long the line, every piece comes out and the run ends, and
// taking the line's rest one piece at a time gives exactly what taking it
// whole gives.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "driver/convert.hpp"
#include "same_conversion.hpp"

using namespace xlat;

namespace fs = std::filesystem;

namespace {
// The body pair of the long-line benchmark, repeated until the line holds
// at least `bytes` characters.
std::string LongLine(size_t bytes, int& pairs) {
    std::string s = "int f(int x) { ";
    for (pairs = 0; s.size() < bytes; ++pairs) s += "x = x + 1; if (x > 3) { x = 2; } ";
    return s + "return x; }\n";
}

// Statements and blocks whose text holds what the passes before the
// statement splitter look at: quotes, apostrophes, slashes, tabs, "#", and
// braces or semicolons inside literals.
constexpr const char* kFragments[] = {
    "if (a) { puts(\"x y\"); } ",
    "while (a) { puts(\"q\"); } ",
    "if (a) { c='x'; } ",
    "switch (x) { case 1: puts(\"a\"); break; } ",
    "if (a) {\tb=1; } ",
    "do { x++; } while (x<3); ",
    "puts(\"}{;\"); ",
    "puts(\"// not a comment\"); ",
    "puts(\"/* nor this\"); ",
    "puts(\"*/\"); ",
    "puts(\"it's\"); ",
    "puts(\"'}'\"); ",
    "c='}'; ",
    "c='{'; ",
    "c=';'; ",
    "c='\"'; ",
    "c='\\''; ",
    "c='\\n'; ",
    "c='/'; ",
    "puts(\"a\\\"b}\"); ",
    "x = a / b; ",
    "x = a / / b; ",
    "if (p->q) { r = 1; } ",
    "x = p - > ",
    "- > ; ",
    "y = q - > } ",
    "a - > { ",
    "} ",
    "{ ",
    "#ifdef A ",
    "else { y = 2; } ",
    "int k = 3; } ",
    "\"} ",
    "s = \"a  } ",
    "b  \" ; } ",
    "t = 'x  } ",
    "w  ' ; } ",
};

// A function whose body is one line of `count` fragments picked by `seed`,
// sometimes ending in a comment.
std::string MixedLongLine(unsigned seed, int count) {
    std::mt19937 pick(seed);
    std::string line = "void f(void) {\n";
    line += PickFragments(pick, kFragments, count, "");
    if (pick() % 3 == 0) line += "// end";
    return line + "\n}\n";
}

void ExpectSameWholeOrInPieces(const std::string& source) {
    ExpectSameWithAndWithout(source, [](WorkSharing& s) { s.piecesOfLongLines = false; });
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

TEST(LongLine, PiecesGiveWhatTheWholeRestGives) {
    for (const fs::path& path : KnownSources()) {
        SCOPED_TRACE(path.filename().string());
        ExpectSameWholeOrInPieces(ReadFileText(path));
    }
    for (unsigned seed = 1; seed <= 400; ++seed) {
        SCOPED_TRACE(seed);
        ExpectSameWholeOrInPieces(MixedLongLine(seed, 6 + static_cast<int>(seed % 60)));
    }
}
