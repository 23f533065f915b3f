// Helpers of the directive passes for the passes that meet a directive line
// while they read ahead (the statement joiner and the else look-ahead).
#pragma once

#include <string>
#include <string_view>

#include "driver/translator.hpp"

namespace xlat {

// A line that begins with "#" once blanks and tabs are skipped.
bool IsDirectiveLine(std::string_view line);

// The word of a directive line: "if" for "#if X", "#  if X" and "#if(X)".
std::string DirectiveName(std::string_view line);

// "#  define X" becomes "#define X": blanks between the "#" and the word of
// a directive line mean nothing.
void CloseUpDirectiveHead(std::string& line);

// Counts a conditional directive (#if, #ifdef, #ifndef, #elif, #else,
// #endif) as the translator reads it: each branch is translated from the
// block stack that stood at the opening directive (see lines/branches.cpp).
// Any other line changes nothing.
void CountDirective(Translator& t, std::string_view line);

// What the directive passes make of a directive line, found on a scratch
// translator: whether they take the line, and the text they send on as the
// next line ("#ifdef A more" sends "more", "#else {" sends "{").
struct DirectiveOutcome {
    bool consumed = false;
    bool startsDeadCode = false;  // "#if 0"
    std::string sentOn;
};
DirectiveOutcome ProbeDirective(std::string_view line);

// Runs the comment and directive passes on `line` now, as if it were the
// next line read, and puts the current line and its tokens back afterwards.
// Returns true when the directive passes took the line.
bool RunDirectiveNow(Translator& t, std::string_view line);

// "#if 0": the lines of the dead branch, up to the "#else", "#elif" or
// "#endif" that belongs to it, are read from the input and, when `write` is
// set, written as comments (they need not be C at all). That closing
// directive is the next line to read.
void PassDeadCode(Translator& t, bool write);

// True for "#if 0" (in any of the forms of DirectiveName).
bool StartsDeadCode(std::string_view line);

// A directive line other than #define that ends in a backslash, with its
// continuation lines from the input joined to it by single blanks.
std::string JoinContinuedDirective(Translator& t, std::string_view line);

}  // namespace xlat
