// libFuzzer target: any bytes are a C source; the translation must finish
// without a crash, a sanitizer report or a hang, whatever the verdict. The
// source is translated with every speed-up off and with every one on (in as
// many parts as it can be cut into, side by side, long lines taken piece by
// piece, long statements joined in one go, large pages), and indented in one piece and in as many as it can
// be cut into; both must give exactly the same result.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "driver/convert.hpp"
#include "indenter/indent.hpp"
#include "runtime/large_pages.hpp"

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

    xlat::WorkSharing plain;
    plain.partsSideBySide = false;
    plain.piecesOfLongLines = false;
    plain.joinShortcut = false;
    xlat::UseLargePages(false);
    const xlat::Conversion result = xlat::TranslateSource(source, typeNames, plain);
    const std::string indented = xlat::IndentOutput(result.text, xlat::PieceSharing{1});

    xlat::WorkSharing fast;
    fast.threads = 2;
    fast.partBytes = 1;
    fast.maxParts = 16;
    xlat::UseLargePages(true);
    if (!Same(result, xlat::TranslateSource(source, typeNames, fast))) std::abort();
    if (indented != xlat::IndentOutput(result.text, xlat::PieceSharing{2, 1, 16})) std::abort();
    return 0;
}
