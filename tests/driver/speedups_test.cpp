// Each speed-up, switched on, gives exactly what the plain translation
// gives (text, verdict, message and lines) on every end-to-end case, every
// fuzz regression input and generated long lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "driver/convert.hpp"
#include "runtime/large_pages.hpp"
#include "same_conversion.hpp"

namespace fs = std::filesystem;
using namespace xlat;

namespace {

struct Input {
    std::string name;
    std::string source;
    std::string typeNames;
};

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

// A program of small functions, `bytes` long: large enough for blocks of a
// megabyte and more.
std::string LargeProgram(size_t bytes) {
    std::string s;
    for (int n = 0; s.size() < bytes; ++n)
        s += "int f" + std::to_string(n) +
             "(int x)\n{\n    x = x + 1;\n    if (x > 3) {\n        x = 2;\n    }\n"
             "    return x;\n}\n";
    return s;
}

std::vector<Input> Inputs() {
    const std::string typeNames = "HFONT\nFILE\n";
    std::vector<Input> inputs;
    const fs::path tests(XLAT_TEST_DATA);
    std::string all;
    for (const fs::path& dir : {tests / "e2e" / "cases", tests / ".." / "fuzz" / "regressions"}) {
        for (const auto& entry : fs::directory_iterator(dir)) {
            if (dir.filename() == "cases" && entry.path().extension() != ".c") continue;
            fs::path dat = entry.path();
            dat.replace_extension(".dat");
            inputs.push_back({entry.path().filename().string(), ReadFileText(entry.path()),
                              fs::exists(dat) ? ReadFileText(dat) : typeNames});
            all += inputs.back().source + "\n";
        }
    }
    // All of them as one file: types, blocks and stops meet across parts.
    inputs.push_back({"every input in one file", all, typeNames});
    for (unsigned seed = 1; seed <= 400; ++seed)
        inputs.push_back(
            {"long line " + std::to_string(seed), MixedLongLine(seed, 6 + static_cast<int>(seed % 60)), typeNames});
    inputs.push_back({"a program of 1.5 MB", LargeProgram(1536 * 1024), typeNames});
    return inputs;
}

// Every speed-up off.
WorkSharing Plain() {
    WorkSharing plain;
    plain.partsSideBySide = false;
    plain.piecesOfLongLines = false;
    plain.joinShortcut = false;
    return plain;
}

// Translates every input with `plain` and `fast`, which differ in one
// switch; the fast translation is given its own copy of the source, which
// it frees as soon as it has normalised it (as the command does).
void ExpectSameResults(const WorkSharing& plain, const WorkSharing& fast) {
    for (const Input& input : Inputs())
        ExpectSameConversion(TranslateSource(input.source, input.typeNames, plain),
                             TranslateOwnedSource(std::string(input.source), input.typeNames, fast), input.name);
}

}  // namespace

TEST(Speedups, PartsSideBySideGiveThePlainResult) {
    // As many parts as the text has places to cut it, at most 64, on two
    // threads.
    WorkSharing parts = Plain();
    parts.partsSideBySide = true;
    parts.threads = 2;
    parts.partBytes = 1;
    parts.maxParts = 64;
    ExpectSameResults(Plain(), parts);
}

TEST(Speedups, PiecesOfLongLinesGiveThePlainResult) {
    WorkSharing pieces = Plain();
    pieces.piecesOfLongLines = true;
    ExpectSameResults(Plain(), pieces);
}

TEST(Speedups, JoinShortcutGivesThePlainResult) {
    WorkSharing join = Plain();
    join.joinShortcut = true;
    ExpectSameResults(Plain(), join);
}

TEST(Speedups, LargePagesGiveThePlainResult) {
    for (const Input& input : Inputs()) {
        UseLargePages(false);
        const Conversion plain = TranslateSource(input.source, input.typeNames, Plain());
        UseLargePages(true);
        ExpectSameConversion(plain, TranslateSource(input.source, input.typeNames, Plain()), input.name);
    }
}
