#include <gtest/gtest.h>

#include "directives/directives.hpp"
#include "driver/passes.hpp"
#include "driver/tokenizer.hpp"

namespace {

// Runs the include pass and, when it lets the line go on, the conditional
// pass, as the driver does after the comment pass.
xlat::Translator RunDirectives(const std::string& line, const std::string& comment = "",
                               const std::string& pending = "") {
    xlat::Translator t;
    t.lineText = line;
    t.lineComment = comment;
    t.pendingText = pending;
    if (xlat::ConvertIncludes(t) == xlat::PassResult::GoOn) xlat::ConvertConditionals(t);
    return t;
}

TEST(ConvertIncludes, LibraryHeadersAndCommentGaps) {
    EXPECT_EQ(RunDirectives("#include <gl\\glu.h>").out, "$LIBRARY <glu32.lib>\n#include <gl\\glu.h>\n");
    EXPECT_EQ(RunDirectives("#include <gl\\glaux.h>").out, "$LIBRARY <glaux.lib>\n#include <gl\\glaux.h>\n");
    // A line of 59 characters or more gets a gap of ten blanks before its comment.
    std::string longName = "#include \"" + std::string(48, 'a') + ".h\"";
    EXPECT_EQ(RunDirectives(longName, " x").out, longName + std::string(10, ' ') + "// x\n");
}

TEST(ConvertConditionals, ExtraWordsAreTheNextLine) {
    xlat::Translator o = RunDirectives("#ifdef A B C", "", "x;");
    EXPECT_EQ(o.out, "$IF A \n");
    EXPECT_EQ(o.pendingText, "x;B C");
    EXPECT_EQ(RunDirectives("#endif GUARD").out, "$ENDIF GUARD\n");
    EXPECT_EQ(RunDirectives("#ifdef A").out, "$IF A\n");
}

TEST(ConvertConditionals, BraceAfterElseOrEndifIsSentOn) {
    xlat::Translator e = RunDirectives("#else {", "", "x = 1;");
    EXPECT_EQ(e.out, "$ELSE\n");
    EXPECT_EQ(e.pendingText, "{ x = 1;");
    xlat::Translator w = RunDirectives("#endif X } else {");
    EXPECT_EQ(w.out, "$ENDIF X\n");
    EXPECT_EQ(w.pendingText, "} else { ");
    // Blanks after the "#" mean nothing; only the whole word counts.
    xlat::Translator b = RunDirectives("#  endif }");
    EXPECT_EQ(b.out, "$ENDIF\n");
    EXPECT_EQ(b.pendingText, "} ");
    EXPECT_EQ(RunDirectives("#endifx {").out, "");
}

// The dead branch ends at the #else of its own #if, not at the nested ones.
TEST(DirectiveLines, DeadCodeCountsNestedConditionals) {
    xlat::Translator t;
    t.in = xlat::LineSource("#ifndef A\n#else\n# \tendif\n#elif B\nnext\n");
    xlat::PassDeadCode(t, true);
    EXPECT_EQ(t.out, "'#ifndef A\n'#else\n'#    endif\n");
    // The directive that ends the branch is the next line to read.
    EXPECT_EQ(t.ReadLine(), "#elif B");
}

// The current line and its tokens survive a directive handled in between.
TEST(DirectiveLines, RunNowKeepsTheCurrentLine) {
    xlat::Translator t;
    t.lineText = "} ;";
    xlat::Tokenize(t, xlat::kMainDelimiters);
    t.lineComment = " end";
    EXPECT_TRUE(xlat::RunDirectiveNow(t, "\t#ifdef W // win"));
    EXPECT_EQ(t.out, "$IF W\n");
    EXPECT_EQ(t.lastToken, 1);
    EXPECT_EQ(t.TokAt(0), "}");
    EXPECT_EQ(t.lineComment, " end win");
}

}  // namespace
