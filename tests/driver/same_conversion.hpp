// Two translations of one source that must agree in everything: text,
// verdict, message, lines and the places to touch up.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "driver/convert.hpp"

inline void ExpectSameConversion(const xlat::Conversion& a, const xlat::Conversion& b, const std::string& what) {
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
    EXPECT_EQ(a.reconciledLines, b.reconciledLines) << what;
}
