// Many insertions into the token buffer at once, for the declaration passes
// that put a type or a PTR in front of every separator of a line.
#pragma once

#include <string>
#include <vector>

#include "driver/translator.hpp"

namespace xlat {

// Puts count(i) new tokens in front of each token i, with fill(i, k, slot)
// writing the k-th of them into its slot, in one pass down from the top: a
// line of thousands of declarators would otherwise move all the tokens
// above each insertion. The tokens end up as inserting them one at a time
// would leave them; the slots above the new last token are not touched.
template <class Count, class Fill>
void InsertInFront(Translator& t, Count count, Fill fill) {
    int added = 0;
    for (int i = 0; i <= t.lastToken; ++i) added += count(i);
    if (added == 0) return;
    int write = t.lastToken + added;
    t.Tok(write);  // every slot up to the new last token exists
    for (int read = t.lastToken; write > read; --read) {
        const int n = count(read);  // read before the slot is given up
        t.tokens[static_cast<size_t>(write--)].swap(t.tokens[static_cast<size_t>(read)]);
        for (int k = n - 1; k >= 0; --k) fill(read, k, t.tokens[static_cast<size_t>(write--)]);
    }
    t.lastToken += added;
}

// The PTR tokens that go in front of separators, counted while the tokens
// are walked and then put in all at once.
class PtrInsertions {
public:
    // One more PTR in front of token `separator`.
    void Add(const Translator& t, int separator) {
        if (counts_.empty()) counts_.assign(static_cast<size_t>(t.lastToken + 1), 0);
        ++counts_[static_cast<size_t>(separator)];
    }
    void InsertInto(Translator& t) const {
        if (counts_.empty()) return;
        InsertInFront(
            t, [this](int i) { return counts_[static_cast<size_t>(i)]; },
            [](int, int, std::string& slot) { slot.assign("PTR"); });
    }

private:
    std::vector<int> counts_;  // per token; made at the first PTR
};

}  // namespace xlat
