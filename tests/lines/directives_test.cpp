#include <gtest/gtest.h>

#include "driver/passes.hpp"

namespace {

struct Outcome {
    int result;
    std::string lineText;
    std::string lineComment;
    std::string pendingText;
    std::string out;
};

// Runs the include pass and, when it lets the line go on, the conditional
// pass, as the driver does after the comment pass.
Outcome RunDirectives(const std::string& line, const std::string& comment = "",
                      const std::string& pending = "") {
    xlat::Translator t;
    t.lineText = line;
    t.lineComment = comment;
    t.pendingText = pending;
    int result = xlat::ConvertIncludes(t);
    if (result) result = xlat::ConvertConditionals(t);
    return {result, t.lineText, t.lineComment, t.pendingText, t.out};
}

TEST(ConvertIncludes, DropsEveryHeaderTheDialectAlreadyKnows) {
    for (const char* header : {"windows.h", "windowsx.h", "commctrl.h", "shellapi.h", "shlobj.h",
                               "winsock2.h", "richedit.h", "conio.h", "ctype.h", "math.h", "stdio.h",
                               "string.h", "stddef.h", "stdlib.h", "setjmp.h", "time.h", "stdarg.h"}) {
        Outcome o = RunDirectives(std::string("#include <") + header + ">", " lost");
        EXPECT_EQ(o.result, 0) << header;
        EXPECT_EQ(o.out, "") << header;
        EXPECT_EQ(o.lineComment, "") << header;
    }
    // Spelling with blanks and capitals still matches.
    EXPECT_EQ(RunDirectives("#  INCLUDE   <Stdio.H>").out, "");
    EXPECT_EQ(RunDirectives("# include <stdio.h>").out, "");
}

TEST(ConvertIncludes, LibraryHeaders) {
    EXPECT_EQ(RunDirectives("#include <MMSYSTEM.H>", " sound").out, "$LIBRARY <winmm.lib>\n");
    EXPECT_EQ(RunDirectives("#include <GL\\gl.h>").out, "$LIBRARY <opengl32.lib>\n#include <gl\\gl.h>\n");
    EXPECT_EQ(RunDirectives("#include <gl\\glu.h>").out, "$LIBRARY <glu32.lib>\n#include <gl\\glu.h>\n");
    EXPECT_EQ(RunDirectives("#include <gl\\glaux.h>").out,
              "$LIBRARY <glaux.lib>\n#include <gl\\glaux.h>\n");
}

TEST(ConvertIncludes, OtherIncludesAreWrittenThroughLowerCased) {
    EXPECT_EQ(RunDirectives("# include \"MyDefs.h\"").out, "#include \"mydefs.h\"\n");
    // Not in the drop table without its blank.
    EXPECT_EQ(RunDirectives("#include<stdio.h>").out, "#include<stdio.h>\n");
}

TEST(ConvertIncludes, WrittenThroughIncludeKeepsItsComment) {
    Outcome o = RunDirectives("#include \"my.h\"", " mine");
    EXPECT_EQ(o.result, 0);
    EXPECT_EQ(o.out, "#include \"my.h\"" + std::string(44, ' ') + "// mine\n");
    EXPECT_EQ(o.lineComment, "");
    // A line of 59 characters or more gets a gap of ten blanks.
    std::string longName = "#include \"" + std::string(48, 'a') + ".h\"";
    EXPECT_EQ(RunDirectives(longName, " x").out, longName + std::string(10, ' ') + "// x\n");
}

TEST(ConvertIncludes, OtherLinesGoOn) {
    Outcome o = RunDirectives("#define X 1", " keep");
    EXPECT_EQ(o.result, 1);
    EXPECT_EQ(o.lineText, "#define X 1");
    EXPECT_EQ(o.lineComment, " keep");
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(RunDirectives("#IFDEF A").result, 1);
}

TEST(ConvertConditionals, EachDirective) {
    EXPECT_EQ(RunDirectives("#ifdef DEBUG").out, "$IF DEBUG\n");
    EXPECT_EQ(RunDirectives("#ifndef GUARD_H").out, "$IFNDEF GUARD_H\n");
    EXPECT_EQ(RunDirectives("#else").out, "$ELSE\n");
    EXPECT_EQ(RunDirectives("#endif").out, "$ENDIF\n");
    EXPECT_EQ(RunDirectives("#if defined(A) && B").out, "!#if defined(A) && B\n");
    EXPECT_EQ(RunDirectives("#elif X").out, "!#elif X\n");
    // The comment of a directive waits for the next statement.
    Outcome o = RunDirectives("#endif", " GUARD_H");
    EXPECT_EQ(o.result, 0);
    EXPECT_EQ(o.lineComment, " GUARD_H");
}

TEST(ConvertConditionals, ExtraWordsAreTheNextLine) {
    Outcome o = RunDirectives("#ifdef A B C");
    EXPECT_EQ(o.out, "$IF A \n");
    EXPECT_EQ(o.pendingText, "B C");
    EXPECT_EQ(RunDirectives("#endif GUARD").out, "$ENDIF GUARD\n");
}

TEST(ConvertConditionals, BraceAfterElseOrEndifIsSentOn) {
    Outcome e = RunDirectives("#else {", "", "x = 1;");
    EXPECT_EQ(e.out, "$ELSE\n");
    EXPECT_EQ(e.pendingText, "{ x = 1;");
    Outcome c = RunDirectives("#endif}");
    EXPECT_EQ(c.out, "$ENDIF\n");
    EXPECT_EQ(c.pendingText, "} ");
    Outcome w = RunDirectives("#endif X } else {");
    EXPECT_EQ(w.out, "$ENDIF X\n");
    EXPECT_EQ(w.pendingText, "} else { ");
    // Only the whole word counts.
    EXPECT_EQ(RunDirectives("#endifx {").out, "$ENDIFx {\n");
    Outcome i = RunDirectives("#ifdef A {");
    EXPECT_EQ(i.out, "$IF A \n");
    EXPECT_EQ(i.pendingText, "{");
}

}  // namespace
