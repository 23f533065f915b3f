// Where each line of the normalised text comes from in the user's source, so
// that messages can name the line the user sees in the editor.
#pragma once

#include <string_view>
#include <vector>

namespace xlat {

// For line k (1-based) of the normalised text, element k - 1 is the line of
// `source` it begins on. The pre-pass joins a "}" line with a following
// "while" line and puts a line break after a "*/" that has text behind it
// (unless the "*/" stands inside a literal);
// every other line break of the source stays one line break.
std::vector<long> MapNormalisedLines(std::string_view source);

}  // namespace xlat
