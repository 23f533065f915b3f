// The structural check's readings of a C source and of its translation.
#include <gtest/gtest.h>

#include "basic_scan.hpp"
#include "c_scan.hpp"

using structure::ScanBasic;
using structure::ScanC;

namespace {

using Names = std::vector<std::string>;

TEST(StructureScan, FunctionDefinitionsAreBodiesAfterAParameterListAtFileLevel) {
    const auto c = ScanC(
        "int f(int a)\n"
        "{\n"
        "    if (a) { return 1; }\n"
        "    return 0;\n"
        "}\n"
        "static struct node *g(void) /* note */ { return 0; }\n"
        "int h(int);\n"
        "int (*table[2])(int) = { f, f };\n"
        "void k(void) __attribute__((noreturn));\n"
        "API(struct item *) item_new(const char *name) __attribute__((cold))\n"
        "{\n"
        "}\n"
        "enum e { X };\n"
        "for (i = 0; i < n; i++) {\n"
        "}\n"
        "if (a) { b(); } else if (c) { d(); }\n");
    EXPECT_EQ(c.functions, (Names{"f", "g", "item_new"}));
    EXPECT_EQ(c.structures, 0);
}

TEST(StructureScan, StructureBodiesAreCountedWhereverTheyStand) {
    const auto c = ScanC(
        "typedef struct { int n; } A;\n"
        "struct tag {\n"
        "    union { int i; float f; } u;\n"
        "    struct inner { int x; } in;\n"
        "};\n"
        "struct tag *p;\n"
        "void f(void) { struct local { int y; } v; }\n");
    EXPECT_EQ(c.structures, 5);
    EXPECT_EQ(c.functions, (Names{"f"}));
}

TEST(StructureScan, EveryBranchOfAConditionalBlockStartsWhereTheBlockBegan) {
    const auto c = ScanC(
        "#ifdef __cplusplus\n"
        "extern \"C\" {\n"
        "#endif\n"
        "#  ifdef WIDE\n"
        "int f(long a) {\n"
        "#elif defined(NARROW)\n"
        "int f(short a) {\n"
        "#else\n"
        "int f(int a) {\n"
        "#endif\n"
        "    return a;\n"
        "}\n"
        "#define BODY(x) \\\n"
        "    { return x; }\n"
        "int g(void)\n"
        "{\n"
        "    return 1;\n"
        "}\n"
        "#ifdef __cplusplus\n"
        "}\n"
        "#endif\n");
    EXPECT_EQ(c.functions, (Names{"f", "f", "f", "g"}));
}

TEST(StructureScan, CodeAndCommentWordsAreKeptApart) {
    const auto c = ScanC(
        "/* count the items */\n"
        "int count_items(int n) { return n; } // done here\n"
        "#define LIMIT 10 /* upper\n"
        "   bound */\n"
        "char *s = \"quoted words\";\n");
    for (const char* word : {"count_items", "int", "return", "define", "LIMIT", "char"})
        EXPECT_TRUE(c.codeWords.count(word)) << word;
    for (const char* word : {"quoted", "words", "items", "bound", "n", "s"})
        EXPECT_FALSE(c.codeWords.count(word)) << word;
    for (const char* word : {"count", "the", "items", "done", "here", "upper", "bound"})
        EXPECT_TRUE(c.commentWords.count(word)) << word;
    EXPECT_FALSE(c.commentWords.count("count_items"));
}

TEST(StructureScan, HeadsAtTheMarginClosedByTheirEndLine) {
    const auto basic = ScanBasic(
        "TYPE node\n"
        "   n AS INTEGER\n"
        "END TYPE\n"
        "FUNCTION f (a AS INTEGER) AS INTEGER\r\n"
        "   FUNCTION = a    ' returns a\n"
        "END FUNCTION\n"
        "   SUB g ()\n"
        "   END SUB\n"
        "SUB h ()\n"
        "FUNCTION LPCCH k (a AS INTEGER) AS DUK_LOCAL\n"
        "END FUNCTION\n"
        "FUNCTION WinMain()\n"
        "$HEADER\n"
        "#define SUB_COUNT 3 /* hidden\n"
        "still hidden */\n"
        "$HEADER\n"
        "!x = y ? 1 : 2; // cond\n"
        "END FUNCTION\n"
        "TYPE open\n"
        "x = \"literal words\"\n");
    EXPECT_EQ(basic.heads, (Names{"f", "g", "h", "k", "WinMain"}));
    EXPECT_EQ(basic.headsAtMargin, 4);
    EXPECT_EQ(basic.headsClosed, 4);  // h is followed by another head
    EXPECT_EQ(basic.types, 1);
    for (const char* word : {"node", "INTEGER", "FUNCTION", "SUB_COUNT", "define"})
        EXPECT_TRUE(basic.codeWords.count(word)) << word;
    for (const char* word : {"returns", "hidden", "still", "cond", "literal"})
        EXPECT_FALSE(basic.codeWords.count(word)) << word;
    for (const char* word : {"returns", "hidden", "cond", "literal", "integer"})
        EXPECT_TRUE(basic.allWords.count(word)) << word;
    EXPECT_FALSE(basic.allWords.count("INTEGER"));
    EXPECT_TRUE(basic.allWordsButFirst.count("nteger"));
}

}  // namespace
