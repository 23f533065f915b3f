// The two passes that only matter inside the C functions main and WinMain.
// Both end with the body: closing it clears inMain and inWinMain (see
// BlockRecord::closesEntryPoint).
#include "driver/passes.hpp"

namespace xlat {

PassResult RenameWinMainParams(Translator& t) {
    if (!t.inWinMain) return PassResult::GoOn;
    static constexpr std::string_view kNewNames[4] = {"hInst", "hPrev", "CmdLine", "CmdShow"};
    for (int i = 0; i <= t.lastToken; ++i) {
        for (int k = 0; k < 4; ++k) {
            // A parameter name that was never saved matches nothing (an emptied
            // token must not turn into a parameter name).
            if (!t.winMainParams[k].empty() && t.TokAt(i) == t.winMainParams[k]) {
                t.Tok(i) = std::string(kNewNames[k]);
                break;
            }
        }
    }
    return PassResult::GoOn;
}

PassResult DropMainReturn(Translator& t) {
    if (t.inMain && t.TokAt(0) == "return"sv) {
        t.lineText.clear();
        return PassResult::LineDone;
    }
    return PassResult::GoOn;
}

}  // namespace xlat
