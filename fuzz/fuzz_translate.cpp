// libFuzzer target: any bytes are a C source; the translation must finish
// without a crash, a sanitizer report or a hang, whatever the verdict. The
// source is also translated and indented in as many parts as it can be cut
// into, side by side, and with every long line taken whole rather than
// piece by piece; both must give exactly the same result.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "driver/convert.hpp"
#include "driver/indent.hpp"

namespace {

bool Same(const xlat::Conversion& a, const xlat::Conversion& b) {
    if (a.text != b.text || a.verdict != b.verdict || a.message != b.message || a.reason != b.reason ||
        a.line != b.line || a.reconciledBranches != b.reconciledBranches || a.openBlocks.size() != b.openBlocks.size())
        return false;
    for (size_t i = 0; i < a.openBlocks.size(); ++i)
        if (a.openBlocks[i].line != b.openBlocks[i].line || a.openBlocks[i].closer != b.openBlocks[i].closer)
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view source(reinterpret_cast<const char*>(data), size);
    const std::string_view typeNames = "HFONT\nFILE\n";
    xlat::WorkSharing alone;
    alone.threads = 1;
    const xlat::Conversion result = xlat::TranslateSource(source, typeNames, alone);
    const std::string indented = xlat::IndentOutput(result.text, xlat::PieceSharing{1});

    xlat::WorkSharing parts;
    parts.threads = 2;
    parts.partBytes = 1;
    parts.maxParts = 16;
    if (!Same(result, xlat::TranslateSource(source, typeNames, parts))) std::abort();
    if (indented != xlat::IndentOutput(result.text, xlat::PieceSharing{2, 1, 16})) std::abort();

    xlat::WorkSharing whole = alone;
    whole.piecesOfLongLines = false;
    if (!Same(result, xlat::TranslateSource(source, typeNames, whole))) std::abort();
    return 0;
}
