// Expression helpers shared with the statement and declaration passes, and
// the writing of finished lines.
#pragma once

#include "driver/translator.hpp"

namespace xlat {

// Character literals become their codes.
void ConvertCharLiterals(Translator& t);
// The index of the ")" matching the "(" at `index`.
int FindMatchingParen(const Translator& t, int index);
// The tokens of the assignment around the "=" at `index`.
void FindAssignmentSpan(const Translator& t, int index, int& start, int& end);
// Writes the tokens as the finished line, with its comment.
void EmitLine(Translator& t);

}  // namespace xlat
