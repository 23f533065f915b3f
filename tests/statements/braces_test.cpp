#include <gtest/gtest.h>

#include "driver/passes.hpp"

namespace {

// Runs one line through the tokenizer and the brace pass, and writes what
// the pass lets go on, as the driver would.
int Line(xlat::Translator& t, const std::string& text) {
    t.lineText = text;
    xlat::Tokenize(t, xlat::kMainDelimiters);
    const int result = xlat::HandleBraces(t);
    if (result) xlat::RewriteExpression(t);
    return result;
}

void Open(xlat::Translator& t, const std::string& closer, int autoClose = 0) {
    t.pendingBlock.closer = closer;
    t.pendingBlock.autoClose = autoClose;
    Line(t, "{");
}

TEST(HandleBraces, OpensWithThePendingCloserAndEmptiesIt) {
    xlat::Translator t;
    t.pendingBlock.closer = "END IF";
    Line(t, "IF x THEN {");
    EXPECT_EQ(t.out, "IF x THEN\n");
    ASSERT_EQ(t.BlockDepth(), 1);
    EXPECT_EQ(t.TopBlock()->closer, "END IF");
    EXPECT_EQ(t.pendingBlock.closer, "");
}

TEST(HandleBraces, IfBlockWithoutElseWritesEndIfAndKeepsTheLineReadAhead) {
    xlat::Translator t;
    t.in = xlat::LineSource("y = 2;\nz = 3;\n");
    Open(t, "END IF");
    EXPECT_EQ(Line(t, "}"), 0);
    EXPECT_EQ(t.out, "END IF\n");
    EXPECT_EQ(t.pendingText, "y = 2;");
    EXPECT_EQ(t.BlockDepth(), 0);
}

TEST(HandleBraces, ElseAfterBlankAndCommentLinesReopensTheIf) {
    xlat::Translator t;
    t.in = xlat::LineSource("\n// done\nelse {\n");
    Open(t, "END IF");
    Line(t, "}");
    // The comment line is kept, in the look-ahead's form, before the ELSE.
    EXPECT_EQ(t.out, " '  done\n");
    EXPECT_EQ(t.pendingText, "else {");
    EXPECT_EQ(t.pendingBlock.closer, "END IF");
    EXPECT_EQ(t.BlockDepth(), 0);
}

TEST(HandleBraces, CommentBeforeAStatementFollowsTheEndIf) {
    xlat::Translator t;
    t.in = xlat::LineSource("// done\ny = 2;\n");
    Open(t, "END IF");
    Line(t, "}");
    EXPECT_EQ(t.out, "END IF\n '  done\n");
    EXPECT_EQ(t.pendingText, "y = 2;");
}

TEST(HandleBraces, OnlyTheWholeWordElseCountsAsElse) {
    for (const char* next : {"else", "else{", "else if (a) {"}) {
        xlat::Translator t;
        t.in = xlat::LineSource(std::string(next) + "\n");
        Open(t, "END IF");
        Line(t, "}");
        EXPECT_EQ(t.out, "") << next;
    }
    xlat::Translator t;
    t.in = xlat::LineSource("elsewhere = 1;\n");
    Open(t, "END IF");
    Line(t, "}");
    EXPECT_EQ(t.out, "END IF\n");
    EXPECT_EQ(t.pendingText, "elsewhere = 1;");
}

TEST(HandleBraces, PendingTextDecidesWithoutReadingAhead) {
    xlat::Translator t;
    t.in = xlat::LineSource("else {\n");
    Open(t, "END IF");
    t.pendingText = "x = 1 ; ";
    Line(t, "}");
    EXPECT_EQ(t.out, "END IF\n");
    EXPECT_EQ(t.pendingText, "x = 1 ; ");
    EXPECT_FALSE(t.AtEnd());

    xlat::Translator u;
    u.in = xlat::LineSource("y = 1;\n");
    Open(u, "END IF");
    u.pendingText = "else { ";
    Line(u, "}");
    EXPECT_EQ(u.out, "");
    EXPECT_EQ(u.pendingText, "else { ");
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

TEST(HandleBraces, BareBlockWritesNothingAndTypeClearsTheFlag) {
    xlat::Translator t;
    Open(t, "");
    Line(t, "}");
    EXPECT_EQ(t.out, "");
    t.inTypeDef = 1;
    Open(t, "END TYPE");
    Line(t, "}");
    EXPECT_EQ(t.out, "END TYPE\n");
    EXPECT_EQ(t.inTypeDef, 0);
}

TEST(HandleBraces, StructureDeclarationFollowsItsType) {
    xlat::Translator t;
    t.PushBlock({"", 1, "GLOBAL p AS TP"});
    Open(t, "END TYPE");
    t.pendingText = "x = 1 ;";
    Line(t, "}");
    EXPECT_EQ(t.out, "END TYPE\n");
    EXPECT_EQ(t.pendingText, "GLOBAL p AS TP x = 1 ;");
    EXPECT_EQ(t.BlockDepth(), 0);
}

TEST(HandleBraces, DoBodyClosedWithItsWhileTail) {
    xlat::Translator t;
    Open(t, "END IF", 1);
    Open(t, "LOOP");
    EXPECT_EQ(Line(t, "} while ( n < 10 ) ;"), 0);
    EXPECT_EQ(t.out, "LOOP WHILE n < 10\nEND IF\n");
    EXPECT_EQ(t.BlockDepth(), 0);

    xlat::Translator u;
    Open(u, "LOOP");
    EXPECT_EQ(Line(u, "} while ( k ) ;"), 1);
    EXPECT_EQ(u.out, "LOOP WHILE k\n");
}

TEST(HandleBraces, DoBodyWithItsWhileTailOnALaterLine) {
    xlat::Translator t;
    t.in = xlat::LineSource("\n// check\nwhile (n < 10);\nx = 1;\n");
    Open(t, "LOOP");
    t.lineComment = " end";
    EXPECT_EQ(Line(t, "}"), 0);
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
    EXPECT_EQ(t.pendingText, "x = 1;");
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

TEST(HandleBraces, ForBodyWritesStepAndWend) {
    xlat::Translator t;
    Open(t, "END IF", 1);
    t.PushBlock({"i++", 0, ""});
    Open(t, "NEXT");
    t.lineComment = " done";
    EXPECT_EQ(Line(t, "}"), 0);
    EXPECT_EQ(t.out.substr(0, 20), "i++\nWEND\nEND IF\n    ");
    EXPECT_EQ(t.BlockDepth(), 0);

    // A for loop closed by the cascade of an inner block.
    xlat::Translator u;
    u.PushBlock({"i++", 0, ""});
    Open(u, "NEXT", 1);
    Open(u, "END IF");
    Line(u, "}");
    EXPECT_EQ(u.out, "END IF\ni++\nWEND\n");
    EXPECT_EQ(u.BlockDepth(), 0);
}

TEST(HandleBraces, ClosingWithNoOpenBlockStopsTheRun) {
    xlat::Translator t;
    try {
        Line(t, "}");
        FAIL() << "no stop";
    } catch (const xlat::FatalStop& stop) {
        EXPECT_EQ(stop.message, "SYNTAX ERROR IN SOURCE OR BUG");
    }
}

}  // namespace
