#include "driver/passes.hpp"

namespace xlat {

int RecognizeTypeWords(Translator&) { return 1; }

void LearnParameterTypes(Translator&) {}

int NormalizeTypes(Translator&) { return 1; }

int RenameIdentifiers(Translator&) { return 1; }

}  // namespace xlat
