// Runs independent pieces of work on the machine's cores.
#pragma once

#include <cstddef>
#include <functional>

namespace xlat {

// The number of pieces of work the machine can run at once (at least 1).
unsigned CoreCount();

// Calls work(0) .. work(count - 1), on up to `threads` threads (the calling
// thread is one of them); returns when every call has returned. When a call
// throws (running out of memory, say), the pieces not yet started are
// skipped and the first exception is thrown again on the calling thread.
// Without thread support every call runs on the calling thread, in order.
void RunSideBySide(size_t count, unsigned threads, const std::function<void(size_t)>& work);

}  // namespace xlat
