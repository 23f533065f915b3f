// The one way text is cut into tokens: at delimiter characters that stand
// outside double-quoted literals (every double quote flips the literal
// switch, escaped or not).
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
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
    const Table& Classes() const { return *table_; }

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
    // The table is taken once: the callbacks store views, and the compiler
    // would otherwise read the table's address again for every character.
    const DelimiterSet::Table& table = delimiters.Classes();
    const char* const end = text.data() + text.size();
    const char* start = text.data();  // where the current piece began
    const char* at = start;
    while (at != end) {
        const CutClass k = table[static_cast<unsigned char>(*at)];
        if (k == CutClass::Plain) {
            ++at;
        } else if (k == CutClass::Quote) {
            // The literal runs to the next quote, or to the end of the text.
            const void* close = std::memchr(at + 1, '"', static_cast<size_t>(end - at - 1));
            at = close == nullptr ? end : static_cast<const char*>(close) + 1;
        } else {
            if (at > start) onPiece(std::string_view(start, static_cast<size_t>(at - start)));
            onDelimiter(*at, std::string_view(at, 1));
            start = ++at;
        }
    }
    if (start < end) onPiece(std::string_view(start, static_cast<size_t>(end - start)));
}

}  // namespace xlat
