#include <gtest/gtest.h>

#include "driver/passes.hpp"
#include "expressions/expressions.hpp"

namespace {

xlat::Translator Convert(const std::string& line, const std::string& comment = "") {
    xlat::Translator t;
    t.lineText = line;
    t.lineComment = comment;
    xlat::ConvertCharLiterals(t);
    return t;
}

TEST(ConvertCharLiterals, EscapesBecomeCodesNotedInTheComment) {
    xlat::Translator two = Convert("if (ch == '\\t' || ch == '\\r')", "old");
    EXPECT_EQ(two.lineText, "if (ch ==  9  || ch ==  13 )");
    EXPECT_EQ(two.lineComment, "\\r = 13 : \\t = 9 : old");
    EXPECT_EQ(Convert("b = '\\a' + '\\v';").lineText, "b =  7  +  11 ;");
    // Octal and hexadecimal escapes give their value, noted like the others;
    // the zero character gets no note.
    xlat::Translator octal = Convert("e = '\\012' + '\\x1b' + '\\0';");
    EXPECT_EQ(octal.lineText, "e =  10  +  27  +  0 ;");
    EXPECT_EQ(octal.lineComment, "\\x1b = 27 : \\012 = 10");
}

TEST(EmitLine, AdjacentLiteralsAreFused) {
    xlat::Translator t;
    t.lineText = "s = \"ab\" \"cd\"";
    xlat::EmitLine(t);
    EXPECT_EQ(t.out, "s = \"abcd\"\n");
}

}  // namespace
