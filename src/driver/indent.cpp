#include "driver/indent.hpp"

namespace xlat {

std::string IndentOutput(std::string_view basText) { return std::string(basText); }

}  // namespace xlat
