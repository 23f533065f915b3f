// The whole-file pre-pass: rewrites the C source so that the line-oriented
// passes see together what belongs together.
#pragma once

#include <string>
#include <string_view>

namespace xlat {

std::string NormaliseSource(std::string_view source);

}  // namespace xlat
