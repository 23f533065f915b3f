#include "driver/passes.hpp"

namespace xlat {

int ConvertIncludes(Translator&) { return 1; }

int ConvertConditionals(Translator&) { return 1; }

}  // namespace xlat
