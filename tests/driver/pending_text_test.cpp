// The pending text reads like the string it holds whatever was put in front
// of it, appended or taken off, and knows what the driver's shortcut for
// long lines asks of it.
#include <gtest/gtest.h>

#include "driver/pending_text.hpp"

using namespace xlat;

TEST(PendingText, PrependsAppendsAndDropsLikeAString) {
    PendingText p;
    EXPECT_TRUE(p.empty());
    p = "c ; ";
    p = "b " + p;                // put in front of itself: a prepend
    p = std::string("a ") + p;  // more than the free room in front
    EXPECT_EQ(p, "a b c ; ");
    p += "} ";
    EXPECT_EQ(p, "a b c ; } ");
    p.DropFront(2);
    EXPECT_EQ(p, "b c ; } ");
    const std::string copy = p;
    EXPECT_EQ(copy, "b c ; } ");

    PendingText other;
    other = "x " + p;  // built from another pending text: p is unchanged
    EXPECT_EQ(other, "x b c ; } ");
    EXPECT_EQ(p, "b c ; } ");
    EXPECT_EQ(p + "z", "b c ; } z");
    p.clear();
    EXPECT_EQ(p.size(), 0u);
}

TEST(PendingText, CountsTheMarksOfThePassesBeforeTheSplitter) {
    PendingText p;
    p = "x = 1 ; ";
    EXPECT_TRUE(p.HasNoLineMarks());
    for (const char* marked : {"\"s\" ", "'a' ", "/ ", "\t", "#if "}) {
        p = std::string(marked) + p;
        EXPECT_FALSE(p.HasNoLineMarks()) << marked;
        p.DropFront(std::string_view(marked).size());
        EXPECT_TRUE(p.HasNoLineMarks()) << marked;
    }
    p += "// c";
    EXPECT_FALSE(p.HasNoLineMarks());
    p = "y ; ";
    EXPECT_TRUE(p.HasNoLineMarks());
}

TEST(PendingText, PlainTokensLastUntilTheEndChanges) {
    PendingText p;
    p = "a ; } b ; ";
    EXPECT_EQ(p.PlainTokensFrom(), PendingText::npos);  // not known to be plain
    p.MarkPlainTokens();
    EXPECT_EQ(p.PlainTokensFrom(), 0u);
    p = "{ x " + p;  // text in front is not known to be plain
    EXPECT_EQ(p.PlainTokensFrom(), 4u);
    p = std::string(100, 'y') + p;  // the buffer grows: the mark moves along
    EXPECT_EQ(p.PlainTokensFrom(), 104u);
    p.DropFront(104 + 2);  // "; } b ; " is left, still plain
    EXPECT_EQ(p.PlainTokensFrom(), 0u);
    EXPECT_EQ(p, "; } b ; ");
    p += "c ";  // appended text is not known to be plain
    EXPECT_EQ(p.PlainTokensFrom(), PendingText::npos);
    p.MarkPlainTokens();
    p = "q ; ";  // a new text
    EXPECT_EQ(p.PlainTokensFrom(), PendingText::npos);
}
