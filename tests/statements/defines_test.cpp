#include <gtest/gtest.h>

#include "flow_test_util.hpp"

namespace {

TEST(TranslateDefine, ObjectLikeMacroBecomesConstant) {
    xlat::Translator t;
    SetLine(t, "#define MAX 100");
    EXPECT_EQ(xlat::TranslateDefine(t), 1);
    EXPECT_EQ(Tokens(t), "[CONST][MAX =][100]");
    SetLine(t, "#define DEBUG");
    xlat::TranslateDefine(t);
    EXPECT_EQ(Tokens(t), "[CONST][DEBUG]");
}

TEST(TranslateDefine, ParenthesesOrBracesKeepTheMacroWithItsComment) {
    xlat::Translator t;
    t.lineComment = " sq";
    SetLine(t, "#define SQR(x) ((x)*(x))");
    EXPECT_EQ(xlat::TranslateDefine(t), 0);
    EXPECT_EQ(t.out, "   '  sq\n$HEADER\n#define SQR ( x ) ( ( x ) * ( x ) )\n$HEADER\n");
    EXPECT_EQ(t.lineComment, "");

    xlat::Translator u;
    SetLine(u, "#define CR_END } return; }");
    EXPECT_EQ(xlat::TranslateDefine(u), 0);
    EXPECT_EQ(u.out, "$HEADER\n#define CR_END } return ; }\n$HEADER\n");
}

TEST(TranslateDefine, BackslashLinesContinueInsideTheHeader) {
    xlat::Translator t;
    t.in = xlat::LineSource("  a = 1; \\\n  b = 2;\nc = 3;\n");
    SetLine(t, "#define INIT \\");
    xlat::TranslateDefine(t);
    EXPECT_EQ(t.out, "$HEADER\n#define INIT \\\n  a = 1; \\\n  b = 2;\n$HEADER\n");
    EXPECT_EQ(t.ReadLine(), "c = 3;");

    xlat::Translator u;  // the input ends before the continuation does
    u.in = xlat::LineSource("  a = 1; \\\n");
    SetLine(u, "#define INIT \\");
    xlat::TranslateDefine(u);
    EXPECT_EQ(u.out, "$HEADER\n#define INIT \\\n  a = 1; \\\n$HEADER\n");
}

}  // namespace
