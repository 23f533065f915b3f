// What the comment pass does to a line of code, for the passes that shape
// text the comment pass will not see again as a line of its own (the
// statement joiner shapes each line it joins as the pass would).
//
// Comment marks inside string and character literals are text. A string
// literal runs from a double quote to the next one; a character literal from
// an apostrophe to the next one, a backslash in it escaping the character
// after it. A double quote inside a character literal ('"') opens nothing.
#pragma once

#include <string>
#include <string_view>

#include "driver/translator.hpp"

namespace xlat {

// A block comment that opens and closes on the line becomes a "//" one; with
// no opener on the line, a closer is dropped. `startsInString`: the text goes
// on a string literal opened before it.
void TurnClosedBlockComment(std::string& line, bool startsInString = false);

// Whether the line opens a block comment that it does not close, outside
// its literals.
bool OpensUnclosedBlockComment(std::string_view line, bool startsInString = false);

// Cuts a trailing comment off the line: from the first two slashes in a row
// (or with one blank between them) outside the literals. The line keeps the
// text before them, trimmed, and `comment` gets the text after them. Returns
// false, and changes nothing, when there is no such comment.
bool CutTrailingComment(std::string& line, std::string& comment, bool startsInString = false);

// Whether CutTrailingComment finds a comment on the line.
bool HoldsTrailingComment(std::string_view line, bool startsInString = false);

// Whether the (trimmed) line opens a block comment that runs over the next
// lines. A pass that joins lines must not put such a line into mid-line,
// where the comment pass no longer takes its opener for one.
bool StartsLongBlockComment(std::string_view line);

// Writes such a comment as the comment pass does, reading its further lines
// up to the closing one. The current line stays as it is.
void WriteLongBlockComment(Translator& t, std::string_view line);

}  // namespace xlat
