#include <array>
#include <cassert>

#include "driver/cut_at_delimiters.hpp"
#include "driver/passes.hpp"
#include "driver/tokenizer.hpp"
#include "expressions/expressions.hpp"
#include "runtime/strings.hpp"

namespace xlat {

namespace {

// The tokens are first found as views into the line; the operator joins
// work on the views, and only the final tokens are copied into the slots.
// Every token the joins make is a run of the line itself (the parts joined
// stand side by side in it), except " AND ", which is a literal of its own.
using Views = std::vector<std::string_view>;

constexpr std::string_view kAnd = " AND ";

// The run of the line from the start of `a` to the end of `b`.
std::string_view Span(std::string_view a, std::string_view b) {
    return std::string_view(a.data(), static_cast<size_t>(b.data() + b.size() - a.data()));
}

bool Is(std::string_view token, char c) { return token.size() == 1 && token[0] == c; }

// Compound assignments and shifts are kept as one token, so that they come
// out as written and are never taken for "=", "<" or ">".
void JoinCompoundOperators(Views& v) {
    const size_t last = v.size() - 1;
    for (size_t p = 0; p < last; ++p) {
        std::string_view& a = v[p];
        if (a.size() != 1 && (a.empty() || a.back() != '^')) continue;  // no operator below
        const std::string_view b = v[p + 1];
        if ((Is(a, '<') || Is(a, '>')) && b == a) {
            a = Span(a, b);
            v[p + 1] = {};
            if (p + 2 <= last && Is(v[p + 2], '=')) {
                a = Span(a, v[p + 2]);
                v[p + 2] = {};
            }
        } else if ((Is(a, '+') || Is(a, '-') || Is(a, '/') || Is(a, '%')) && Is(b, '=')) {
            a = Span(a, b);
            v[p + 1] = {};
        } else if (!a.empty() && a.back() == '^' && Is(b, '=')) {
            a = Span(a, b);
            v[p + 1] = {};
        }
    }
}

void JoinTwoCharacterOperators(Views& v) {
    const size_t last = v.size() - 1;
    for (size_t p = 0; p < last; ++p) {
        std::string_view& a = v[p];
        if (a.size() != 1) continue;  // every pair below starts with one character
        std::string_view& b = v[p + 1];
        if (b.size() != 1) continue;  // ... and ends with one
        const char second = b[0];
        switch (a[0]) {
            case '=':
            case '!':
            case '<':
            case '>':
                if (second == '=') {
                    a = Span(a, b);
                    b = {};
                }
                break;
            case '&':
                if (second == '&') {
                    a = kAnd;
                    b = {};
                }
                break;
            case '-':
                if (second == '>' && p > 0 && p + 1 < last) {
                    // The member arrow takes its neighbours into one token.
                    // The token before it is still as cut (or emptied), and
                    // the one after it as cut or joined to what follows it.
                    std::string_view& before = v[p - 1];
                    assert(before.empty() || before.data() + before.size() == a.data());
                    assert(!v[p + 2].empty());
                    before = Span(before.empty() ? a : before, v[p + 2]);
                    a = {};
                    b = {};
                    v[p + 2] = {};
                }
                break;
            default: break;
        }
    }
}

// A slot takes its text by appending to its emptied self: cheaper than a
// general assignment, which must allow for the text overlapping the slot.
void SetText(std::string& slot, std::string_view text) {
    // Most tokens are one character (the delimiters); one into a slot that
    // holds text already is written over its first character.
    if (text.size() == 1 && !slot.empty()) {
        slot[0] = text[0];
        slot.erase(1);
        return;
    }
    slot.clear();
    slot.append(text);
}

// Whether the token `a`, followed directly by `next`, may be joined with it
// by one of the two passes above: a line with no such pair is left as cut.
bool MayJoin(std::string_view a, std::string_view next) {
    if (next.size() != 1) return false;
    switch (next[0]) {
        case '=':
            return a.back() == '^' ||
                   (a.size() == 1 && std::string_view("+-/%=!<>").find(a[0]) != std::string_view::npos);
        case '<': return Is(a, '<');
        case '>': return Is(a, '>') || Is(a, '-');
        case '&': return Is(a, '&');
        default: return false;
    }
}

// The tokens of `text`, as views into it, into `v`; returns whether any two
// tokens side by side may be joined into an operator.
bool CutIntoTokens(std::string_view text, const DelimiterSet& delimiters, Views& v) {
    bool mayJoin = false;
    auto add = [&v, &mayJoin](std::string_view token) {
        if (!v.empty() && MayJoin(v.back(), token)) mayJoin = true;
        v.push_back(token);
    };
    CutAtDelimiters(text, delimiters, add, [&add](char, std::string_view delimiter) { add(delimiter); });
    return mayJoin;
}

bool IsRemovable(std::string_view token) { return token.empty() || (token.size() == 1 && token[0] == ' '); }

}  // namespace

const DelimiterSet::Table* DelimiterSet::Known(std::string_view delimiters) {
    static constexpr std::string_view kSets[] = {kMainDelimiters, " ){};", "/", "'", " "};
    static constexpr Table kTables[] = {MakeTable(kSets[0]), MakeTable(kSets[1]), MakeTable(kSets[2]),
                                        MakeTable(kSets[3]), MakeTable(kSets[4])};
    // The driver's set, passed on every line, is known by its address.
    if (delimiters.data() == kMainDelimiters.data() && delimiters.size() == kMainDelimiters.size()) return &kTables[0];
    for (size_t i = 0; i < std::size(kSets); ++i)
        if (delimiters == kSets[i]) return &kTables[i];
    return nullptr;
}

PassResult Tokenize(Translator& t, std::string_view delimiters) {
    Views& v = t.cutViews;
    v.clear();
    const bool mayJoin = CutIntoTokens(t.lineText, DelimiterSet(delimiters), v);
    if (v.empty()) {
        t.ClearTokens();
        EmitLine(t);
        return PassResult::LineDone;
    }
    if (mayJoin) {
        // Compound operators are joined for the driver's set of delimiters only.
        const bool compound = delimiters.data() == kMainDelimiters.data() ? delimiters.size() == kMainDelimiters.size()
                                                                          : delimiters == kMainDelimiters;
        if (compound) JoinCompoundOperators(v);
        JoinTwoCharacterOperators(v);
    }

    // Into the slots as compaction leaves them: the tokens that are neither
    // empty nor a single blank, then every freed slot holding the old top.
    const int count = static_cast<int>(v.size());
    std::string* slot = t.PrepareSlots(count);
    const std::string_view top = v.back();
    int kept = 0;
    for (std::string_view token : v)
        if (!IsRemovable(token)) SetText(slot[kept++], token);
    for (int i = kept; i < count; ++i) SetText(slot[i], top);
    t.lastToken = kept - 1;
    return PassResult::GoOn;
}

}  // namespace xlat
