// The line loop: the per-line chain of passes, run line after line over the
// normalised source until the input, or a given part of it, is used up.
#pragma once

#include <cstddef>
#include <unordered_set>
#include <vector>

#include "driver/translator.hpp"

namespace xlat {

// A safety net for a chain of passes that keeps handing the same text back:
// while no input line is read, the state at the start of a line taken from
// pendingText must never repeat, and the output must stay in proportion to
// the source. Either would otherwise run until memory or patience ends.
class CycleGuard {
public:
    explicit CycleGuard(size_t sourceSize) : outputLimit_(64 * sourceSize + (size_t{1} << 20)) {}

    // The most output a translation may write.
    size_t OutputLimit() const { return outputLimit_; }
    // `written` is the output written before this translator's own (a
    // translation that goes on where another one stopped).
    void Check(const Translator& t, size_t written = 0);

private:
    // What identifies the state: the ends of the pending text (hashed), its
    // size, the size of the output and the block and type counts. The sizes
    // are compared as they are, not folded into one hash: a long line gives
    // many states whose combined hashes can meet although the states differ.
    struct State {
        size_t pendingEnds, pendingSize, outSize, depth, typeCount, closer;
        bool operator==(const State&) const = default;
    };
    struct StateHash {
        size_t operator()(const State& s) const;
    };
    static State StateOf(const Translator& t);

    size_t outputLimit_;
    long linesRead_ = -1;
    // The states seen since the last line was read: a few at a time as a
    // rule, kept in a short list; a long line's many go into a hash set.
    std::vector<State> recent_;
    std::unordered_set<State, StateHash> seen_;
};

// Translates lines until the input is used up or, between two lines and
// with no text pending, the read position has reached `stopAt` (or passed
// it: a pass may have read ahead). `written` is as for CycleGuard::Check.
void RunLines(Translator& t, CycleGuard& guard, size_t stopAt, size_t written = 0);

}  // namespace xlat
