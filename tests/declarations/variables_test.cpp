#include <gtest/gtest.h>

#include "driver/passes.hpp"

namespace {

// Tokenizes a statement, runs the declaration pass and writes what goes on.
std::string Declare(xlat::Translator& t, const std::string& text) {
    t.lineText = text;
    xlat::Tokenize(t, xlat::kMainDelimiters);
    if (!xlat::TranslateDeclaration(t)) return "<dropped>";
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

TEST(Variables, LocalAndFileLevelLists) {
    xlat::Translator local = InFunction();
    EXPECT_EQ(Declare(local, "double a , * b , c [ 10 ] ;"),
              "DIM RAW a AS double, b AS double PTR, c[10] AS double\n");
    EXPECT_EQ(Declare(local, "INTEGER a , * b , c [ 10 ] ;"),
              "DIM RAW a AS INTEGER, b AS INTEGER PTR, c[10] AS INTEGER\n");
    EXPECT_EQ(Declare(local, "register long n ;"), "DIM RAW n AS long\n");
    EXPECT_EQ(Declare(local, "char * * argv2 ;"), "DIM RAW argv2 AS char PTR PTR\n");
    EXPECT_EQ(Declare(local, "char buf [ N * 2 ] ;"), "DIM RAW buf[N *2] AS char\n");
    EXPECT_EQ(Declare(local, "double x = 5 ;"), "DIM RAW x = 5 AS double\n");
    xlat::Translator file;
    EXPECT_EQ(Declare(file, "double a , * b , c [ 10 ] ;"),
              "GLOBAL a AS double, b AS double PTR, c[10] AS double\n");
}

TEST(Variables, StaticDeclarations) {
    xlat::Translator local = InFunction();
    EXPECT_EQ(Declare(local, "static char buf [ 256 ] ;"), "STATIC buf[256] AS char\n");
    xlat::Translator file;
    EXPECT_EQ(Declare(file, "static char buf [ 256 ] ;"), "GLOBAL buf[256]  AS char\n");
}

TEST(Variables, MembersOfATypeLoseTheirKeyword) {
    xlat::Translator file;
    file.inTypeDef = 1;
    EXPECT_EQ(Declare(file, "double x ;"), "x AS double\n");
    xlat::Translator local = InFunction();
    local.inTypeDef = 1;
    EXPECT_EQ(Declare(local, "double x ;"), "DIM RAW x AS double\n");
}

TEST(Variables, PrototypesAtFileLevelVanish) {
    xlat::Translator file;
    file.lineComment = " note";
    EXPECT_EQ(Declare(file, "long f ( long x ) ;"), "<dropped>");
    EXPECT_EQ(file.lineComment, "");
    EXPECT_EQ(Declare(file, "double y = g ( 1 ) ;"), "<dropped>");
}

TEST(Variables, InitialiserWithACallIsSplitOff) {
    xlat::Translator t = InFunction();
    t.pendingText = "z ;";
    EXPECT_EQ(Declare(t, "double y = sqrt ( x ) ;"), "DIM RAW y AS double\n");
    EXPECT_EQ(t.pendingText, "y=sqrt(x);z ;");
}

TEST(Variables, AssignmentToATypeNamedVariableIsNoDeclaration) {
    xlat::Translator t = InFunction();
    t.AddTypeName("list");
    EXPECT_EQ(Declare(t, "list = create ( v ) ;"), "list = create (v)\n");
    EXPECT_EQ(t.pendingText, "");
}

TEST(Initialiser, StringsBecomeSetBlocks) {
    xlat::Translator t = InFunction();
    EXPECT_EQ(Declare(t, "char s [ ] = \"ab\" \"cd\" ;"), "SET s [ ] AS char\n\"ab\"\n\"cd\"\nEND SET\n");
    EXPECT_EQ(Declare(t, "char * p = \"x\" ;"), "SET  p AS char PTR\n\"x\"\nEND SET\n");
    EXPECT_EQ(Declare(t, "static char m [ ] = \"a\\n\" ;"),
              "$IPRINT_OFF\nSHAREDSET m [ ] AS char\n\"a\\n\"\nEND SET\n$IPRINT_ON\n");
    t.pendingText = "rest";
    t.lineComment = " c";
    std::string out = Declare(t, "char q [ ] = \"z\" ;");
    EXPECT_EQ(out.substr(0, 30), "SET q [ ] AS char\n\"z\"\nEND SET\n");
    EXPECT_EQ(out.substr(out.size() - 3), "'c\n");  // the comment comes out alone
    EXPECT_EQ(t.pendingText, "");
}

TEST(Initialiser, BraceListOpensASetBlock) {
    xlat::Translator t = InFunction();
    t.pendingText = "x ;";
    EXPECT_EQ(Declare(t, "static double v [ 2 ] = { 1.5 , 2.5 } ;"), "SHAREDSET v[2] AS double\n");
    EXPECT_EQ(t.pendingBlock.closer, "END SET");
    EXPECT_EQ(t.pendingText, "{ 1.5 , 2.5 } ; x ;");
    EXPECT_EQ(Declare(t, "INTEGER a [ 3 ] = { 1 , 2 , 3 } ;"), "SET a[3] AS INTEGER\n");
}

TEST(DeclarationToDim, TypedTextsBecomeDimRaw) {
    xlat::Translator t;
    std::string text = " int i = 0 ";
    xlat::DeclarationToDim(t, text);
    EXPECT_EQ(text, "DIM RAW  i = 0 AS int");
    text = "i = 0";
    xlat::DeclarationToDim(t, text);
    EXPECT_EQ(text, "i = 0");
    text = "int";
    xlat::DeclarationToDim(t, text);
    EXPECT_EQ(text, "DIM RAW  AS int");
    text = "( a == b | c )";
    xlat::DeclarationToDim(t, text);
    EXPECT_EQ(text, "(a = b  BOR  c)");
}

}  // namespace
