#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "driver/convert.hpp"
#include "prepass/line_map.hpp"
#include "prepass/normalise.hpp"

using namespace xlat;
namespace fs = std::filesystem;

namespace {
long LineCount(const std::string& text) { return std::count(text.begin(), text.end(), '\n') + 1; }
}  // namespace

TEST(LineMap, HasOneEntryPerNormalisedLine) {
    std::vector<std::string> sources;
    for (const auto& entry : fs::directory_iterator(fs::path(XLAT_TEST_DATA) / "e2e" / "cases")) {
        if (entry.path().extension() != ".c") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        sources.push_back(s.str());
    }
    sources.push_back(std::string("a;\0\nb;\n", 7));  // the source ends at a NUL byte
    std::mt19937 random(7);
    // Quotes, apostrophes and backslashes make literals, whose "*/" is text.
    const char pieces[][8] = {"}", " ", "\n", "\r\n", "while", "*/", "*",  "/",
                              "x", ";", "{",  "\r",   "\"",    "'",  "\\", "//"};
    for (int n = 0; n < 4000; ++n) {
        std::string text;
        for (int k = 0; k < 12; ++k) text += pieces[random() % std::size(pieces)];
        sources.push_back(text);
    }
    for (const std::string& source : sources) {
        EXPECT_EQ(static_cast<long>(MapNormalisedLines(source).size()), LineCount(NormaliseSource(source))) << source;
    }
}

TEST(LineMap, MessagesNameTheLineOfTheUsersSource) {
    Conversion stop = TranslateSource("/* one */ a = 1;\ndo {\n  b = 2;\n}\nwhile (b);\n}\n");
    ASSERT_EQ(stop.verdict, Verdict::Fatal);
    EXPECT_EQ(stop.line, 6);

    Conversion open = TranslateSource("a = 1;\nwhile (a) {\n  if (b) {\n    c = 1;\n");
    ASSERT_EQ(open.verdict, Verdict::OpenBlocks);
    ASSERT_EQ(open.openBlocks.size(), 2u);
    EXPECT_EQ(open.openBlocks[0].line, 2);
    EXPECT_EQ(open.openBlocks[0].closer, "WEND");
    EXPECT_EQ(open.openBlocks[1].line, 3);
    EXPECT_EQ(open.openBlocks[1].closer, "END IF");
}
