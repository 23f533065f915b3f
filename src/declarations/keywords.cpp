#include "driver/passes.hpp"

namespace xlat {

int TranslateKeywords(Translator&) { return 1; }

}  // namespace xlat
