// Re-indents finished BASIC text by its block keywords and aligns trailing
// comments on a column grid.
#pragma once

#include <string>
#include <string_view>

namespace xlat {

std::string IndentOutput(std::string_view basText);

}  // namespace xlat
