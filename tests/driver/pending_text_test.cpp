// The pending text knows what the driver's shortcut for long lines asks of
// it: where its quiet pieces begin, and which texts are quiet.
#include <gtest/gtest.h>

#include <vector>

#include "driver/passes.hpp"
#include "driver/pending_text.hpp"
#include "expressions/expressions.hpp"
#include "runtime/strings.hpp"

using namespace xlat;

namespace {

// Every text of up to `length` characters from `alphabet`.
std::vector<std::string> AllTexts(std::string_view alphabet, size_t length) {
    std::vector<std::string> texts{""};
    for (size_t from = 0, n = 0; n < length; ++n) {
        const size_t to = texts.size();
        for (size_t i = from; i < to; ++i)
            for (char c : alphabet) texts.push_back(texts[i] + c);
        from = to;
    }
    return texts;
}

// Whether the comment and directive passes and the literal pass leave the
// statement line `line` as it is, writing nothing.
bool PassesLeaveAlone(const std::string& line) {
    Translator t;
    t.lineText = line;
    if (RunInOrder<ConvertComments, ConvertIncludes, ConvertConditionals>(t) != PassResult::GoOn) return false;
    ConvertCharLiterals(t);
    return t.lineText == line && t.lineComment.empty() && t.out.empty() && t.pendingText.empty();
}

}  // namespace

TEST(PendingText, QuietTextIsLeftAloneByThePassesBeforeTheSplitter) {
    // Every short text made of what those passes look at, alone and two
    // with a blank between them (the first not ending in a slash), in a
    // statement line (which starts with neither "#" nor "/": the driver
    // tests that apart).
    constexpr std::string_view kAlphabet = "a /*\"'#{\t";
    std::vector<std::string> failed;
    for (const std::string& text : AllTexts(kAlphabet, 4))
        if (IsQuietText(text) && !PassesLeaveAlone("x " + text + " ;")) failed.push_back(text);
    std::vector<std::string> quietPairs;
    for (const std::string& text : AllTexts(kAlphabet, 2))
        if (IsQuietText(text)) quietPairs.push_back(text);
    for (const std::string& a : quietPairs)
        for (const std::string& b : quietPairs)
            if (!EndsWith(a, "/") && !PassesLeaveAlone("x " + a + " " + b + " ;")) failed.push_back(a + " " + b);
    EXPECT_TRUE(failed.empty()) << failed.size() << " texts, the first: " << (failed.empty() ? "" : failed.front());
}

TEST(PendingText, QuietTextIsWhatThePassesBeforeTheSplitterLeaveAlone) {
    // Quotes pair up whatever they hold: braces, an apostrophe, comment
    // marks other than "*/", and an escaped quote paired with a second one.
    for (const char* quiet : {"x = 1 ; ", "puts(\"x y\") ; } ", "puts(\"it's // /* }{;\") ; ", "c = ASC(\"x\") ; ",
                              "puts(\"a\\\"b\\\"\") ; ", "x = a / b ; #if ", ""})
        EXPECT_TRUE(IsQuietText(quiet)) << quiet;
    // An apostrophe or a comment mark outside the literals, any "*/", any
    // tab or other control blank, and an open literal are not.
    for (const char* loud : {"c = 'x' ; ", "x = a // b ; ", "x = a / / b ; ", "puts(\"*/\") ; ", "x = 1 ;\t",
                             "x\v= 1 ; ", "puts(\"x) ; ", "puts(\"a\\\"b\") ; ", "a /* b ; */"})
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
