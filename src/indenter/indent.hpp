// Re-indents finished BASIC text by its block keywords and aligns trailing
// comments on a column grid.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace xlat {

// How a long text is shared out among the machine's cores: it is cut after
// the end of a top-level SUB or FUNCTION into pieces indented side by side.
// The result is always that of indenting the text in one piece.
struct PieceSharing {
    unsigned threads = 0;                 // 0: one for each core of the machine
    size_t pieceBytes = size_t{1} << 18;  // a piece is at least this long
    size_t maxPieces = 0;                 // 0: one for each thread
};

std::string IndentOutput(std::string_view basText, const PieceSharing& sharing = {});

}  // namespace xlat
