#include <gtest/gtest.h>

#include "../statements/flow_test_util.hpp"
#include "declarations/declarations.hpp"

namespace {

// Tokenizes a statement, runs the declaration pass and writes what goes on.
std::string Declare(xlat::Translator& t, const std::string& text) {
    SetLine(t, text);
    if (xlat::TranslateDeclaration(t) != xlat::PassResult::GoOn) return "<dropped>";
    xlat::CleanFunctionHead(t);
    xlat::RewriteExpression(t);
    std::string out = t.out;
    t.out.clear();
    return out;
}

xlat::Translator InFunction() {
    xlat::Translator t;
    t.beforeFirstFunction = 0;
    return t;
}

TEST(Variables, RegisterPrototypesAndInitialiserCalls) {
    xlat::Translator local = InFunction();
    EXPECT_EQ(Declare(local, "register long n ;"), "DIM RAW n AS long\n");
    local.pendingText = "z ;";
    EXPECT_EQ(Declare(local, "double y = sqrt ( x ) ;"), "DIM RAW y AS double\n");
    EXPECT_EQ(local.pendingText, "y=sqrt(x);z ;");
    // A prototype at file level vanishes with its comment.
    xlat::Translator file;
    file.lineComment = " note";
    EXPECT_EQ(Declare(file, "long f ( long x ) ;"), "<dropped>");
    EXPECT_EQ(file.lineComment, "");
}

TEST(Initialiser, StringsAndBraceListsBecomeSetBlocks) {
    xlat::Translator t = InFunction();
    EXPECT_EQ(Declare(t, "char * p = \"x\" ;"), "SET  p AS char PTR\n\"x\"\nEND SET\n");
    t.pendingText = "rest";
    EXPECT_EQ(Declare(t, "static char m [ ] = \"a\\n\" ;"),
              "$IPRINT_OFF\nSHAREDSET m [ ] AS char\n\"a\\n\"\nEND SET\n$IPRINT_ON\n");
    EXPECT_EQ(t.pendingText, "rest");  // what followed the initialiser goes on as the next line
    EXPECT_EQ(Declare(t, "static double v [ 2 ] = { 1.5 , 2.5 } ;"), "SHAREDSET v[2] AS double\n");
    std::string text = "( a == b | c )";
    xlat::DeclarationToDim(t, text);
    EXPECT_EQ(text, "(a = b  BOR  c)");
}

TEST(FunctionHead, ParametersPointersAndMain) {
    xlat::Translator t;
    EXPECT_EQ(Declare(t, "char * dup ( const char * s , INTEGER & n )"),
              "FUNCTION dup (s AS char PTR, BYREF  n AS INTEGER) AS char PTR\n");
    t.AddTypeName("FILE");
    EXPECT_EQ(Declare(t, "void save ( FILE * fp )"), "SUB save (fp AS FILE)\n");
    xlat::Translator m;
    m.pendingText = "x = 1 ;";
    EXPECT_EQ(Declare(m, "INTEGER main ( void ) {"), "<dropped>");
    EXPECT_EQ(m.pendingText, "{ x = 1 ;");
}

TEST(TranslateKeywords, WordsOperatorsAndModifiers) {
    xlat::Translator t;
    SetLine(t, "if ( x ) break ; continue ; inline char FAR * p FAR q");
    EXPECT_EQ(xlat::TranslateKeywords(t), xlat::PassResult::GoOn);
    EXPECT_EQ(Tokens(t), "[if][(][x][)][EXIT LOOP][;][ITERATE][;][inline][char][*][p][FAR][q]");
    SetLine(t, "inline foo");
    xlat::TranslateKeywords(t);
    EXPECT_EQ(Tokens(t), "[inline][foo]");
    SetLine(t, "x = a ? b ;");  // no ":" after the "?": no raw line
    EXPECT_EQ(xlat::TranslateKeywords(t), xlat::PassResult::GoOn);
    EXPECT_EQ(t.out, "");
}

TEST(TranslateKeywords, RawLineKeepsTheEffectOfItsBraces) {
    xlat::Translator t;
    t.pendingBlock.closer = "END SELECT";
    SetLine(t, "SELECT CASE ( a ? b : c ) {");
    xlat::TranslateKeywords(t);
    ASSERT_EQ(t.BlockDepth(), 1);
    SetLine(t, "} x = a ? b : c ;");
    xlat::TranslateKeywords(t);
    EXPECT_EQ(t.BlockDepth(), 0);
    EXPECT_TRUE(t.out.ends_with("END SELECT\n"));
}

TEST(PassRawConditionalHeader, OnlyWhenTheOperatorIsInsideTheHeader) {
    xlat::Translator t;
    SetLine(t, "if (a ? b : c) {");
    EXPECT_EQ(xlat::PassRawConditionalHeader(t), xlat::PassResult::LineDone);
    SetLine(t, "if (a) x = b ? c : d;");
    EXPECT_EQ(xlat::PassRawConditionalHeader(t), xlat::PassResult::GoOn);
    SetLine(t, "if (a ? b) x = c : d;");
    EXPECT_EQ(xlat::PassRawConditionalHeader(t), xlat::PassResult::GoOn);
}

TEST(TranslateStruct, HeadsVariablesAndForwardDeclarations) {
    xlat::Translator t;
    t.lineComment = "note";
    SetLine(t, "struct point {");
    EXPECT_EQ(xlat::TranslateStruct(t), xlat::PassResult::LineDone);
    EXPECT_EQ(t.out, "TYPE point    'note\n");
    EXPECT_TRUE(t.IsTypeName("point"));
    // A variable named before the body is declared under the TYPE block.
    xlat::Translator v;
    SetLine(v, "struct p ;");
    v.pendingText = "{ int x ; }";
    xlat::TranslateStruct(v);
    EXPECT_EQ(v.out, "TYPE TP \n");
    ASSERT_EQ(v.BlockDepth(), 1);
    EXPECT_EQ(v.TopBlock()->closer, "GLOBAL p AS TP");
    // Without a body after it, the tag is only declared.
    xlat::Translator f;
    SetLine(f, "struct node ;");
    f.pendingText = "int x ;";
    xlat::TranslateStruct(f);
    EXPECT_EQ(f.BlockDepth(), 0);
}

TEST(TranslateTypedef, ScalarAndBracedForms) {
    xlat::Translator u;
    u.lineComment = "real";
    SetLine(u, "typedef double REAL ;");
    EXPECT_EQ(xlat::TranslateTypedef(u), xlat::PassResult::LineDone);
    EXPECT_EQ(u.out, "  ' real\nCONST  double  =  REAL\n");
    xlat::Translator v;
    SetLine(v, "typedef enum {");
    EXPECT_EQ(xlat::TranslateTypedef(v), xlat::PassResult::GoOn);
    EXPECT_EQ(Tokens(v), "[enum][{]");
}

}  // namespace
