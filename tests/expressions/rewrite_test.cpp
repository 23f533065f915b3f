#include <gtest/gtest.h>

#include "driver/passes.hpp"
#include "driver/tokenizer.hpp"
#include "expressions/expressions.hpp"

using namespace xlat;

namespace {
// Tokenizes a statement and runs the expression pass over it; returns what
// was written.
std::string Rewrite(const std::string& line, const std::string& comment = "") {
    Translator t;
    t.lineText = line;
    t.lineComment = comment;
    if (Tokenize(t, kMainDelimiters) == xlat::PassResult::GoOn) RewriteExpression(t);
    return t.out;
}
}  // namespace

TEST(RewriteExpression, BitwiseAndAddressOf) {
    EXPECT_EQ(Rewrite("x = a & b | c;"), "x = a BAND b BOR c\n");
    EXPECT_EQ(Rewrite("x = f(&y);"), "x = f (&y)\n");
    EXPECT_EQ(Rewrite("p = & y;"), "p = &y\n");
    EXPECT_EQ(Rewrite("g(a, &b);"), "g (a, &b)\n");
    EXPECT_EQ(Rewrite("a | = b;"), "a |= b\n");
    EXPECT_EQ(Rewrite("a ^ b;"), "a XOR b\n");
    EXPECT_EQ(Rewrite("a &= b;"), "a &= b\n");
}

TEST(RewriteExpression, ComparisonsLogicAndStatementSeparators) {
    EXPECT_EQ(Rewrite("x = ( a == b ) ;"), "x = (a = b)\n");
    EXPECT_EQ(Rewrite("y = a != b;"), "y = a <> b\n");
    EXPECT_EQ(Rewrite("x = ! done ;"), "x =  NOT  done\n");
    EXPECT_EQ(Rewrite("a = 1 ; b = 2 ;"), "a = 1 : b = 2\n");
    EXPECT_EQ(Rewrite("if (a && b || c)"), "if (a  AND  b  OR  c)\n");
    EXPECT_EQ(Rewrite("label :"), "label\n");
}

TEST(RewriteExpression, CompoundOperatorsComeOutAsInC) {
    EXPECT_EQ(Rewrite("x ^= m;"), "x ^= m\n");
    EXPECT_EQ(Rewrite("x *= 2;"), "x *= 2\n");
    EXPECT_EQ(Rewrite("x <<= 1;"), "x <<= 1\n");
}

TEST(RewriteExpression, ReturnBecomesTheFunctionResult) {
    EXPECT_EQ(Rewrite("return x + 1 ;"), "FUNCTION = x + 1\n");
    EXPECT_EQ(Rewrite("return ;"), " EXIT SUB\n");
    EXPECT_EQ(Rewrite("returned = 1;"), "returned = 1\n");
    EXPECT_EQ(Rewrite("s = \"return\";"), "s = \"return\"\n");
}

TEST(RewriteExpression, StringLiteralsAreLeftAsWritten) {
    EXPECT_EQ(Rewrite("s = \"a , b\";"), "s = \"a , b\"\n");
    EXPECT_EQ(Rewrite("s = \"( x )\" ;"), "s = \"( x )\"\n");
    EXPECT_EQ(Rewrite("s = \"a != b\";"), "s = \"a != b\"\n");
    EXPECT_EQ(Rewrite("f ( a , \"!\" , b ) ;"), "f (a, \"!\", b)\n");
}

TEST(RewriteExpression, BackslashInALiteralBracketsTheLine) {
    EXPECT_EQ(Rewrite("s = \"a\\tb\";"), "$IPRINT_OFF\ns = \"a\\tb\"\n$IPRINT_ON\n");
}

TEST(RewriteExpression, MatchingParenthesesAndAssignmentSpans) {
    Translator t;
    t.lineText = "f ( a , ( b ) ) x";
    ASSERT_EQ(Tokenize(t, kMainDelimiters), xlat::PassResult::GoOn);
    EXPECT_EQ(FindMatchingParen(t, 1), 7);
    EXPECT_EQ(FindMatchingParen(t, 7), 1);
    EXPECT_EQ(FindMatchingParen(t, 4), 6);
    EXPECT_EQ(FindMatchingParen(t, 0), 0);

    t.lineText = "f ( ( a";
    ASSERT_EQ(Tokenize(t, kMainDelimiters), xlat::PassResult::GoOn);
    EXPECT_EQ(FindMatchingParen(t, 1), 1);

    t.lineText = "if ( ( fp = fopen ( n ) ) == NULL )";
    ASSERT_EQ(Tokenize(t, kMainDelimiters), xlat::PassResult::GoOn);
    int a = 0, b = 0;
    FindAssignmentSpan(t, 4, a, b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 9);
    FindAssignmentSpan(t, 3, a, b);
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, 3);
}
