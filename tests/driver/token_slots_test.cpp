// What the tokenizer leaves in the token slots, and the in-place rewriting
// of unquoted patterns: the passes read slots past the last token and rely
// on literals being left alone.
#include <gtest/gtest.h>

#include "driver/passes.hpp"
#include "driver/tokenizer.hpp"

using namespace xlat;

namespace {
std::vector<std::string> Slots(const Translator& t, int from, int to) {
    std::vector<std::string> out;
    for (int i = from; i <= to; ++i) out.push_back(t.TokAt(i));
    return out;
}
using V = std::vector<std::string>;
}  // namespace

TEST(TokenSlots, FreedSlotsHoldTheLastCutTokenAndOlderSlotsAreEmptied) {
    Translator t;
    t.lineText = "int f ( int x ) {";
    ASSERT_EQ(Tokenize(t, kMainDelimiters), xlat::PassResult::GoOn);
    ASSERT_EQ(t.lastToken, 6);
    // Thirteen pieces were cut (six of them blanks): the six freed slots
    // read "{", the slot after them nothing.
    EXPECT_EQ(Slots(t, 0, 13), (V{"int", "f", "(", "int", "x", ")", "{", "{", "{", "{", "{", "{", "{", ""}));

    // A shorter line leaves nothing of the longer one behind.
    t.lineText = 'a';
    ASSERT_EQ(Tokenize(t, kMainDelimiters), xlat::PassResult::GoOn);
    EXPECT_EQ(t.lastToken, 0);
    EXPECT_EQ(Slots(t, 0, 8), (V{"a", "", "", "", "", "", "", "", ""}));
}

TEST(TokenSlots, MemberArrowTakesTheTokenCutBeforeIt) {
    Translator t;
    // The blank before the arrow is the token before it, and joins it.
    t.lineText = "(p) ->x;";
    ASSERT_EQ(Tokenize(t, kMainDelimiters), xlat::PassResult::GoOn);
    EXPECT_EQ(Slots(t, 0, t.lastToken), (V{"(", "p", ")", " ->x", ";"}));
    // Eight pieces, three emptied by the arrow: the freed slots read ";".
    EXPECT_EQ(Slots(t, 5, 8), (V{";", ";", ";", ""}));

    // A second arrow finds the token before it emptied by the first.
    t.lineText = "a->b->c;";
    ASSERT_EQ(Tokenize(t, kMainDelimiters), xlat::PassResult::GoOn);
    EXPECT_EQ(Slots(t, 0, t.lastToken), (V{"a->b", "->c", ";"}));
}

// `text` after replacing `pattern` outside its literals, in place.
static std::string ReplacedUnquoted(std::string text, std::string_view pattern, std::string_view replacement) {
    ReplaceUnquotedInPlace(text, pattern, replacement);
    return text;
}

TEST(TokenSlots, UnquotedReplacementsShrinkingAndGrowing) {
    // Shrinking, in the text itself: the "( " inside the literal stays.
    EXPECT_EQ(ReplacedUnquoted("f ( a ) \"( x )\" ( b", "( ", "("), "f (a ) \"( x )\" (b");
    // A pattern that starts with blanks is found by its first other character.
    EXPECT_EQ(ReplacedUnquoted("i ++ ; \" ++\" ++", " ++", "++"), "i++ ; \" ++\"++");
    // Growing.
    EXPECT_EQ(ReplacedUnquoted("!a \"!\" !b", "!", " NOT "), " NOT a \"!\"  NOT b");
    // No occurrence: the text comes back as it was.
    EXPECT_EQ(ReplacedUnquoted("a = b", "==", "="), "a = b");
}
