#include <gtest/gtest.h>

#include "indenter/indent.hpp"

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

TEST_P(IndentOutputTest, IndentsAsExpected) { EXPECT_EQ(xlat::IndentOutput(GetParam().input), GetParam().expected); }

const IndentCase kCases[] = {
    {"ElseAtTopLevelStays", "ELSE\nx\n", "ELSE\nx\n"},
    {"IfThenComment", "IF a THEN ' note\nb\nEND IF\n", Pad("IF a THEN", 59) + "' note\n   b\nEND IF\n"},
    {"ContinuedIfEndingInThen", "IF a AND _\nb THEN\nc = 1\nEND IF\n", "IF a AND _\n   b THEN\n   c = 1\nEND IF\n"},
    {"ContinuedIfTakenBack", "IF a AND _\nb THEN c = 1\nd = 2\n", "IF a AND _\nb THEN c = 1\nd = 2\n"},
    {"LoneEnd", "SUB Main\nEND\nend  \nEND SUB\n", "SUB Main\n   END\n   end\nEND SUB\n"},
    {"OnlyTheTranslatorsBlockWordsCount",
     "TYPE node\ntype AS INTEGER\nnext AS node PTR\nEND TYPE\nSUB f\nTYPE = 1\nEND (x)\nREPEAT 3\nDO z++\n"
     "LOOP WHILE--n\nSHAREDSET q[]\n2\nEND SET\nEND SUB\n",
     "TYPE node\n   type AS INTEGER\n   next AS node PTR\nEND TYPE\nSUB f\n   TYPE = 1\n   END (x)\n   REPEAT 3\n"
     "   DO z++\n   LOOP WHILE--n\n   SHAREDSET q[]\n      2\n   END SET\nEND SUB\n"},
    {"OpenGlLevelsEndWithTheirBlock",
     "IF a THEN\nglBegin(GL_LINES)\nELSE\nglBegin(GL_POINTS)\nEND IF\nglVertex2f(0,0)\nglEnd()\nx\n",
     "IF a THEN\n   glBegin(GL_LINES)\nELSE\n   glBegin(GL_POINTS)\nEND IF\nglVertex2f(0,0)\nglEnd()\nx\n"},
    {"OpenGlPairs",
     "glBegin(GL_LINES)\nglVertex2f(0,0)\nglEnd()\nglPushMatrix()\nglNewList(1)\nx\nglEndList()\nglPopMatrix()\n"
     "GLBEGIN(1)\ny\n",
     "glBegin(GL_LINES)\n   glVertex2f(0,0)\nglEnd()\nglPushMatrix()\n   glNewList(1)\n      x\n   glEndList()\n"
     "glPopMatrix()\nGLBEGIN(1)\ny\n"},
    {"CommentColumns",
     "a = 1 ' note\n" + std::string(65, 'b') + " ' long\n" + std::string(59, 'c') + "' at59\n" + std::string(58, 'd') +
         "'x\n",
     Pad("a = 1", 59) + "' note\n" + Pad(std::string(65, 'b'), 69) + "' long\n" + Pad(std::string(59, 'c'), 69) +
         "' at59\n" + std::string(58, 'd') + " 'x\n"},
    {"HeaderBlocksHoldCTextThatOpensNothing",
     "SUB a\n$HEADER\n#define LOOPIT(n) \\\nwhile (n) { \\\ndo { n--; } while (0); }\n$HEADER\nx\nEND SUB\n",
     "SUB a\n   $HEADER\n   #define LOOPIT(n) \\\n   while (n) { \\\n   do { n--; } while (0); }\n   $HEADER\n"
     "   x\nEND SUB\n"},
};

INSTANTIATE_TEST_SUITE_P(Lines, IndentOutputTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<IndentCase>& info) { return info.param.name; });

}  // namespace
