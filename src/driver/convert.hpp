// The translator as a pure function: C source text in, BASIC text and a
// verdict out. Files, backups and the console belong to the file driver.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace xlat {

enum class Verdict {
    Converted,   // every block was closed
    OpenBlocks,  // "Conversion Error Detected. :-(": blocks left open at the end
    Fatal,       // the run stopped early with `message`
};

struct OpenBlock {
    long line = 0;        // line of the user's source that opened the block
    std::string closer;   // the BASIC line that would have closed it
};

struct Conversion {
    std::string text;     // the BASIC text as written, before indenting
    Verdict verdict = Verdict::Converted;
    std::string message;  // the fatal stop's message
    std::string reason;   // a few words on what went wrong (fatal stops)
    long line = 0;        // line of the user's source where the run stopped
    std::vector<OpenBlock> openBlocks;
};

// Translates a whole C source. `typeNamesFile` is the text of the optional
// file of extra type names (one per line); empty when there is none.
Conversion TranslateSource(std::string_view source, std::string_view typeNamesFile = {});

}  // namespace xlat
