// The touch-up list: the places of a translation that the translator knows
// the user has to finish by hand, one "FILE(LINE): what" line each, then a
// count per kind.
#pragma once

#include <ostream>
#include <string>

#include "driver/convert.hpp"

namespace xlat {

// Writes the list for `result`, the translation of `fileName`. Lines are the
// user's own source lines, in order.
void WriteTouchUps(const std::string& fileName, const Conversion& result, std::ostream& out);

}  // namespace xlat
