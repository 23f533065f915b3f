// A source translated in parts side by side must give exactly what one
// translation from start to end gives: text, verdict, message, lines and
// the places to touch up.
// (Every end-to-end case and fuzz regression input is compared in
// speedups_test.cpp.)
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "../driver/same_conversion.hpp"
#include "driver/convert.hpp"
#include "indenter/indent.hpp"
#include "types/type_scan.hpp"
#include "types/type_table.hpp"

namespace fs = std::filesystem;

namespace {

xlat::Conversion InOnePiece(const std::string& source) {
    xlat::WorkSharing sharing;
    sharing.threads = 1;
    return xlat::TranslateSource(source, {}, sharing);
}

// As many parts as the text has places to cut it (at most 64), on two
// threads; the translation is given its own copy of the source, which it
// frees as soon as it has normalised it (as the command does).
xlat::Conversion InParts(const std::string& source) {
    xlat::WorkSharing sharing;
    sharing.threads = 2;
    sharing.partBytes = 1;
    sharing.maxParts = 64;
    return xlat::TranslateOwnedSource(std::string(source), {}, sharing);
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Functions that use a structure and a typedef name declared before them.
const std::string kProgram =
    "typedef struct tagItem {\n"
    "    int a;\n"
    "} ITEM;\n"
    "struct node {\n"
    "    int v;\n"
    "};\n"
    "int first(int n)\n"
    "{\n"
    "    return n + 1;\n"
    "}\n"
    "int second(ITEM *it)\n"
    "{\n"
    "    struct node n;\n"
    "    ITEM copy;\n"
    "    copy.a = it->a;\n"
    "    return copy.a;\n"
    "}\n"
    "void third(void)\n"
    "{\n"
    "    ITEM x;\n"
    "    x.a = 3;\n"
    "}\n";

}  // namespace

TEST(WorkSharing, PartsAfterTheFirstAreKeptWhenTheyStartRight) {
    const xlat::Conversion parts = InParts(kProgram);
    ExpectSameConversion(InOnePiece(kProgram), parts, "program");
    // The structure and the typedef name are taught by the first part; the
    // later ones presume them and are kept.
    EXPECT_GT(parts.partsKept, 0u);
}

TEST(WorkSharing, WrongStartsAreTranslatedAgain) {
    const std::string cases[] = {
        // A type name taught where the quick look does not see it (behind an
        // IF on the same line); it decides whether "inline" is dropped.
        "void f(void)\n{\n    if (a) FOO x;\n}\ninline FOO g(int a)\n{\n    return a;\n}\n",
        // A "}" at the start of a line inside a function: the part that
        // starts after it starts inside a block.
        "void f(void)\n{\n    if (a) {\n        b = 1;\n}\n    c = 2;\n}\nvoid g(void)\n{\n    d = 3;\n}\n",
        // Blocks left open at the end.
        "void f(void)\n{\n    while (a) {\n        b = 1;\n}\nvoid g(void)\n{\n    d = 3;\n}\n",
        // A stop in a later part, and one in the first.
        "void f(void)\n{\n    a = 1;\n}\nvoid g(void)\n{\n    d = 3;\n}\n}\nvoid h(void)\n{\n}\n",
        "}\nvoid f(void)\n{\n    a = 1;\n}\nvoid g(void)\n{\n    d = 3;\n}\n",
        // A statement still waiting for its end where a part begins.
        "void f(void)\n{\n    a = 1;\n}\nint x = 1 +\n}\nvoid g(void)\n{\n}\n",
        // main and WinMain change how later lines are translated.
        "int main(void)\n{\n    return 0;\n}\nint f(void)\n{\n    return 1;\n}\n",
        "int WINAPI WinMain(HINSTANCE a, HINSTANCE b, LPSTR c, int d)\n{\n    f(a, b);\n}\nint g(HINSTANCE a)\n{\n    "
        "return a;\n}\n",
    };
    for (const std::string& source : cases) ExpectSameConversion(InOnePiece(source), InParts(source), source);
}

// The #else lines before which a branch's blocks had to be put back are
// reported, from every part.
TEST(WorkSharing, ReconciledBranchesOfEveryPart) {
    const std::string source =
        "#ifdef A\nint f(int a) {\n#else\nint f(void) {\n#endif\nreturn 1;\n}\n"
        "void g(void) {\n#ifdef B\n  while (b) {\n#else\n  while (c) {\n#endif\n    x = 1;\n  }\n"
        "#ifdef C\n  y = 1;\n#else\n  y = 2;\n#endif\n}\n";
    const xlat::Conversion one = InOnePiece(source);
    EXPECT_EQ(one.verdict, xlat::Verdict::Converted);
    EXPECT_EQ(one.reconciledBranches, (std::vector<long>{3, 11}));
    const xlat::Conversion parts = InParts(source);
    ExpectSameConversion(one, parts, source);
    EXPECT_GT(parts.partsKept, 0u);
}

std::string IndentInPieces(const std::string& text) {
    xlat::PieceSharing sharing;
    sharing.threads = 2;
    sharing.pieceBytes = 1;
    sharing.maxPieces = 64;
    return xlat::IndentOutput(text, sharing);
}

std::string IndentInOnePiece(const std::string& text) {
    xlat::PieceSharing sharing;
    sharing.threads = 1;
    return xlat::IndentOutput(text, sharing);
}

TEST(WorkSharing, IndentingInPiecesGivesTheSameText) {
    const std::string texts[] = {
        "SUB f ()\nx = 1\nEND SUB\nSUB g ()\nIF a THEN\ny = 2\nEND IF\nEND SUB\n",
        // An END SUB inside a block: the piece after it starts indented.
        "SUB f ()\nIF a THEN\nEND SUB\nx = 1    ' note\nEND IF\nEND SUB\nz = 3\n",
        // C text between $HEADER lines, and an IF continued over lines.
        "$HEADER\nEND SUB\nwhile (a) {\n$HEADER\nIF a AND _\nEND SUB\nb THEN\nc = 1\nEND IF\n",
    };
    for (const std::string& text : texts) EXPECT_EQ(IndentInOnePiece(text), IndentInPieces(text)) << text;
    // The translation of every end-to-end case, one after the other.
    std::string all;
    for (const auto& entry : fs::directory_iterator(fs::path(XLAT_TEST_DATA) / "e2e" / "cases"))
        if (entry.path().extension() == ".c") all += InOnePiece(ReadText(entry.path())).text;
    EXPECT_EQ(IndentInOnePiece(all), IndentInPieces(all));
}

TEST(TypeScan, FindsTheNamesDeclarationsTeach) {
    const std::vector<std::string> names = xlat::ScanTypeNames(
        "struct point {\n"
        "typedef struct  BOX; tagBox {\n"
        "typedef struct sqlite3 sqlite3;\n"
        "static FILE *fp;\n"
        "int f(HWND w, LPFOO *p)\n"
        "u8 g(const char *s, int n);\n"
        "/* comment text here */\n"
        "// comment text here\n"
        "#define WORD other thing\n"
        "#if 0\nhidden text;\n#endif\n"
        "x = y;\n"
        "return value;\n");
    const std::vector<std::string> expected = {"point", "BOX", "sqlite3", "FILE", "int", "HWND", "LPFOO", "u8"};
    EXPECT_EQ(names, expected);
}

TEST(TypeScan, FoldsMultiWordTypesFirst) {
    const std::vector<std::string> names = xlat::ScanTypeNames(
        "unsigned long count;\n"
        "long int n;\n"
        "signed char c;\n"
        "x = a\t  *  b;\n");
    const std::vector<std::string> expected = {"ULONG", "long", "char"};
    EXPECT_EQ(names, expected);
}

TEST(TypeScan, PresumedNamesAndMissesAreNoted) {
    xlat::TypeTable table;
    xlat::NameLog misses, presumedHits;
    table.Presume({"GUESSED"}, &presumedHits);
    table.RecordMisses(&misses);
    table.Add("TAUGHT");
    EXPECT_TRUE(table.Contains("GUESSED"));
    EXPECT_TRUE(table.Contains("TAUGHT"));
    EXPECT_TRUE(table.Contains("int"));
    EXPECT_FALSE(table.Contains("unknown"));
    EXPECT_TRUE(presumedHits.Holds("GUESSED"));
    EXPECT_FALSE(presumedHits.Holds("TAUGHT"));
    EXPECT_TRUE(misses.Holds("unknown"));
    EXPECT_FALSE(misses.Holds("GUESSED"));
    // Once the guesses end, a guessed name is no type unless it is taught,
    // and lookups are no longer noted.
    table.EndPresuming();
    EXPECT_FALSE(table.Contains("GUESSED"));
    EXPECT_FALSE(misses.Holds("GUESSED"));
    // A long log keeps every name it was given.
    for (int i = 0; i < 20000; ++i) misses.Add(xlat::TypeTable::HashOf("name" + std::to_string(i % 5000)));
    EXPECT_TRUE(misses.Holds("name4999"));
    EXPECT_TRUE(misses.Holds("unknown"));
}
