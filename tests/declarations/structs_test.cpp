#include <gtest/gtest.h>

#include "../statements/flow_test_util.hpp"

namespace {

TEST(TranslateStruct, HeadWritesTypeAndArmsEndType) {
    xlat::Translator t;
    t.lineComment = "note";
    SetLine(t, "struct point {");
    EXPECT_EQ(xlat::TranslateStruct(t), 0);
    EXPECT_EQ(t.out, "TYPE point    'note\n");
    EXPECT_EQ(t.pendingText, "{");
    EXPECT_EQ(t.pendingBlock.closer, "END TYPE");
    EXPECT_TRUE(t.IsTypeName("point"));
    EXPECT_EQ(t.inTypeDef, 1);
}

TEST(TranslateStruct, VariableOfStructureTypeGoesOnAsDeclaration) {
    xlat::Translator t;
    SetLine(t, "struct point * q ;");
    EXPECT_EQ(xlat::TranslateStruct(t), 1);
    EXPECT_EQ(Tokens(t), "[point][*][q][;]");
    EXPECT_EQ(t.lineComment, " ");
}

TEST(TranslateStruct, NamedVariableBeforeBodyIsClosedUnderTheType) {
    xlat::Translator t;
    SetLine(t, "struct p ;");
    t.pendingText = "{ int x ; }";
    xlat::TranslateStruct(t);
    EXPECT_EQ(t.out, "TYPE TP \n");
    ASSERT_EQ(t.BlockDepth(), 1);
    EXPECT_EQ(t.TopBlock()->closer, "GLOBAL p AS TP");
    EXPECT_EQ(t.TopBlock()->autoClose, 1);
}

// Without a body after it, `struct tag ;` only declares the tag: nothing is
// opened or armed, whether the next text waits in pendingText or is read ahead.
TEST(TranslateStruct, ForwardDeclarationKeepsOnlyItsComment) {
    xlat::Translator t;
    SetLine(t, "struct node ;");
    t.lineComment = " later";
    t.pendingText = "int x ;";
    EXPECT_EQ(xlat::TranslateStruct(t), 0);
    EXPECT_EQ(t.out, "' later\n");
    EXPECT_EQ(t.BlockDepth(), 0);
    EXPECT_EQ(t.pendingBlock.closer, "");
    EXPECT_EQ(t.inTypeDef, 0);
    EXPECT_EQ(t.pendingText, "int x ;");

    xlat::Translator u;
    u.in = xlat::LineSource("   {\nint x;\n");
    SetLine(u, "struct v ;");
    xlat::TranslateStruct(u);
    EXPECT_EQ(u.out, "TYPE TV \n");
    EXPECT_EQ(u.BlockDepth(), 1);
    EXPECT_EQ(u.ReadLine(), "   {");  // read ahead, not consumed
}

TEST(TranslateStruct, DefinitionWithVariablesLeavesTheirDeclaration) {
    xlat::Translator t;
    SetLine(t, "struct p1 , * pp ; point {");
    EXPECT_EQ(xlat::TranslateStruct(t), 0);
    EXPECT_EQ(t.out, "TYPE point \n");
    ASSERT_EQ(t.BlockDepth(), 1);
    EXPECT_EQ(t.TopBlock()->declaration, "point p1 , * pp ;");
    EXPECT_EQ(t.TopBlock()->closer, "");
    EXPECT_EQ(t.TopBlock()->autoClose, 1);
    EXPECT_EQ(t.pendingText, "{ ");

    xlat::Translator u;
    SetLine(u, "struct * pv ; {");
    xlat::TranslateStruct(u);
    EXPECT_EQ(u.out, "TYPE TPV \n");
    EXPECT_EQ(u.TopBlock()->declaration, "TPV * pv ;");
    EXPECT_TRUE(u.IsTypeName("TPV"));
}

TEST(TranslateTypedef, StructScalarAndBracedForms) {
    xlat::Translator t;
    SetLine(t, "typedef struct tagPT {");
    EXPECT_EQ(xlat::TranslateTypedef(t), 0);
    EXPECT_EQ(t.out, "TYPE tagPT \n");
    EXPECT_TRUE(t.IsTypeName("tagPT"));

    xlat::Translator u;
    u.lineComment = "real";
    SetLine(u, "typedef double REAL ;");
    EXPECT_EQ(xlat::TranslateTypedef(u), 0);
    EXPECT_EQ(u.out, "  ' real\nCONST  double  =  REAL\n");
    EXPECT_FALSE(u.IsTypeName("REAL"));

    xlat::Translator v;
    SetLine(v, "typedef enum {");
    EXPECT_EQ(xlat::TranslateTypedef(v), 1);
    EXPECT_EQ(Tokens(v), "[enum][{]");
    EXPECT_EQ(v.out, "");
}

}  // namespace
