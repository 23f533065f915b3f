// Declaration helpers shared with the statement passes.
#pragma once

#include <string>

#include "driver/translator.hpp"

namespace xlat {

// Tidies the operators of the C text `text`; when it starts with a type name
// (a declaration), it becomes a DIM RAW line of that type.
void DeclarationToDim(Translator& t, std::string& text);

// An initialised string or array is written whole (SET block, string
// assignment); true when the line held one.
bool TranslateInitialiser(Translator& t);

// At the "}" (token `brace`) of the TYPE block `type`: the names after it
// name an anonymous TYPE; a typedef's are learnt, a structure's variables
// are declared by the next statement. The line then ends at the "}".
void NameTypeAtClose(Translator& t, int brace, const BlockRecord& type);

// After a nested structure's END TYPE: the lines of the TYPE block it stood
// in come back.
void RestoreOuterType(Translator& t);

}  // namespace xlat
