// Whatever it is given, the translator must finish, say what went wrong and
// keep what it translated.
#include <gtest/gtest.h>

#include <random>

#include "driver/convert.hpp"
#include "indenter/indent.hpp"

using namespace xlat;

namespace {
Conversion Translate(std::string_view source) {
    Conversion result = TranslateSource(source);
    (void)IndentOutput(result.text);
    return result;
}
std::string Repeat(std::string_view piece, int times) {
    std::string out;
    out.reserve(piece.size() * static_cast<size_t>(times));
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}
}  // namespace

TEST(HostileInput, EmptyAndCommentOnlyFiles) {
    Conversion empty = Translate("");
    EXPECT_EQ(empty.verdict, Verdict::Converted);
    EXPECT_EQ(empty.text, "");

    Conversion comments = Translate("// one\r\n/* two */\r\n");
    EXPECT_EQ(comments.verdict, Verdict::Converted);
    EXPECT_EQ(comments.text, "' one\n' two \n");
}

TEST(HostileInput, BinaryDataFinishes) {
    std::mt19937 random(12345);
    for (int round = 0; round < 20; ++round) {
        std::string bytes(4096, '\0');
        for (char& c : bytes) c = static_cast<char>(1 + random() % 255);
        Conversion result = Translate(bytes);
        (void)result;
    }
}

TEST(HostileInput, HugeLinesAndManyTokens) {
    Conversion longLine = Translate("x = 1" + Repeat(" + 1", 1'250'000) + ";\n");
    EXPECT_EQ(longLine.verdict, Verdict::Converted);
    EXPECT_EQ(longLine.text.size(), 5 + 4 * 1'250'000 + 1u);

    Conversion manyTokens = Translate("f(a" + Repeat(",a", 100'000) + ");\n");
    EXPECT_EQ(manyTokens.verdict, Verdict::Converted);
    EXPECT_EQ(manyTokens.text, "f (a" + Repeat(", a", 100'000) + ")\n");
}

TEST(HostileInput, DeepAndUnclosedNesting) {
    Conversion nested = Translate(Repeat("{\n", 10'000) + Repeat("}\n", 10'000));
    EXPECT_EQ(nested.verdict, Verdict::Converted);
    EXPECT_EQ(nested.text, "");

    Conversion open = Translate(Repeat("{\n", 10'000));
    EXPECT_EQ(open.verdict, Verdict::OpenBlocks);
    EXPECT_EQ(open.openBlocks.size(), 10'000u);
}

TEST(HostileInput, FatalStopsKeepTheTextBeforeThem) {
    Conversion brace = Translate("a = 1;\n}\n");
    EXPECT_EQ(brace.verdict, Verdict::Fatal);
    EXPECT_EQ(brace.message, "SYNTAX ERROR IN SOURCE OR BUG");
    EXPECT_EQ(brace.text, "a = 1\n");
    EXPECT_EQ(brace.line, 2);

    Conversion comment = Translate("a = 1;\n/* never\nclosed\n");
    EXPECT_EQ(comment.verdict, Verdict::Fatal);
    EXPECT_EQ(comment.message, "Sorry: We got lost formating comments");
    EXPECT_EQ(comment.text, "a = 1\n'  never\n'closed\n");

    Conversion statement = Translate("a = 1;\nx = y +\n");
    EXPECT_EQ(statement.verdict, Verdict::Fatal);
    EXPECT_EQ(statement.message, "Sorry. Got Lost trying to format source");

    Conversion loop = Translate("for (i = 0; i < n;\ni++\n");
    EXPECT_EQ(loop.verdict, Verdict::Fatal);
    EXPECT_EQ(loop.message, "Sorry. Got Lost trying to format source");
}

TEST(HostileInput, UnterminatedLiteralsAndOddLineEnds) {
    Conversion literal = Translate("s = \"abc;\n");
    EXPECT_NE(literal.verdict, Verdict::OpenBlocks);

    Conversion crOnly = Translate("a = 1;\rb = 2;\r");
    EXPECT_EQ(crOnly.verdict, Verdict::Converted);
}

TEST(HostileInput, NonAsciiBytesPassThrough) {
    Conversion latin1 = Translate("s = \"caf\xe9\"; // gr\xfc\xdf\n");
    EXPECT_EQ(latin1.verdict, Verdict::Converted);
    EXPECT_EQ(latin1.text, "s = \"caf\xe9\"" + std::string(60, ' ') + "'gr\xfc\xdf\n");

    Conversion utf8 = Translate("/* \xc3\xa9t\xc3\xa9 */\nt = \"\xe2\x82\xac\";\n");
    EXPECT_EQ(utf8.verdict, Verdict::Converted);
    EXPECT_EQ(utf8.text, "' \xc3\xa9t\xc3\xa9 \nt = \"\xe2\x82\xac\"\n");
}
