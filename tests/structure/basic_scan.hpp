// What a translation holds: its SUB and FUNCTION heads and TYPE blocks, and
// the words of its code and of the whole text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "c_scan.hpp"

namespace structure {

struct BasicOutput {
    // Names of the SUB and FUNCTION heads, in order: the last word before
    // the parameter list.
    std::vector<std::string> heads;
    int headsAtMargin = 0;  // heads that start at the left margin
    int headsClosed = 0;    // heads closed by their END line, as far indented
    int types = 0;          // TYPE lines closed by END TYPE
    // Words of the code: outside the comments after "'" and outside string
    // literals. C text kept between "$HEADER" lines, on raw "!" lines and
    // on "#" lines counts too, without its own comments.
    WordSet codeWords;
    // Every word of the text, comments included, in lower case; and each of
    // them without its first letter, which finds identifiers renamed with
    // one letter in front ("loop" written as "iLoop").
    WordSet allWords;
    WordSet allWordsButFirst;
};

BasicOutput ScanBasic(std::string_view text);

}  // namespace structure
