// The pending text knows what the driver's shortcut for long lines asks of
// it: where its quiet pieces begin, and which texts are quiet.
#include <gtest/gtest.h>

#include "driver/pending_text.hpp"

using namespace xlat;

TEST(PendingText, QuietTextIsWhatThePassesBeforeTheSplitterLeaveAlone) {
    // Quotes pair up whatever they hold: braces, an apostrophe, comment
    // marks other than "*/", and an escaped quote paired with a second one.
    for (const char* quiet : {"x = 1 ; ", "puts(\"x y\") ; } ", "puts(\"it's // /* }{;\") ; ",
                              "c = ASC(\"x\") ; ", "puts(\"a\\\"b\\\"\") ; ", "x = a / b ; #if ", ""})
        EXPECT_TRUE(IsQuietText(quiet)) << quiet;
    // An apostrophe or a comment mark outside the literals, any "*/", any
    // tab or other control blank, and an open literal are not.
    for (const char* loud : {"c = 'x' ; ", "x = a // b ; ", "x = a / / b ; ", "puts(\"*/\") ; ",
                             "x = 1 ;\t", "x\v= 1 ; ", "puts(\"x) ; ", "puts(\"a\\\"b\") ; ", "a /* b ; */"})
        EXPECT_FALSE(IsQuietText(loud)) << loud;
    // Two blanks between the slashes keep them apart for the comment pass.
    EXPECT_TRUE(IsQuietText("x = a /  / b ; "));
}

TEST(PendingText, QuietPiecesLastUntilTheEndChanges) {
    PendingText p;
    p = "a ; } b ; ";
    EXPECT_EQ(p.QuietPiecesFrom(), PendingText::npos);  // not known to be quiet
    p.MarkQuietPieces();
    EXPECT_EQ(p.QuietPiecesFrom(), 0u);
    p = "{ x " + p;  // text in front is not known to be quiet
    EXPECT_EQ(p.QuietPiecesFrom(), 4u);
    p = std::string(100, 'y') + p;  // the buffer grows: the mark moves along
    EXPECT_EQ(p.QuietPiecesFrom(), 104u);
    p.DropFront(104 + 2);  // "; } b ; " is left, still quiet
    EXPECT_EQ(p.QuietPiecesFrom(), 0u);
    EXPECT_EQ(p, "; } b ; ");
    p += "c ";  // appended text is not known to be quiet
    EXPECT_EQ(p.QuietPiecesFrom(), PendingText::npos);
    p.MarkQuietPieces();
    p = "q ; ";  // a new text
    EXPECT_EQ(p.QuietPiecesFrom(), PendingText::npos);
}
