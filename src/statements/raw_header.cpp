#include "driver/passes.hpp"

namespace xlat {

int PassRawConditionalHeader(Translator&) { return 1; }

}  // namespace xlat
