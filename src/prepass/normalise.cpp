#include "prepass/normalise.hpp"

namespace xlat {

std::string NormaliseSource(std::string_view source) { return std::string(source); }

}  // namespace xlat
