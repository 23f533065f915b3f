// Tests of the source normaliser.
#include "prepass/normalise.hpp"

#include <gtest/gtest.h>

#include <string>

#include "prepass/pattern.hpp"

namespace xlat {
namespace {

// Rule n (1 to 6) on its own, on the text as given.
std::string Rule(int n, std::string_view text) { return ApplyNormaliseRule(n - 1, text); }

// ------------------------------------------------------------ rule 1

TEST(NormaliseRule1, DeclaratorsMoveAheadOfTheBody) {
    EXPECT_EQ(Rule(1, "\r\nstruct point { int x; int y; } p1, p2;"), "\r\nstruct p1, p2; point { int x; int y; }");
    EXPECT_EQ(Rule(1, "\r\n  struct p {\r\nint x;\r\n} p;\r\n"), "\r\n  struct p; p {\r\nint x;\r\n}\r\n");
}

TEST(NormaliseRule1, NoDeclaratorsNoMatch) {
    EXPECT_EQ(Rule(1, "\r\nstruct point { int x; };\r\n"), "\r\nstruct point { int x; };\r\n");
}

TEST(NormaliseRule1, OnlyBlanksBeforeStruct) {
    EXPECT_EQ(Rule(1, "\r\n\tstruct a { int x; } v;"), "\r\n\tstruct a { int x; } v;");
    EXPECT_EQ(Rule(1, "x struct a { int x; } v;"), "x struct a { int x; } v;");
}

TEST(NormaliseRule1, FunctionReturningStructPointerIsNoDefinition) {
    // A tag set that allowed "(" would run over "X *make(int a) " and swap
    // the body and a later declaration.
    const std::string text = "\r\nstruct X *make(int a) {\r\n  return 0;\r\n}\r\nint y;\r\n";
    EXPECT_EQ(Rule(1, text), text);
}

TEST(NormaliseRule1, BraceInitialiserIsNoDefinition) {
    const std::string text = "\r\nstruct pt p = {1, 2}, q;\r\n";
    EXPECT_EQ(Rule(1, text), text);
    const std::string nested = "\r\nstruct cmd c = {1, {0}, 2};\r\nint z;\r\n";
    EXPECT_EQ(Rule(1, nested), nested);
}

TEST(NormaliseRule1, InnerBracePairLeavesTheDefinitionAlone) {
    // Cutting at the inner "}" would move the declarators into the body.
    const std::string text = "\r\nstruct outer { struct { int a; } in; int b; } o;\r\n";
    EXPECT_EQ(Rule(1, text), text);
    // An inner definition on a line of its own is still reordered by itself.
    EXPECT_EQ(Rule(1, "\r\nstruct outer {\r\n  struct {\r\n  int a;\r\n  } in;\r\n  int b;\r\n} o;\r\n"),
              "\r\nstruct outer {\r\n  struct in; {\r\n  int a;\r\n  }\r\n  int b;\r\n} o;\r\n");
}

TEST(NormaliseRule1, DefinitionsAfterTheLastSemicolonStayAsTheyAre) {
    // Only the first definition has declarators; the later ones have no ";"
    // after them at all, so they are never moved (nor joined to each other).
    EXPECT_EQ(Rule(1, "\r\nstruct a { int x; } u;\r\nstruct b { int y }\r\nstruct c { int z }\r\n"),
              "\r\nstruct u; a { int x; }\r\nstruct b { int y }\r\nstruct c { int z }\r\n");
    // A ";" further down is still found across the lines between.
    EXPECT_EQ(Rule(1, "\r\nstruct b { int y }\r\nstruct c { int z }\r\nv;"),
              "\r\nstruct\r\nstruct c { int z }\r\nv; b { int y }");
}

// ------------------------------------------------------------ rule 2

TEST(NormaliseRule2, TypedefNamesMoveAheadOfTheBody) {
    // A blank is put after "typedef struct", so that "}T;" written without a
    // blank still gives separate words; here that makes two blanks.
    EXPECT_EQ(Rule(2, "typedef struct tagPOINT {\r\nint x;\r\n} POINT, *PPOINT;"),
              "typedef struct  POINT, *PPOINT; tagPOINT {\r\nint x;\r\n}");
    EXPECT_EQ(Rule(2, "x; typedef  struct a {int b;} T;"), "x; typedef  struct  T; a {int b;}");
}

TEST(NormaliseRule2, NoBlankBeforeTheNames) {
    // "}T;" without a blank still gives "typedef struct T; ...".
    EXPECT_EQ(Rule(2, "typedef struct {int a;}T;"), "typedef struct T; {int a;}");
    EXPECT_EQ(Rule(2, "typedef struct{int a;}T;"), "typedef struct T;{int a;}");
}

TEST(NormaliseRule2, TabPreventsTheMatch) {
    const std::string text = "typedef\tstruct a { int x; } T;";
    EXPECT_EQ(Rule(2, text), text);
}

TEST(NormaliseRule2, ForwardDeclarationIsNotJoinedWithALaterBrace) {
    const std::string text = "typedef struct S S;\r\nvoid f(void) { g(); }\r\nint x;\r\n";
    EXPECT_EQ(Rule(2, text), text);
}

TEST(NormaliseRule2, NestedBodyIsLeftAlone) {
    const std::string text = "typedef struct a { union { int i; float f; } u; } A;";
    EXPECT_EQ(Rule(2, text), text);
}

// ------------------------------------------------------------ rule 3

TEST(NormaliseRule3, ClosingBraceJoinsTheWhile) {
    EXPECT_EQ(Rule(3, "}\r\nwhile (x);"), "} while (x);");
    EXPECT_EQ(Rule(3, "  }  \r\n   while (x);"), "  } while (x);");
    // Also a separate while loop after a block.
    EXPECT_EQ(Rule(3, "if (a) {\r\n}\r\nwhile (b) {\r\n}\r\n"), "if (a) {\r\n} while (b) {\r\n}\r\n");
    EXPECT_EQ(Rule(3, "}\r\n\r\nwhile (x);"), "}\r\n\r\nwhile (x);");  // one line break only
}

// ------------------------------------------------------------ rule 4

TEST(NormaliseRule4, CommentCloserEndsItsLine) {
    EXPECT_EQ(Rule(4, "/* a */ x = 1;"), "/* a */\r\nx = 1;");
    EXPECT_EQ(Rule(4, "/* a */ /* b */"), "/* a */\r\n/* b */");
    EXPECT_EQ(Rule(4, "/* a */\r\nx"), "/* a */\r\nx");
    EXPECT_EQ(Rule(4, "/* a */"), "/* a */");
    // One trailing blank: the blank is the character after the closer.
    EXPECT_EQ(Rule(4, "x /* a */ \r\ny"), "x /* a */\r\n \r\ny");
    EXPECT_EQ(Rule(4, "/*a*//*b*/c"), "/*a*/\r\n/*b*/\r\nc");
}

TEST(NormaliseRule4, CloserInALiteralIsText) {
    EXPECT_EQ(Rule(4, "s = \"*/ x\"; /* a */ y"), "s = \"*/ x\"; /* a */\r\ny");
    EXPECT_EQ(Rule(4, "s = \"\\\"*/\" x"), "s = \"\\\"*/\" x");  // after an escaped quote
    // A quote inside a comment opens no literal.
    EXPECT_EQ(Rule(4, "/* \" */ x"), "/* \" */\r\nx");
}

// ------------------------------------------------------------ rules 5 and 6

TEST(NormaliseRule5, EscapedDoubleQuoteBecomesBacktick) {
    EXPECT_EQ(Rule(5, "printf(\"say \\\"hi\\\"\");"), "printf(\"say `hi`\");");
    EXPECT_EQ(Rule(5, "c = '\\\"';"), "c = '\\\"';");        // followed by an apostrophe
    EXPECT_EQ(Rule(5, "s = \"a\\\\\";"), "s = \"a\\\\\";");  // escaped backslash
}

TEST(NormaliseRule5, RepeatedUntilStable) {
    // A single sweep would leave the second escaped quote: "`\"".
    EXPECT_EQ(Rule(5, "s = \"\\\"\\\"\";"), "s = \"``\";");
    EXPECT_EQ(Rule(5, "\"\\\"\\\"\\\"\\\"\""), "\"````\"");
    // A single sweep really leaves it.
    auto p = CompilePattern(GetNormaliseRule(4).pattern);
    EXPECT_EQ(ReplaceAllMatches(p.get(), "s = \"\\\"\\\"\";", "\\1`\\3"), "s = \"`\\\"\";");
}

TEST(NormaliseRule6, EscapedApostropheBecomesBacktick) {
    EXPECT_EQ(Rule(6, "puts(\"it\\'s\");"), "puts(\"it`s\");");
    EXPECT_EQ(Rule(6, "c = '\\'';"), "c = '\\'';");
    EXPECT_EQ(Rule(6, "\"\\'\\'\""), "\"``\"");  // repeated until stable
}

// ------------------------------------------------------------ NormaliseSource

TEST(NormaliseSource, StructOnTheFirstLine) {
    EXPECT_EQ(NormaliseSource("struct point { int x; int y; } p1, p2;\r\n"),
              "struct p1, p2; point { int x; int y; }\r\n");
}

TEST(NormaliseSource, TextEndsAtFirstNul) {
    EXPECT_EQ(NormaliseSource(std::string_view("int a;\0struct x { int y; } z;", 29)), "int a;");
}

TEST(NormaliseSource, UnixLineEndsBecomeCrLf) {
    const std::string unixText = "struct p {\nint x;\n} p;\ndo {\n} \n while (x);\n/* c */ s = \"it\\'s\";\n";
    const std::string dosText =
        "struct p {\r\nint x;\r\n} p;\r\ndo {\r\n} \r\n while (x);\r\n/* c */ s = \"it\\'s\";\r\n";
    EXPECT_EQ(NormaliseSource(unixText), NormaliseSource(dosText));
    EXPECT_EQ(NormaliseSource(dosText),
              "struct p; p {\r\nint x;\r\n}\r\ndo {\r\n} while (x);\r\n/* c */\r\ns = \"it`s\";\r\n");
    // Mixed line ends; a lone carriage return stays as it is.
    EXPECT_EQ(NormaliseSource("a\r\nb\nc\rd\n"), "a\r\nb\r\nc\rd\r\n");
    EXPECT_EQ(NormaliseSource("\n\n"), "\r\n\r\n");
}

TEST(NormaliseSource, RuleOrderMatters) {
    // Rule 1 sees the struct before rule 4 splits the line at the closer.
    EXPECT_EQ(NormaliseSource("struct a { int x; } /* c */ v;\r\n"), "struct /* c */\r\nv; a { int x; }\r\n");
    // Rule 3 joins before rule 4 would look at the closer line.
    EXPECT_EQ(NormaliseSource("do { x(); }\r\nwhile (y); /* c */ z;\r\n"), "do { x(); } while (y); /* c */\r\nz;\r\n");
}

TEST(NormaliseSource, ManyDefinitionsWithoutSemicolonAreLeftInLinearTime) {
    // Every try of rule 1 used to scan to the end of the text: with 40,000
    // such lines that took minutes.
    std::string source;
    std::string expected;
    for (int i = 0; i < 40000; ++i) {
        source += "struct s { int a }\n";
        expected += "struct s { int a }\r\n";
    }
    EXPECT_EQ(NormaliseSource(source), expected);
}

TEST(NormaliseSource, LargeInputWithManyMatches) {
    std::string source;
    std::string expected;
    for (int i = 0; i < 20000; ++i) {
        source += "struct s { int a; } v;\n/* x */ y = \"\\\"\";\n";
        expected += "struct v; s { int a; }\r\n/* x */\r\ny = \"`\";\r\n";
    }
    EXPECT_EQ(NormaliseSource(source), expected);
}

}  // namespace
}  // namespace xlat

TEST(NormaliseSource, EscapedQuoteAfterAnEscapedBackslashBecomesBacktick) {
    // Rule 5 needs a non-backslash before the escaped quote; the final scan
    // catches it, so the quote parity of the following lines stays right.
    EXPECT_EQ(xlat::NormaliseSource("f(\"\\\\\\\"\");\ny = \"a\";\n"), "f(\"\\\\`\");\r\ny = \"a\";\r\n");
    // The scan leaves escaped quotes in character literals and escaped
    // backslashes before a closing quote alone (rule 5 has already turned the
    // one in the comment into a backtick).
    EXPECT_EQ(xlat::NormaliseSource("c = '\\\"'; // say \\\"\ns = \"a\\\\\";"),
              "c = '\\\"'; // say `\r\ns = \"a\\\\\";");
    EXPECT_EQ(xlat::NormaliseSource("/* \\\" */ s = \"\\\\\\\"x\";"), "/* ` */\r\ns = \"\\\\`x\";");
}
