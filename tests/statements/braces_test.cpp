#include <gtest/gtest.h>

#include "driver/passes.hpp"
#include "driver/tokenizer.hpp"

namespace {

// Runs one line through the tokenizer and the brace pass, and writes what
// the pass lets go on, as the driver would.
xlat::PassResult Line(xlat::Translator& t, const std::string& text) {
    t.lineText = text;
    xlat::Tokenize(t, xlat::kMainDelimiters);
    const xlat::PassResult result = xlat::HandleBraces(t);
    if (result == xlat::PassResult::GoOn) xlat::RewriteExpression(t);
    return result;
}

void Open(xlat::Translator& t, const std::string& closer, int autoClose = 0) {
    t.pendingBlock.closer = closer;
    t.pendingBlock.autoClose = autoClose;
    Line(t, "{");
}

TEST(HandleBraces, CommentBeforeAStatementFollowsTheEndIf) {
    xlat::Translator t;
    t.in = xlat::LineSource("// done\ny = 2;\n");
    Open(t, "END IF");
    Line(t, "}");
    EXPECT_EQ(t.out, "END IF\n '  done\n");
    EXPECT_EQ(t.pendingText, "y = 2;");
}

TEST(HandleBraces, CascadeClosesBracelessOuterBlocks) {
    xlat::Translator t;
    Open(t, "END IF", 1);
    Open(t, "WEND");
    Line(t, "}");
    EXPECT_EQ(t.out, "WEND\nEND IF\n");
    EXPECT_EQ(t.BlockDepth(), 0);
    EXPECT_EQ(t.pendingBlock.autoClose, 0);
}

TEST(HandleBraces, DoBodyWithItsWhileTailOnALaterLine) {
    xlat::Translator t;
    t.in = xlat::LineSource("\n// check\nwhile (n < 10);\nx = 1;\n");
    Open(t, "LOOP");
    t.lineComment = " end";
    EXPECT_EQ(Line(t, "}"), xlat::PassResult::LineDone);
    EXPECT_EQ(t.out, "\n' check\n");
    EXPECT_EQ(t.pendingText, "} while (n < 10);");
    EXPECT_EQ(t.lineComment, " end");
    EXPECT_EQ(t.BlockDepth(), 1);
}

TEST(HandleBraces, DoBodyWithoutWhileTailStillClosesOnlyItself) {
    xlat::Translator t;
    t.in = xlat::LineSource("x = 1;\n");
    Open(t, "WEND");
    Open(t, "LOOP");
    Line(t, "}");
    EXPECT_EQ(t.out, "LOOP\n");
    // The line after it is read again as the next line.
    EXPECT_EQ(t.ReadLine(), "x = 1;");
    EXPECT_EQ(t.BlockDepth(), 1);
}

TEST(HandleBraces, WhileAfterANonDoBlockStartsALoopOfItsOwn) {
    xlat::Translator t;
    Open(t, "WEND");
    Line(t, "} while ( x ) {");
    EXPECT_EQ(t.out, "WEND\n");
    EXPECT_EQ(t.pendingText, "while ( x ) { ");
    EXPECT_EQ(t.BlockDepth(), 0);
}

}  // namespace
