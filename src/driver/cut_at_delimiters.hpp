// The one way text is cut into tokens: at delimiter characters that stand
// outside double-quoted literals (every double quote flips the literal
// switch, escaped or not).
#pragma once

#include <string_view>

namespace xlat {

// Calls onPiece(piece) for each non-empty run between delimiters and
// onDelimiter(c, the delimiter as a one-character view) for each delimiter,
// in text order.
template <class IsDelimiter, class OnPiece, class OnDelimiter>
void CutAtDelimiters(std::string_view text, IsDelimiter isDelimiter, OnPiece onPiece, OnDelimiter onDelimiter) {
    bool inLiteral = false;
    size_t start = std::string_view::npos;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (inLiteral || !isDelimiter(c)) {
            if (c == '"') inLiteral = !inLiteral;
            if (start == std::string_view::npos) start = i;
            continue;
        }
        if (start != std::string_view::npos) onPiece(text.substr(start, i - start));
        start = std::string_view::npos;
        onDelimiter(c, text.substr(i, 1));
    }
    if (start != std::string_view::npos) onPiece(text.substr(start));
}

}  // namespace xlat
