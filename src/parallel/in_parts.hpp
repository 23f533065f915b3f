// A large source translated in parts side by side (see WorkSharing): cut
// between top-level definitions, every part after the first translated from
// the state a translation normally has there, and kept only where the
// translation before it ends in exactly that state.
#pragma once

#include <string>
#include <string_view>

#include "driver/convert.hpp"

namespace xlat {

// Whether `sharing` has a source of `size` bytes translated in parts.
bool TranslatesInParts(size_t size, const WorkSharing& sharing);

// Translates `source` in parts; the result is that of the plain translation.
// `owned`, when given, holds the source and is emptied as soon as the source
// is normalised.
Conversion TranslateInParts(std::string_view source, std::string* owned, std::string_view typeNamesFile,
                            const WorkSharing& sharing);

}  // namespace xlat
