#include "driver/passes.hpp"

namespace xlat {

int TranslateWhile(Translator&) { return 1; }

int TranslateFor(Translator&) { return 1; }

}  // namespace xlat
