// Finds the places of a few characters in a text from left to right, each
// with the C library's memchr: the next place of every character is kept, so
// the text is read once per character, not once per place found.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace xlat {

template <std::size_t N>
class CharFinder {
public:
    CharFinder(std::string_view text, const std::array<char, N>& chars) : text_(text), chars_(chars) {
        for (std::size_t k = 0; k < N; ++k) next_[k] = Find(chars_[k], 0);
    }

    // The first place at or after `from` of any of the characters, or the
    // text's length when there is none. `from` never goes back from one call
    // to the next.
    std::size_t Next(std::size_t from) {
        std::size_t first = text_.size();
        for (std::size_t k = 0; k < N; ++k) {
            if (next_[k] < from) next_[k] = Find(chars_[k], from);
            if (next_[k] < first) first = next_[k];
        }
        return first;
    }

private:
    std::size_t Find(char c, std::size_t from) const {
        if (from >= text_.size()) return text_.size();
        const void* at = std::memchr(text_.data() + from, c, text_.size() - from);
        return at == nullptr ? text_.size() : static_cast<std::size_t>(static_cast<const char*>(at) - text_.data());
    }

    std::string_view text_;
    std::array<char, N> chars_;
    std::array<std::size_t, N> next_{};
};

}  // namespace xlat
