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
    // Lines of the user's source of the #elif and #else directives before
    // which the blocks had to be put back as they were at the #if: the
    // branch before them opened or closed blocks of its own.
    std::vector<long> reconciledBranches;
    // How many parts after the first were translated side by side and kept
    // (see WorkSharing); 0 when the source was translated in one piece.
    size_t partsKept = 0;
};

// How a large source is shared out among the machine's cores. The source is
// cut, between two top-level definitions, into parts translated side by
// side; each part but the first starts from the state that a translation
// normally has there, and its result is kept only when the translation of
// everything before it ends in exactly that state. The result is always the
// one of a translation from start to end.
struct WorkSharing {
    unsigned threads = 0;                 // 0: one for each core of the machine
    size_t partBytes = size_t{1} << 18;   // a part is at least this long
    size_t maxParts = 0;                  // 0: one for each thread
    // Whether the rest of a long line is taken one piece at a time where
    // that is sure to give what taking it whole gives (off only to check
    // exactly that).
    bool piecesOfLongLines = true;
};

// Translates a whole C source. `typeNamesFile` is the text of the optional
// file of extra type names (one per line); empty when there is none.
Conversion TranslateSource(std::string_view source, std::string_view typeNamesFile = {},
                           const WorkSharing& sharing = {});
// The same for a source the caller gives up: its memory goes as soon as the
// source is normalised, before the translation proper (for large files).
Conversion TranslateOwnedSource(std::string&& source, std::string_view typeNamesFile = {},
                                const WorkSharing& sharing = {});

}  // namespace xlat
