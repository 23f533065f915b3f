// What a pass of the per-line chain asks for next, and the runner that
// strings passes together into a chain.
#pragma once

#include "driver/translator.hpp"

namespace xlat {

enum class PassResult {
    GoOn,      // the line goes on to the next pass
    LineDone,  // the line is finished: written, consumed, deferred or dropped
    LookAgain  // the line was rewritten in place: the pass that asked looks at it again
};

// Runs `passes` on the line in order, up to the first that does not let it
// go on, and returns that pass's result (GoOn when every pass let it go on).
// The passes are template arguments, so every call is a direct one.
template <auto... passes>
PassResult RunInOrder(Translator& t) {
    PassResult result = PassResult::GoOn;
    (void)(((result = passes(t)) == PassResult::GoOn) && ...);
    return result;
}

// Runs `pass` again for as long as it asks to look at the line again.
template <auto pass>
PassResult UntilSettled(Translator& t) {
    PassResult result;
    do result = pass(t);
    while (result == PassResult::LookAgain);
    return result;
}

}  // namespace xlat
