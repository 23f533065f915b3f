// Sets up a translator on one line, cut by the driver's tokenizer.
#pragma once

#include <string>

#include "driver/passes.hpp"
#include "driver/tokenizer.hpp"

inline void SetLine(xlat::Translator& t, const std::string& line) {
    t.lineText = line;
    xlat::Tokenize(t, xlat::kMainDelimiters);
}

inline std::string Tokens(const xlat::Translator& t) {
    std::string text;
    for (int i = 0; i <= t.lastToken; ++i) text += "[" + t.TokAt(i) + "]";
    return text;
}
