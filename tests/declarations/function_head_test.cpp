#include <gtest/gtest.h>

#include "driver/passes.hpp"

namespace {

// Tokenizes a head, translates it and writes it as the driver would.
std::string Head(xlat::Translator& t, const std::string& text) {
    t.lineText = text;
    xlat::Tokenize(t, xlat::kMainDelimiters);
    if (!xlat::TranslateFunctionHead(t)) return "<dropped>";
    xlat::CleanFunctionHead(t);
    xlat::RewriteExpression(t);
    std::string out = t.out;
    t.out.clear();
    return out;
}

TEST(FunctionHead, FunctionsAndSubs) {
    xlat::Translator t;
    EXPECT_EQ(Head(t, "INTEGER foo ( char * s , INTEGER n )"),
              "FUNCTION foo (s AS char PTR, n AS INTEGER) AS INTEGER\n");
    EXPECT_EQ(t.pendingBlock.closer, "END FUNCTION");
    EXPECT_EQ(t.beforeFirstFunction, 0);
    EXPECT_EQ(Head(t, "void bar ( void )"), "SUB bar ()\n");
    EXPECT_EQ(t.pendingBlock.closer, "END SUB");
    EXPECT_EQ(Head(t, "char * dup ( const char * s )"), "FUNCTION dup (s AS char PTR) AS char PTR\n");
    EXPECT_EQ(Head(t, "static double f ( double x )"), "FUNCTION f (x AS double) AS double\n");
    EXPECT_EQ(Head(t, "void swap ( INTEGER & a , INTEGER & b )"),
              "SUB swap (BYREF  a AS INTEGER, BYREF  b AS INTEGER)\n");
    EXPECT_EQ(Head(t, "void f ( MYTYPE x )"), "SUB f (MYTYPE x)\n");
}

TEST(FunctionHead, CallbackAndWindowProcedure) {
    xlat::Translator t;
    EXPECT_EQ(Head(t, "BOOL CALLBACK WndProc ( HWND h , UINT m , WPARAM w , LPARAM l )"),
              "FUNCTION WndMainProc (h AS HWND, m AS UINT, w AS WPARAM, l AS LPARAM) AS BOOL CALLBACK\n");
}

TEST(FunctionHead, FilePointerParameter) {
    xlat::Translator t;
    EXPECT_EQ(Head(t, "void save ( FILE * fp )"), "SUB save (FILE fp PTR)\n");
    t.AddTypeName("FILE");
    EXPECT_EQ(Head(t, "void save ( FILE * fp )"), "SUB save (fp AS FILE)\n");
}

TEST(FunctionHead, BodyBraceOnTheHeadLineStaysLast) {
    xlat::Translator t;
    t.lineText = "int f ( int x ) {";
    xlat::Tokenize(t, xlat::kMainDelimiters);
    ASSERT_EQ(xlat::TranslateFunctionHead(t), 1);
    ASSERT_GE(t.lastToken, 0);
    EXPECT_EQ(t.TokAt(t.lastToken), "{");
    EXPECT_EQ(xlat::HandleBraces(t), 1);
    EXPECT_EQ(t.TopBlock()->closer, "END FUNCTION");
    xlat::RewriteExpression(t);
    EXPECT_EQ(t.out, "FUNCTION f (x AS int) AS int\n");
}

TEST(FunctionHead, MainIsDroppedAndKeepsItsBrace) {
    xlat::Translator t;
    t.pendingText = "x = 1 ;";
    EXPECT_EQ(Head(t, "INTEGER main ( void ) {"), "<dropped>");
    EXPECT_EQ(t.inMain, 1);
    EXPECT_EQ(t.pendingText, "{ x = 1 ;");
    EXPECT_EQ(t.pendingBlock.closer, "");

    xlat::Translator u;
    EXPECT_EQ(Head(u, "INTEGER main ( INTEGER argc , char * argv [ ] )"), "<dropped>");
    EXPECT_EQ(u.pendingText, "");
}

TEST(FunctionHead, WinMainSavesItsParameterNames) {
    xlat::Translator t;
    EXPECT_EQ(Head(t, "INTEGER WINAPI WinMain ( HINSTANCE hI , HINSTANCE hP , LPSTR cl , INTEGER cs ) {"),
              "FUNCTION WinMain()\n");
    EXPECT_EQ(t.inWinMain, 1);
    EXPECT_EQ(t.winMainParams[0], "hI");
    EXPECT_EQ(t.winMainParams[3], "cs");
    EXPECT_EQ(t.pendingBlock.closer, "END FUNCTION");
    EXPECT_EQ(t.pendingText, "{ ");
}

}  // namespace
