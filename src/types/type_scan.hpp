// A quick look over C text for the type names that translating it would
// teach: struct tags, typedef names and the type word of declarations and
// of the parameters of definition heads, read with the grammar of the
// type-word pass (statements/type_grammar.hpp). It is a guess, used to start the
// translation of a later part of a file with the names the earlier parts
// will have taught; a translation that relies on it is checked afterwards
// against the names really taught.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace xlat {

// The names, in order of first appearance, without repeats.
std::vector<std::string> ScanTypeNames(std::string_view text);

}  // namespace xlat
