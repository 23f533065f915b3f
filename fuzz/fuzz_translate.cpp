// libFuzzer target: any bytes are a C source; the translation must finish
// without a crash, a sanitizer report or a hang, whatever the verdict.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "driver/convert.hpp"
#include "driver/indent.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view source(reinterpret_cast<const char*>(data), size);
    xlat::Conversion result = xlat::TranslateSource(source, "HFONT\nFILE\n");
    (void)xlat::IndentOutput(result.text);
    return 0;
}
