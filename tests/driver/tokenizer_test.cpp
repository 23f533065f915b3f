#include <gtest/gtest.h>

#include "driver/passes.hpp"
#include "driver/tokenizer.hpp"

using namespace xlat;

namespace {
std::vector<std::string> TokensOf(const std::string& line, std::string_view delimiters = kMainDelimiters) {
    Translator t;
    t.lineText = line;
    std::vector<std::string> out;
    if (Tokenize(t, delimiters) != xlat::PassResult::GoOn) return out;
    for (int i = 0; i <= t.lastToken; ++i) out.push_back(t.TokAt(i));
    return out;
}
using V = std::vector<std::string>;
}  // namespace

TEST(Tokenizer, JoinsTheTwoCharacterOperatorsWrittenTogether) {
    EXPECT_EQ(TokensOf("a==b"), (V{"a", "==", "b"}));
    EXPECT_EQ(TokensOf("if (x && y)"), (V{"if", "(", "x", " AND ", "y", ")"}));
    EXPECT_EQ(TokensOf("a!=b <= c >= d"), (V{"a", "!=", "b", "<=", "c", ">=", "d"}));
    EXPECT_EQ(TokensOf("a = = b"), (V{"a", "=", "=", "b"}));
    EXPECT_EQ(TokensOf("s.x=1"), (V{"s.x", "=", "1"}));
    EXPECT_EQ(TokensOf("a||b x^y"), (V{"a||b", "x^y"}));
}

TEST(Tokenizer, MemberArrowJoinsItsNeighboursOnlyInsideTheLine) {
    EXPECT_EQ(TokensOf("p->next = 0;"), (V{"p->next", "=", "0", ";"}));
    EXPECT_EQ(TokensOf("->x"), (V{"-", ">", "x"}));
    EXPECT_EQ(TokensOf("x->"), (V{"x", "-", ">"}));
}

TEST(Tokenizer, CompoundAssignmentsAndShiftsStayOneToken) {
    EXPECT_EQ(TokensOf("x+=1; y-=2; z/=3; w%=4;"),
              (V{"x", "+=", "1", ";", "y", "-=", "2", ";", "z", "/=", "3", ";", "w", "%=", "4", ";"}));
    EXPECT_EQ(TokensOf("a<<2 >>b"), (V{"a", "<<", "2", ">>", "b"}));
    EXPECT_EQ(TokensOf("x<<=1; y>>=1;"), (V{"x", "<<=", "1", ";", "y", ">>=", "1", ";"}));
    EXPECT_EQ(TokensOf("x^=y"), (V{"x^=", "y"}));
    // These three are left to the expression pass, which writes them as in C.
    EXPECT_EQ(TokensOf("a*=b"), (V{"a", "*", "=", "b"}));
    EXPECT_EQ(TokensOf("a&=b"), (V{"a", "&", "=", "b"}));
}

TEST(Tokenizer, LiteralsAreNeverCut) {
    EXPECT_EQ(TokensOf("x = \"a, b\";"), (V{"x", "=", "\"a, b\"", ";"}));
    // Every double quote flips the literal switch, escaped or not (the
    // pre-pass has already turned escaped quotes into backticks).
    EXPECT_EQ(TokensOf("f(\"a\\\"(\", b)"), (V{"f", "(", "\"a\\\"", "(", "\", b)"}));
}

TEST(Tokenizer, OtherDelimiterSetsKeepTheirOwnOperators) {
    EXPECT_EQ(TokensOf("a += b", " "), (V{"a", "+=", "b"}));
    EXPECT_EQ(TokensOf("x = 1; // c", "/"), (V{"x = 1; ", "/", "/", " c"}));
}

TEST(Tokenizer, AnEmptyLineGivesNoTokenAndIsEmitted) {
    Translator t;
    t.lineText = "";
    t.lineComment = "note";
    EXPECT_EQ(Tokenize(t, kMainDelimiters), xlat::PassResult::LineDone);
    EXPECT_EQ(t.out, std::string(60, ' ') + "'note\n");
}
