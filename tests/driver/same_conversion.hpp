// Differential tests of the translator's speed-ups: two translations of one
// source must agree in everything: text, verdict, message, lines and the
// places to touch up.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "driver/convert.hpp"

inline void ExpectSameConversion(const xlat::Conversion& a, const xlat::Conversion& b, const std::string& what = "") {
    EXPECT_EQ(a.text, b.text) << what;
    EXPECT_EQ(a.verdict, b.verdict) << what;
    EXPECT_EQ(a.message, b.message) << what;
    EXPECT_EQ(a.reason, b.reason) << what;
    EXPECT_EQ(a.line, b.line) << what;
    ASSERT_EQ(a.openBlocks.size(), b.openBlocks.size()) << what;
    for (size_t i = 0; i < a.openBlocks.size(); ++i) {
        EXPECT_EQ(a.openBlocks[i].line, b.openBlocks[i].line) << what;
        EXPECT_EQ(a.openBlocks[i].closer, b.openBlocks[i].closer) << what;
    }
    ASSERT_EQ(a.rawLines.size(), b.rawLines.size()) << what;
    for (size_t i = 0; i < a.rawLines.size(); ++i) {
        EXPECT_EQ(a.rawLines[i].line, b.rawLines[i].line) << what;
        EXPECT_EQ(a.rawLines[i].text, b.rawLines[i].text) << what;
    }
    EXPECT_EQ(a.headerLines, b.headerLines) << what;
    EXPECT_EQ(a.reconciledBranches, b.reconciledBranches) << what;
}

// Translates `source` on one thread, with the settings as given and with
// `off` applied to them, and expects the same conversion.
template <class SwitchOff>
void ExpectSameWithAndWithout(const std::string& source, SwitchOff off) {
    xlat::WorkSharing on;
    on.threads = 1;
    xlat::WorkSharing without = on;
    off(without);
    ExpectSameConversion(xlat::TranslateSource(source, "HFONT\nFILE\n", on),
                         xlat::TranslateSource(source, "HFONT\nFILE\n", without));
}

inline std::string ReadFileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every end-to-end case and every input that once failed the fuzzer.
inline std::vector<std::filesystem::path> KnownSources() {
    namespace fs = std::filesystem;
    const fs::path tests(XLAT_TEST_DATA);
    std::vector<fs::path> sources;
    for (const fs::path& dir : {tests / "e2e" / "cases", tests / ".." / "fuzz" / "regressions"})
        for (const auto& entry : fs::directory_iterator(dir))
            if (dir.filename() != "cases" || entry.path().extension() == ".c") sources.push_back(entry.path());
    return sources;
}

// `count` fragments picked at random, each followed by `after`.
template <size_t N>
std::string PickFragments(std::mt19937& pick, const char* const (&fragments)[N], int count, std::string_view after) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += fragments[pick() % N];
        text += after;
    }
    return text;
}
