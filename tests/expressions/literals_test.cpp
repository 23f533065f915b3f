#include <gtest/gtest.h>

#include "driver/passes.hpp"

using namespace xlat;

namespace {

struct Converted {
    std::string line;
    std::string comment;
};

Converted Convert(const std::string& line, const std::string& comment = "") {
    Translator t;
    t.lineText = line;
    t.lineComment = comment;
    ConvertCharLiterals(t);
    return {t.lineText, t.lineComment};
}

}  // namespace

TEST(ConvertCharLiterals, PlainCharactersBecomeAscCalls) {
    Converted a = Convert("x = 'a';");
    EXPECT_EQ(a.line, "x =  ASC(\"a\") ;");
    EXPECT_EQ(a.comment, "");
    EXPECT_EQ(Convert("if (a == 'y' || b == 'n')").line, "if (a ==  ASC(\"y\")  || b ==  ASC(\"n\") )");
}

TEST(ConvertCharLiterals, EscapesBecomeCodesNotedInTheComment) {
    Converted n = Convert("c = '\\n';");
    EXPECT_EQ(n.line, "c =  10 ;");
    EXPECT_EQ(n.comment, "\\n = 10");
    Converted two = Convert("if (ch == '\\t' || ch == '\\r')");
    EXPECT_EQ(two.line, "if (ch ==  9  || ch ==  13 )");
    EXPECT_EQ(two.comment, "\\r = 13 : \\t = 9");
    // Notes go in front of a comment the line already had.
    EXPECT_EQ(Convert("c = '\\n';", "old").comment, "\\n = 10 : old");
    EXPECT_EQ(Convert("b = '\\a' + '\\b' + '\\f' + '\\v';").line, "b =  7  +  8  +  12  +  11 ;");
    // An escape the table does not list keeps its character.
    Converted q = Convert("c = '\\q';");
    EXPECT_EQ(q.line, "c =  ASC(\"q\") ;");
    EXPECT_EQ(q.comment, "\\q = ASC(\"q\")");
    Converted ab = Convert("c = 'ab';");
    EXPECT_EQ(ab.line, "c =  ASC(\"ab\") ;");
    EXPECT_EQ(ab.comment, "ab = ASC(\"ab\")");
}

TEST(ConvertCharLiterals, HexAndOctalEscapesKeepTheirDigits) {
    Converted z = Convert("z = '\\0';");
    EXPECT_EQ(z.line, "z =  0 ;");
    EXPECT_EQ(z.comment, "");
    EXPECT_EQ(Convert("e = '\\x1B';").line, "e =  x1B ;");
    EXPECT_EQ(Convert("e = '\\012';", "kept").comment, "kept");
    EXPECT_EQ(Convert("e = '\\012';").line, "e =  012 ;");
}

TEST(ConvertCharLiterals, LeavesStringLiteralsAndLoneApostrophesAlone) {
    EXPECT_EQ(Convert("s = \"it's\";").line, "s = \"it's\";");
    EXPECT_EQ(Convert("s = \"'a'\"; n = 1;").line, "s = \"'a'\"; n = 1;");
    EXPECT_EQ(Convert("x = 1;").line, "x = 1;");
    // A literal after a string literal that holds an apostrophe.
    EXPECT_EQ(Convert("p(\"it's\", 'a');").line, "p(\"it's\",  ASC(\"a\") );");
}
