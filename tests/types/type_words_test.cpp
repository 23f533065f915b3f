#include <gtest/gtest.h>

#include "driver/passes.hpp"
#include "driver/tokenizer.hpp"
#include "types/type_scan.hpp"

using namespace xlat;

namespace {

using V = std::vector<std::string>;

// Tokens of `line` after the three normalisation passes; the translator is
// kept so that a test can look at the type names learnt.
V Normalise(Translator& t, const std::string& line) {
    t.lineText = line;
    Tokenize(t, kMainDelimiters);
    RecognizeTypeWords(t);
    NormalizeTypes(t);
    RenameIdentifiers(t);
    V out;
    for (int i = 0; i <= t.lastToken; ++i) out.push_back(t.TokAt(i));
    return out;
}

V Normalise(const std::string& line) {
    Translator t;
    return Normalise(t, line);
}

}  // namespace

TEST(RecognizeTypeWords, FoldsMultiWordTypes) {
    EXPECT_EQ(Normalise("const char *msg;"), (V{"LPCCH", "msg", ";"}));
    // Every fold, several to a line.
    EXPECT_EQ(Normalise("const BYTE *p, long int a, short int b, ULONG int c, USHORT int d, signed short e"),
              (V{"LPCBYTE", "p", ",", "long", "a", ",", "short", "b", ",", "ULONG", "c", ",", "USHORT", "d", ",",
                 "short", "e"}));
    EXPECT_EQ(Normalise("unsigned char a, unsigned short b, unsigned int c, unsigned long d, unsigned short int e"),
              (V{"UCHAR", "a", ",", "USHORT", "b", ",", "UINT", "c", ",", "ULONG", "d", ",", "USHORT", "e"}));
    EXPECT_EQ(Normalise("signed char a, signed int b, signed long c"),
              (V{"char", "a", ",", "int", "b", ",", "long", "c"}));
    // A folded word feeds the next rule.
    EXPECT_EQ(Normalise("unsigned long int c;"), (V{"ULONG", "c", ";"}));
    // Only exact words fold; "unsigned" alone stays.
    EXPECT_EQ(Normalise("const char c;"), (V{"const", "char", "c", ";"}));
    EXPECT_EQ(Normalise("unsigned x;"), (V{"unsigned", "x", ";"}));
}

TEST(RecognizeTypeWords, LearnsTypeNamesFromDeclarations) {
    Translator t;
    Normalise(t, "FILE *fp;");
    Normalise(t, "HFONT font;");
    Normalise(t, "static MYTYPE v;");
    Normalise(t, "goto done;");
    Normalise(t, "REF &r = x;");
    EXPECT_TRUE(t.IsTypeName("FILE"));
    EXPECT_TRUE(t.IsTypeName("HFONT"));
    EXPECT_TRUE(t.IsTypeName("MYTYPE"));
    EXPECT_FALSE(t.IsTypeName("static"));
    EXPECT_TRUE(t.IsTypeName("goto"));
    EXPECT_TRUE(t.IsTypeName("REF"));
    for (const char* line : {"return x;", "x = y;", "enum E e;", "struct S s;", "else x;", "case A b:", "const K k;",
                             "typedef T u;", "f(x);", "Z *;", "p = 1;"})
        Normalise(t, line);
    for (const char* name :
         {"return", "x", "enum", "struct", "else", "case", "const", "K", "typedef", "T", "f", "Z", "p"})
        EXPECT_FALSE(t.IsTypeName(name)) << name;
    // The tag of an enum is its type; a name may begin with "_".
    EXPECT_TRUE(t.IsTypeName("E"));
    Normalise(t, "_int64 x;");
    EXPECT_TRUE(t.IsTypeName("_int64"));
}

TEST(RecognizeTypeWords, LearnsParameterTypesOfDefinitionHeads) {
    Translator t;
    Normalise(t, "int f(FOO a);");
    EXPECT_FALSE(t.IsTypeName("FOO"));
    Normalise(t, "int f(FOO a)");
    EXPECT_TRUE(t.IsTypeName("FOO"));
    Normalise(t, "void paint(HDC dc, COLORREF c, LPFOO * p, REF & r) {");
    EXPECT_TRUE(t.IsTypeName("COLORREF"));
    EXPECT_TRUE(t.IsTypeName("LPFOO"));
    EXPECT_TRUE(t.IsTypeName("REF"));
    EXPECT_FALSE(t.IsTypeName("dc"));
    // FILE is learnt from the parameter list; a const parameter folds and
    // teaches its folded word.
    EXPECT_EQ(Normalise(t, "void save(FILE *fp, const char *s)"),
              (V{"void", "save", "(", "FILE", "*", "fp", ",", "LPCCH", "s", ")"}));
    EXPECT_TRUE(t.IsTypeName("FILE"));
    EXPECT_TRUE(t.IsTypeName("LPCCH"));
    // A head with a calling convention teaches its return type only.
    Normalise(t, "LRESULT CALLBACK WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)");
    EXPECT_TRUE(t.IsTypeName("LRESULT"));
    EXPECT_FALSE(t.IsTypeName("CALLBACK"));
    // A parameter type may begin with "_"; one after const is not learnt.
    Normalise(t, "int g(_FOO x, const BAR y)");
    EXPECT_TRUE(t.IsTypeName("_FOO"));
    EXPECT_FALSE(t.IsTypeName("BAR"));
}

TEST(RecognizeTypeWords, LearnsFromFunctionPointers) {
    Translator t;
    Normalise(t, "HOOK (*cb)(WIDGET w, EVENT *e);");
    EXPECT_TRUE(t.IsTypeName("HOOK"));
    EXPECT_TRUE(t.IsTypeName("WIDGET"));
    EXPECT_TRUE(t.IsTypeName("EVENT"));
    EXPECT_FALSE(t.IsTypeName("cb"));
}

TEST(NormalizeTypes, MapsOpenGlTypes) {
    Translator t;
    EXPECT_EQ(Normalise(t, "GLint x;"), (V{"int", "x", ";"}));
    EXPECT_TRUE(t.IsTypeName("GLint"));  // learnt before it is mapped
    EXPECT_EQ(Normalise("GLvoid draw(GLvoid)"), (V{"void", "draw", "(", "void", ")"}));
    EXPECT_EQ(Normalise("GLuint loop;"), (V{"int", "iLoop", ";"}));
    EXPECT_EQ(Normalise("GLuint tex;"), (V{"GLuint", "tex", ";"}));
}

TEST(NormalizeTypes, RenamesTheWindowProcedureReference) {
    EXPECT_EQ(Normalise("wc.lpfnWndProc = WndProc;"), (V{"wc.lpfnWndProc", "=", "WndMainProc", ";"}));
    EXPECT_EQ(Normalise("wc.lpfnWndProc = (WNDPROC)wndproc;"),
              (V{"wc.lpfnWndProc", "=", "(", "WNDPROC", ")", "WndMainProc", ";"}));
    EXPECT_EQ(Normalise("WndProc"), (V{"WndProc"}));
}

TEST(RenameIdentifiers, RenamesWordsOfTheDialect) {
    EXPECT_EQ(Normalise("int Len = 0;"), (V{"int", "llen", "=", "0", ";"}));
    EXPECT_EQ(Normalise("loop = pos + set + delay + Timer + OBJECT;"),
              (V{"iLoop", "=", "ppos", "+", "sset", "+", "ddelay", "+", "ttimer", "+", "oobject", ";"}));
    EXPECT_EQ(Normalise("timer.count = Timer.x;"), (V{"ttimer.count", "=", "tTimer.x", ";"}));
    // Member accesses are single tokens and keep their names.
    EXPECT_EQ(Normalise("x = p->len + s.len;"), (V{"x", "=", "p->len", "+", "s.len", ";"}));
    // Written with blanks, the member name is a token of its own.
    EXPECT_EQ(Normalise("x = p -> len;").at(4), "llen");
    // String literals are single tokens.
    EXPECT_EQ(Normalise("s = \"len\";"), (V{"s", "=", "\"len\"", ";"}));
}

TEST(RenameIdentifiers, FoldsUnsignedInOtherLetterCases) {
    EXPECT_EQ(Normalise("Unsigned Int n;"), (V{"UINT", "n", ";"}));
    EXPECT_EQ(Normalise("UNSIGNED char c;"), (V{"UCHAR", "c", ";"}));
    EXPECT_EQ(Normalise("unsigned Long c;"), (V{"ULONG", "c", ";"}));
    EXPECT_EQ(Normalise("Unsigned Short s;"), (V{"Unsigned", "Short", "s", ";"}));
}

// The quick scan of the parallel mode and the type-word pass read type words
// with one grammar: on statements that the pass sees whole, they learn the
// same names in the same order.
TEST(TypeScan, LearnsWhatTheTypeWordPassLearns) {
    const std::vector<std::string> lines = {
        "FILE *fp;",
        "HFONT font;",
        "static MYTYPE v;",
        "goto done;",
        "REF &r = x;",
        "x = y;",
        "return x;",
        "int f(FOO a);",
        "int f(FOO a)",
        "void paint(HDC dc, COLORREF c, LPFOO * p, REF & r) {",
        "void save(FILE *fp, const char *s)",
        "LRESULT CALLBACK WndProc(HWND h, UINT m, WPARAM w, LPARAM l)",
        "int g(_FOO x, const BAR y)",
        "HOOK (*cb)(WIDGET w, EVENT *e);",
        "unsigned long int count;",
        "unsigned short int u;",
        "long int n;",
        "signed char c;",
        "const BYTE *data;",
        "const K k;",
        "enum E e;",
        "else x;",
        "case A b:",
        "_int64 x;",
        "GLint x;",
        "u8 g(const char *s, int n);",
        "ULONG int big;",
        "USHORT int small;",
        "void f(struct term *p, union u v, enum e w)",
        "static struct pollfd list[8];",
        "extern union cell c;",
        "enum color c;",
        "union u {",
        "unsigned int g(struct a *p) {",
        "struct action *sort(ap)",
        "API_EXPORT int f(FOO a) {",
        "DECL(struct item *) item_new(const char *name) {",
        "const num *f(int p) {",
        "_GLFWwindow *make(void) {",
    };
    const TypeTable builtIn;
    for (const std::string& line : lines) {
        Translator t;
        Normalise(t, line);
        const std::vector<std::string>& all = t.types.Names();
        const std::vector<std::string> learnt(all.begin() + builtIn.TypeCount() + 1, all.end());
        std::vector<std::string> scanned;
        for (const std::string& name : ScanTypeNames(line + "\n"))
            if (!builtIn.Contains(name)) scanned.push_back(name);
        EXPECT_EQ(scanned, learnt) << line;
    }
}

// A head is known by the "{" after it: on its line or on the next one.
TEST(TypeScan, LearnsTheTypeOfAHeadWhoseBodyFollows) {
    EXPECT_EQ(ScanTypeNames("API_EXPORT mytype f(FOO a)\n{\n}\nAPI_EXPORT other g(BAR b);\n"),
              (std::vector<std::string>{"mytype", "FOO", "API_EXPORT"}));
}
