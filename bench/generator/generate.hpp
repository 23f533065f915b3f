// Generates large, realistic C sources for the benchmarks: functions,
// declarations, loops, switches, structures, comments, strings with escapes,
// character literals and directives. The result is valid C.
#pragma once

#include <cstddef>
#include <string>

namespace xlat::bench {

// At least `bytes` characters of C; `crlf` picks Windows line ends.
std::string GenerateSource(std::size_t bytes, bool crlf);

}  // namespace xlat::bench
