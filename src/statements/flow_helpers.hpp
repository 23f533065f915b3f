// Small token helpers shared by the control-flow passes (if, while, for) and
// by the passes that write a C line through unchanged behind "!".
#pragma once

#include <string>

#include "driver/translator.hpp"

namespace xlat {

// The ")" that closes the parenthesis after the statement word: the first
// index from 1 on where a "(" has been seen and the depth is back to 0.
// Returns -1 when the parentheses never balance.
int FindConditionEnd(const Translator& t);

// Tokens from..to (inclusive), each followed by one blank.
std::string TokensWithBlanks(const Translator& t, int from, int to);

// A header ending in "{" with another statement between its condition and
// the brace (`if (c) while (d) {`): that statement goes in front of
// pendingText, the header keeps only "{" after its condition, and the header's
// block is marked to close together with the inner one.
void MoveInnerStatement(Translator& t);

// Empties the parentheses around the condition (token 1 and its match).
void EmptyConditionParentheses(Translator& t);

// Writes the current line as raw C: its trailing comment first as a "'" line,
// then "!" and lineText.
void WriteRawLine(Translator& t);

// A raw line keeps the block effect of its braces: "{" opens pendingBlock,
// "}" closes the innermost block and writes its closer.
void ApplyRawBraces(Translator& t);

}  // namespace xlat
