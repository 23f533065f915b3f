// The tokenizer: cuts lineText into the token slots.
#pragma once

#include <string_view>

#include "driver/pass_result.hpp"
#include "driver/translator.hpp"

namespace xlat {

// Cuts lineText at `delimiters` into the token slots. A line with no token
// is written as it is (its comment, or a blank line) and is done.
PassResult Tokenize(Translator& t, std::string_view delimiters);

}  // namespace xlat
