#include "driver/passes.hpp"

namespace xlat {

void ConvertCharLiterals(Translator&) {}

}  // namespace xlat
