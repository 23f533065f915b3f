// The one way text is cut into tokens: at delimiter characters that stand
// outside double-quoted literals (every double quote flips the literal
// switch, escaped or not).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "driver/translator.hpp"

namespace xlat {

// What a byte is to the cut: part of a token, a delimiter, or a double
// quote that opens or closes a literal (a quote in the delimiter set is a
// delimiter).
enum class CutClass : std::uint8_t { Plain, Delimiter, Quote };

// A delimiter set as a table over all byte values. The sets that the passes
// use on every line are tables made once, at compile time.
class DelimiterSet {
public:
    using Table = std::array<CutClass, 256>;

    static constexpr Table MakeTable(std::string_view delimiters) {
        Table table{};
        table[static_cast<unsigned char>('"')] = CutClass::Quote;
        for (char c : delimiters) table[static_cast<unsigned char>(c)] = CutClass::Delimiter;
        return table;
    }

    explicit DelimiterSet(std::string_view delimiters) : table_(Known(delimiters)) {
        if (table_ == nullptr) {
            own_ = MakeTable(delimiters);
            table_ = &own_;
        }
    }

    CutClass operator[](char c) const { return (*table_)[static_cast<unsigned char>(c)]; }
    bool IsDelimiter(char c) const { return (*this)[c] == CutClass::Delimiter; }

private:
    static const Table* Known(std::string_view delimiters);

    const Table* table_;
    Table own_;
};

// Calls onPiece(piece) for each non-empty run between delimiters and
// onDelimiter(c, the delimiter as a one-character view) for each delimiter,
// in text order.
template <class OnPiece, class OnDelimiter>
void CutAtDelimiters(std::string_view text, const DelimiterSet& delimiters, OnPiece onPiece, OnDelimiter onDelimiter) {
    const size_t n = text.size();
    size_t start = 0;  // where the current piece began
    size_t i = 0;
    while (i < n) {
        const CutClass k = delimiters[text[i]];
        if (k == CutClass::Plain) {
            ++i;
        } else if (k == CutClass::Quote) {
            // The literal runs to the next quote, or to the end of the text.
            const size_t close = text.find('"', i + 1);
            i = close == std::string_view::npos ? n : close + 1;
        } else {
            if (i > start) onPiece(text.substr(start, i - start));
            onDelimiter(text[i], text.substr(i, 1));
            start = ++i;
        }
    }
    if (start < n) onPiece(text.substr(start));
}

// The tokens of `text`, as views into it, appended to `out`.
inline void CutIntoViews(std::string_view text, const DelimiterSet& delimiters, std::vector<std::string_view>& out) {
    CutAtDelimiters(
        text, delimiters, [&out](std::string_view piece) { out.push_back(piece); },
        [&out](char, std::string_view delimiter) { out.push_back(delimiter); });
}

}  // namespace xlat
