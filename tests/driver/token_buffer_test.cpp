#include <gtest/gtest.h>

#include "driver/passes.hpp"

using namespace xlat;

namespace {
void SetTokens(Translator& t, std::initializer_list<const char*> tokens) {
    t.ClearTokens();
    int i = 0;
    for (const char* tok : tokens) t.Tok(i++) = tok;
    t.lastToken = i - 1;
}

BlockRecord Block(const char* closer, int autoClose) {
    BlockRecord block;
    block.closer = closer;
    block.autoClose = autoClose;
    return block;
}
}  // namespace

TEST(TokenBuffer, CompactionDropsEmptyAndSingleBlankTokensOnly) {
    Translator t;
    SetTokens(t, {"a", " ", "", "b", "  "});
    t.CompactTokens();
    ASSERT_EQ(t.lastToken, 2);
    EXPECT_EQ(t.TokAt(0), "a");
    EXPECT_EQ(t.TokAt(1), "b");
    EXPECT_EQ(t.TokAt(2), "  ");

    SetTokens(t, {" ", "", " "});
    t.CompactTokens();
    EXPECT_EQ(t.lastToken, -1);
}

TEST(TokenBuffer, FreedSlotsKeepTheOldTopToken) {
    // A line such as `int f ( int x ) {` loses its blanks; the slots freed at
    // the top must all still read "{" for the function-head rewrite.
    Translator t;
    SetTokens(t, {"int", " ", "f", " ", "(", "x", ")", " ", "{"});
    t.CompactTokens();
    ASSERT_EQ(t.lastToken, 5);
    for (int i = 6; i <= 8; ++i) EXPECT_EQ(t.TokAt(i), "{") << i;

    // When the top token itself is removed the freed slots hold that blank.
    SetTokens(t, {"a", " ", " "});
    t.CompactTokens();
    ASSERT_EQ(t.lastToken, 0);
    EXPECT_EQ(t.TokAt(1), " ");
    EXPECT_EQ(t.TokAt(2), " ");
}

TEST(TokenBuffer, InsertJoinAndSlotsPastTheLine) {
    Translator t;
    SetTokens(t, {"case", "x"});
    t.InsertToken("ELSE", 1);
    ASSERT_EQ(t.lastToken, 2);
    EXPECT_EQ(t.TokAt(1), "ELSE");
    EXPECT_EQ(t.TokAt(2), "x");
    t.JoinTokens();
    EXPECT_EQ(t.lineText, "case ELSE x");

    SetTokens(t, {"IF", "", "x", "THEN"});
    t.JoinTokens();
    EXPECT_EQ(t.lineText, "IF  x THEN");

    EXPECT_EQ(t.TokAt(1000), "");
    EXPECT_EQ(t.TokAt(-1), "");
    t.Tok(-1) = "discarded";
    EXPECT_EQ(t.TokAt(-1), "");
}

TEST(TokenBuffer, InsertingBeforeManyTokensAtOnceEqualsInsertingOneByOne) {
    // Lines of five tokens with a stale slot above them; the inserts go in
    // from the highest index down, the first one possibly at or past the top.
    const std::vector<std::vector<int>> cases = {{4}, {3, 1}, {4, 3, 2, 1, 0}, {2, 0}, {6, 4}, {5, 2, 1}};
    for (const auto& indexes : cases) {
        Translator one, batch;
        for (Translator* t : {&one, &batch}) {
            SetTokens(*t, {"a", "b", "c", "d", "e", "stale"});
            t->lastToken = 4;
        }
        for (int index : indexes) one.InsertToken(")", index);
        // The batch takes what lies within the line; past it, one by one.
        std::vector<int> within;
        for (int index : indexes) {
            if (index > batch.lastToken)
                batch.InsertToken(")", index);
            else
                within.push_back(index);
        }
        batch.InsertTokenBeforeEach(")", within);
        ASSERT_EQ(batch.lastToken, one.lastToken) << indexes[0];
        for (int i = 0; i <= one.lastToken + 2; ++i)
            EXPECT_EQ(batch.TokAt(i), one.TokAt(i)) << indexes[0] << " slot " << i;
    }
}

TEST(TokenBuffer, ReplaceOutsideQuotesIsDecidedByTheFirstOccurrence) {
    std::string inside = "s = \"a&b\" & c";
    EXPECT_EQ(ReplaceOutsideQuotes(inside, "&", " AND "), "s = \"a&b\" & c");
    std::string outside = "a & \"x&y\"";
    EXPECT_EQ(ReplaceOutsideQuotes(outside, "&", " AND "), "a  AND  \"x AND y\"");
    EXPECT_EQ(outside, "a  AND  \"x AND y\"");
}

TEST(TokenBuffer, StorageWordsAndTheBlockStack) {
    EXPECT_EQ(IsVoidOrStorage("STATIC"), 1);
    EXPECT_EQ(IsVoidOrStorage("Void"), 1);
    EXPECT_EQ(IsVoidOrStorage("register"), 1);
    EXPECT_EQ(IsVoidOrStorage("const"), 0);

    Translator t;
    t.PushBlock(Block("END IF", 0));
    t.PushBlock(Block("WEND", 1));
    EXPECT_EQ(t.BlockDepth(), 2);
    EXPECT_EQ(t.TopBlock()->closer, "WEND");
    EXPECT_EQ(t.PopBlock().closer, "WEND");
    EXPECT_EQ(t.PopBlock().closer, "END IF");
    EXPECT_EQ(t.TopBlock(), nullptr);
    try {
        t.PopBlock();
        FAIL() << "popping an empty stack must stop the run";
    } catch (const FatalStop& stop) {
        EXPECT_EQ(stop.message, "SYNTAX ERROR IN SOURCE OR BUG");
    }
}
