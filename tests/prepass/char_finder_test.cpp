#include <gtest/gtest.h>

#include "prepass/char_finder.hpp"

using xlat::CharFinder;

TEST(CharFinder, GivesEachPlaceOfAnyCharacterInTurn) {
    CharFinder<3> finder("a}b*\n}x", {'}', '*', '\n'});
    EXPECT_EQ(finder.Next(0), 1u);
    EXPECT_EQ(finder.Next(1), 1u);  // the place itself when asked from it
    EXPECT_EQ(finder.Next(2), 3u);
    EXPECT_EQ(finder.Next(4), 4u);
    EXPECT_EQ(finder.Next(5), 5u);
    EXPECT_EQ(finder.Next(6), 7u);  // none left: the length
    EXPECT_EQ(finder.Next(9), 7u);

    CharFinder<2> absent("abc", {'x', 'y'});
    EXPECT_EQ(absent.Next(0), 3u);
    CharFinder<1> empty("", {'x'});
    EXPECT_EQ(empty.Next(0), 0u);
}
