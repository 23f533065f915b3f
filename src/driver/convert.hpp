// The translator as a pure function: C source text in, BASIC text and a
// verdict out. Files, backups and the console belong to the file driver.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "driver/translator.hpp"

namespace xlat {

enum class Verdict {
    Converted,   // every block was closed
    OpenBlocks,  // "Conversion Error Detected. :-(": blocks left open at the end
    Fatal,       // the run stopped early with `message`
};

struct OpenBlock {
    long line = 0;       // line of the user's source that opened the block
    std::string closer;  // the BASIC line that would have closed it
};

struct Conversion {
    std::string text;  // the BASIC text as written, before indenting
    Verdict verdict = Verdict::Converted;
    std::string message;  // the fatal stop's message
    std::string reason;   // a few words on what went wrong (fatal stops)
    long line = 0;        // line of the user's source where the run stopped
    std::vector<OpenBlock> openBlocks;
    // For the touch-up list, in lines of the user's source: the lines
    // written through as C behind "!" and the "$HEADER" marks (in pairs
    // around each macro kept as C).
    std::vector<RawLine> rawLines;
    std::vector<long> headerLines;
    // Lines of the user's source of the #elif and #else directives before
    // which the blocks had to be put back as they were at the #if: the
    // branch before them opened or closed blocks of its own.
    std::vector<long> reconciledBranches;
    // How many parts after the first were translated side by side and kept
    // (see WorkSharing); 0 when the source was translated in one part.
    size_t partsKept = 0;
};

// The speed-ups of a translation. The plain translation reads the source in
// one part, from the first line to the last, taking each line whole; every
// speed-up below has a switch of its own and gives exactly the plain result.
// (Large pages for large blocks are switched for the whole program: see
// runtime/large_pages.hpp.)
struct WorkSharing {
    // Parts side by side: a large source is cut, between two top-level
    // definitions, into parts translated on the machine's cores; each part
    // but the first starts from the state that a translation normally has
    // there, and its result is kept only when the translation of everything
    // before it ends in exactly that state.
    bool partsSideBySide = true;
    unsigned threads = 0;                // 0: one for each core of the machine
    size_t partBytes = size_t{1} << 18;  // a part is at least this long
    size_t maxParts = 0;                 // 0: one for each thread
    // Pieces of long lines: the rest of a long line is taken one piece at a
    // time where that is sure to give what taking it whole gives.
    bool piecesOfLongLines = true;
    // Whether the lines of a statement spread over many lines are joined
    // one after the other without the passes before the statement splitter
    // running again over all the text joined so far, where they would only
    // act on the new line (off only to check that this gives what joining
    // the usual way gives).
    bool joinShortcut = true;
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
