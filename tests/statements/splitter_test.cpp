#include <gtest/gtest.h>

#include "driver/passes.hpp"

using namespace xlat;

namespace {

// The splitter's view of a source: `first` is the current line, `input` the
// rest of the normalised source. Joined text comes back as the next line,
// as the driver would hand it over, until the splitter lets a line go on.
struct Shaped {
    std::string line;
    std::string pending;
    std::string out;
};

Shaped Shape(const std::string& first, const std::string& input = "", const std::string& comment = "") {
    Translator t;
    t.in = LineSource(input);
    t.lineText = first;
    t.lineComment = comment;
    while (SplitStatement(t) != PassResult::GoOn) {
        t.lineText = t.pendingText;
        t.pendingText.clear();
    }
    return {t.lineText, t.pendingText, t.out};
}

}  // namespace

TEST(SplitStatement, JoinsStatementsSpreadOverLines) {
    EXPECT_EQ(Shape("x = a +", "b;\n").line, "x = a + b ;");
    EXPECT_EQ(Shape("total = a +", "   b +\r\nc;\n").line, "total = a + b + c ;");
    // A control header and its brace on the next line.
    EXPECT_EQ(Shape("if (x > 0)", "{\n").line, "if (x > 0 ) {");
    // A lone else, and a case label, go on with the next line.
    EXPECT_EQ(Shape("else", "y = 1;\n").line, "else y = 1 ;");
    EXPECT_EQ(Shape("case 1:", "break;\n").line, "case 1: break ;");
    // Punctuation inside a string literal does not end the statement.
    EXPECT_EQ(Shape("printf(\"a; b)\",", "x);\n").line, "printf(\"a; b)\", x ) ;");
    EXPECT_EQ(Shape("s = \"}\"", "\"{\";\n").line, "s = \"}\" \"{\" ;");
    // The rest of the input stays unread.
    Translator t;
    t.in = LineSource("b;\nnext;\n");
    t.lineText = "x = a +";
    EXPECT_EQ(SplitStatement(t), xlat::PassResult::LineDone);
    EXPECT_EQ(t.pendingText, "x = a + b;");
    EXPECT_EQ(t.ReadLine(), "next;");
}

TEST(SplitStatement, JoinsAFunctionHeadWhoseParametersRunOn) {
    // Ends in neither ")" nor a brace: joined with a blank.
    EXPECT_EQ(Shape("int f(int a,", "int b)\n").line, "int f(int a, int b )");
    // Ends in ")" with unbalanced parentheses: joined without a blank.
    EXPECT_EQ(Shape("int f(int (*cb)(int)", ", int n)\n").line, "int f(int (*cb ) (int ) , int n )");
    EXPECT_EQ(Shape("static int g(long (*p)(void)", ")\n").line, "static int g(long (*p ) (void ) )");
    // A complete head stays a line of its own.
    Shaped head = Shape("int f(void)", "{\n");
    EXPECT_EQ(head.line, "int f(void )");
    EXPECT_EQ(head.pending, "");
}

TEST(SplitStatement, WritesTheCommentOfAJoinedLineFirst) {
    EXPECT_EQ(Shape("x = a +", "b;\n", " sum").out, "'  sum\n");
    EXPECT_EQ(Shape("int f(int (*cb)(int)", ", int n)\n", " cb").out, "' cb\n");
    // Each joined line writes its own comment.
    Translator t;
    t.in = LineSource("b;\n");
    t.lineText = "x = a +";
    t.lineComment = " one";
    SplitStatement(t);
    EXPECT_EQ(t.lineComment, "");
    EXPECT_EQ(t.out, "'  one\n");
}

TEST(SplitStatement, StopsOnAStatementUnfinishedAtTheEnd) {
    Translator t;
    t.lineText = "x = y +";
    try {
        SplitStatement(t);
        FAIL() << "no stop";
    } catch (const FatalStop& stop) {
        EXPECT_EQ(stop.message, "Sorry. Got Lost trying to format source");
    }
}

TEST(SplitStatement, CutsBracesOffStatements) {
    Shaped open = Shape("{ x = 1;");
    EXPECT_EQ(open.line, "{");
    EXPECT_EQ(open.pending, "x = 1 ; ");
    Shaped close = Shape("x = 1; }");
    EXPECT_EQ(close.line, "x = 1 ;");
    EXPECT_EQ(close.pending, "} ");
    Shaped orElse = Shape("} else {");
    EXPECT_EQ(orElse.line, "}");
    EXPECT_EQ(orElse.pending, "else { ");
    Shaped directive = Shape("} #pragma pack();");
    EXPECT_EQ(directive.line, "}");
    EXPECT_EQ(directive.pending, "#pragma pack( ) ; ");
    // A line ending in a directive word is unfinished: it takes the next line.
    Shaped endif = Shape("} #endif", "x = 1;\n");
    EXPECT_EQ(endif.line, "}");
    EXPECT_EQ(endif.pending, "#endif x = 1 ; ");
    // "}" followed by a statement stays together; the next "}" is cut.
    Shaped both = Shape("} x = 1; }");
    EXPECT_EQ(both.line, "} x = 1 ;");
    EXPECT_EQ(both.pending, "} ");
    // Semicolons inside a line do not split it; a lone brace passes as it is.
    EXPECT_EQ(Shape("a = 1; b = 2;").line, "a = 1 ; b = 2 ;");
    EXPECT_EQ(Shape("}").line, "}");
}

TEST(SplitStatement, PutsCutTextInFrontOfWaitingText) {
    Translator t;
    t.lineText = "{ x = 1;";
    t.pendingText = "y = 2;";
    EXPECT_EQ(SplitStatement(t), xlat::PassResult::GoOn);
    EXPECT_EQ(t.pendingText, "x = 1 ; y = 2;");
}

TEST(SplitStatement, GivesAOneLineFunctionItsOwnHeadLine) {
    Shaped f = Shape("void f(void) { g(); }");
    EXPECT_EQ(f.line, "void f(void ) {");
    EXPECT_EQ(f.pending, "g( ) ; } ");
    Shaped g = Shape("static int one(int a) { return 1; }");
    EXPECT_EQ(g.line, "static int one(int a ) {");
    EXPECT_EQ(g.pending, "return 1 ; } ");
    // Only definitions: a control header keeps its body up to the "}".
    Shaped ifBody = Shape("if (a) { b(); }");
    EXPECT_EQ(ifBody.line, "if (a ) { b( ) ;");
    EXPECT_EQ(ifBody.pending, "} ");
    // A head whose "{" ends the line is not cut.
    EXPECT_EQ(Shape("int main(void) {").pending, "");
}

TEST(SplitStatement, TurnsPunctuationLiteralsIntoCodes) {
    EXPECT_EQ(Shape("if (c == '}') x = 1;").line, "if (c == 125 ) x = 1 ;");
    EXPECT_EQ(Shape("if (c == ';' || c == ' ') n++;").line, "if (c == 59 || c == 32 ) n++ ;");
    EXPECT_EQ(Shape("c = '\\'';").line, "c = 39 ;");
    EXPECT_EQ(Shape("c = '\\\\';").line, "c = 92 ;");
    EXPECT_EQ(Shape("c = '\\\"';").line, "c = 34 ;");
    // Inside a string literal the text stays.
    EXPECT_EQ(Shape("s = \"'{'\";").line, "s = \"'{'\" ;");
    EXPECT_EQ(Shape("printf(\"{\");").line, "printf(\"{\" ) ;");
    EXPECT_EQ(Shape("if (c == '=' || c == ')') n++;").line, "if (c == 61 || c == 41 ) n++ ;");
    // The quote literal before the brace literal keeps '{' from being coded.
    EXPECT_EQ(Shape("if (c == '\"' || c == '{') n++;").line, "if (c == 34 || c == ASC(\"{\" ) ) n++ ;");
}

TEST(SplitStatement, JoinsALineOfBlanksWithTheNext) { EXPECT_EQ(Shape("   ", "x;\n").line, "x ;"); }

TEST(SplitStatement, LeavesDirectivesAlone) {
    Shaped d = Shape("#define MAX 10");
    EXPECT_EQ(d.line, "#define MAX 10");
    EXPECT_EQ(d.pending, "");
}
