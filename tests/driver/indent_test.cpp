#include <gtest/gtest.h>

#include "driver/indent.hpp"

namespace {

struct IndentCase {
    const char* name;
    std::string input;
    std::string expected;
};

std::string Pad(std::string code, size_t column) {
    code.resize(column, ' ');
    return code;
}

class IndentOutputTest : public ::testing::TestWithParam<IndentCase> {};

TEST_P(IndentOutputTest, IndentsAsExpected) {
    EXPECT_EQ(xlat::IndentOutput(GetParam().input), GetParam().expected);
}

const IndentCase kCases[] = {
    {"SubBody", "SUB Main\na = 1\nEND SUB\n", "SUB Main\n   a = 1\nEND SUB\n"},
    {"IfElse", "IF a THEN\nb = 1\nELSE\nb = 2\nEND IF\n", "IF a THEN\n   b = 1\nELSE\n   b = 2\nEND IF\n"},
    {"ElseIf", "if a then\nb\nelseif c then\nd\nend if\n", "if a then\n   b\nelseif c then\n   d\nend if\n"},
    {"ElseAtTopLevelStays", "ELSE\nx\n", "ELSE\nx\n"},
    {"OneLineIf", "IF a THEN b = 1\nc = 2\n", "IF a THEN b = 1\nc = 2\n"},
    {"IfThenComment", "IF a THEN ' note\nb\nEND IF\n", Pad("IF a THEN", 59) + "' note\n   b\nEND IF\n"},
    {"ContinuedIfEndingInThen", "IF a AND _\nb THEN\nc = 1\nEND IF\n",
     "IF a AND _\n   b THEN\n   c = 1\nEND IF\n"},
    {"ContinuedIfTakenBack", "IF a AND _\nb THEN c = 1\nd = 2\n", "IF a AND _\nb THEN c = 1\nd = 2\n"},
    {"ThenBeforeContinuation", "SUB s\nIF a THEN _\nb = 1\nEND SUB\n", "SUB s\nIF a THEN _\nb = 1\nEND SUB\n"},
    {"ContinuedIfWithComment", "IF a _ ' more\nTHEN\nx\nEND IF\n",
     Pad("IF a _", 59) + "' more\n   THEN\n   x\nEND IF\n"},
    {"FunctionResultOpensNothing", "FUNCTION Foo() AS LONG\nFUNCTION = 5\nEND FUNCTION\n",
     "FUNCTION Foo() AS LONG\n   FUNCTION = 5\nEND FUNCTION\n"},
    {"LoneEnd", "SUB Main\nEND\nend  \nEND SUB\n", "SUB Main\n   END\n   end\nEND SUB\n"},
    {"LoopsAndBlocks",
     "do\nWHILE x\nFOR i = 1 TO 2\nREPEAT 3\nx\nEND REPEAT\nNEXT\nWEND\nLOOP WHILE y\n",
     "do\n   WHILE x\n      FOR i = 1 TO 2\n         REPEAT 3\n            x\n         END REPEAT\n"
     "      NEXT\n   WEND\nLOOP WHILE y\n"},
    {"SelectAndCase", "SELECT CASE n\nCASE 1\nx\nEND SELECT\n", "SELECT CASE n\n   CASE 1\n   x\nEND SELECT\n"},
    {"TypesSetsCallbacks",
     "TYPE T\na AS LONG\nEND TYPE\nSET s[] AS LONG\n1\nEND SET\nSHAREDSET q[]\n2\nEND SET\n"
     "CALLBACK FUNCTION WndProc\nx\nEND FUNCTION\nIF a THEN\nb\nENDIF\n",
     "TYPE T\n   a AS LONG\nEND TYPE\nSET s[] AS LONG\n   1\nEND SET\nSHAREDSET q[]\n   2\nEND SET\n"
     "CALLBACK FUNCTION WndProc\n   x\nEND FUNCTION\nIF a THEN\n   b\nENDIF\n"},
    {"OpenGlPairs",
     "glBegin(GL_LINES)\nglVertex2f(0,0)\nglEnd()\nglPushMatrix()\nglNewList(1)\nx\nglEndList()\nglPopMatrix()\n"
     "GLBEGIN(1)\ny\n",
     "glBegin(GL_LINES)\n   glVertex2f(0,0)\nglEnd()\nglPushMatrix()\n   glNewList(1)\n      x\n   glEndList()\n"
     "glPopMatrix()\nGLBEGIN(1)\ny\n"},
    {"NeverBelowZero", "END IF\nWEND\nx\n", "END IF\nWEND\nx\n"},
    {"CommentColumns",
     "a = 1 ' note\n" + std::string(65, 'b') + " ' long\n" + std::string(59, 'c') + "' at59\n" +
         std::string(58, 'd') + "'x\n",
     Pad("a = 1", 59) + "' note\n" + Pad(std::string(65, 'b'), 69) + "' long\n" +
         Pad(std::string(59, 'c'), 69) + "' at59\n" + std::string(58, 'd') + " 'x\n"},
    {"IndentedCodeCountsForTheColumn", "SUB a\nx = 1 'c\nEND SUB\n", "SUB a\n" + Pad("   x = 1", 59) + "'c\nEND SUB\n"},
    {"ApostropheInsideLiteral", "SUB a\nPRINT \"it's\" ' x\nPRINT \"a\" ' y\nEND SUB\n",
     "SUB a\n   PRINT \"it's\" ' x\n" + Pad("   PRINT \"a\"", 59) + "' y\nEND SUB\n"},
    {"CommentLineKeepsItsPlace", "SUB a\n' note here\nEND SUB\n", "SUB a\n   ' note here\nEND SUB\n"},
    {"BlankLinesStayEmpty", "SUB a\n\n   \nx\nEND SUB\n", "SUB a\n\n\n   x\nEND SUB\n"},
    {"IndentationIsReplaced", "SUB a\n\t      b = 1\n      END SUB   \n", "SUB a\n   b = 1\nEND SUB\n"},
    {"LastLineWithoutLineEnd", "SUB a\nx", "SUB a\n   x\n"},
    {"Empty", "", ""},
    // Keywords in any case, and lines no longer than the keyword itself.
    {"ShortAndMixedCaseLines", "If\nSub\nx\nend sub\nfor\nNext\nif a then 'c\nb\nEnd If\n",
     "If\nSub\n   x\nend sub\nfor\nNext\n" + Pad("if a then", 59) + "'c\n   b\nEnd If\n"},
    {"HeaderBlocksHoldCTextThatOpensNothing",
     "SUB a\n$HEADER\n#define LOOPIT(n) \\\nwhile (n) { \\\ndo { n--; } while (0); }\n$HEADER\nx\nEND SUB\n",
     "SUB a\n   $HEADER\n   #define LOOPIT(n) \\\n   while (n) { \\\n   do { n--; } while (0); }\n   $HEADER\n"
     "   x\nEND SUB\n"},
};

INSTANTIATE_TEST_SUITE_P(Lines, IndentOutputTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<IndentCase>& info) { return info.param.name; });

}  // namespace
