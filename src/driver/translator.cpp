#include "driver/translator.hpp"

#include <algorithm>

#include "runtime/strings.hpp"

namespace xlat {

namespace {
const std::string kEmpty;
thread_local std::string discardSlot;
}  // namespace

std::string& Translator::GrowOrDiscard(int i) {
    if (i < 0) {
        discardSlot.clear();
        return discardSlot;
    }
    // Slots between the ones in use and i are empty already; the vector only
    // grows, and by doubling, so that long lines do not resize it per token.
    if (static_cast<size_t>(i) >= tokens.size()) tokens.resize(std::max(static_cast<size_t>(i) + 1, tokens.size() * 2));
    slotsInUse = i + 1;
    return tokens[static_cast<size_t>(i)];
}

const std::string& Translator::EmptySlot() { return kEmpty; }

void Translator::ClearTokens() {
    // Emptied in place: the slots keep their capacity for the next line.
    for (int i = 0; i < slotsInUse; ++i) tokens[static_cast<size_t>(i)].clear();
    slotsInUse = 0;
    lastToken = -1;
}

std::string* Translator::PrepareSlots(int count) {
    if (static_cast<size_t>(count) > tokens.size())
        tokens.resize(std::max(static_cast<size_t>(count), tokens.size() * 2));
    for (int i = count; i < slotsInUse; ++i) tokens[static_cast<size_t>(i)].clear();
    slotsInUse = count;
    return tokens.data();
}

void Translator::CompactTokens() {
    if (lastToken < 0) return;
    Tok(lastToken);  // make sure every slot up to lastToken exists
    // Removing a token shifts the later ones down and leaves the top slot
    // holding its old text; since removals go from left to right, every
    // freed slot ends up holding the text that the top slot had at the start.
    auto removable = [](const std::string& t) { return t.size() <= 1 && (t.empty() || t[0] == ' '); };
    int first = 0;
    while (first <= lastToken && !removable(tokens[static_cast<size_t>(first)])) ++first;
    if (first > lastToken) return;  // nothing to remove: the slots stay as they are
    int kept = first;
    for (int i = first; i <= lastToken; ++i) {
        std::string& t = tokens[static_cast<size_t>(i)];
        if (removable(t)) continue;
        // Copied into the slot's own buffer: no slot gives up its capacity.
        // (The copy goes below i, so the top slot keeps its text.)
        tokens[static_cast<size_t>(kept)].assign(t);
        ++kept;
    }
    const std::string& top = tokens[static_cast<size_t>(lastToken)];
    for (int i = kept; i < lastToken; ++i) tokens[static_cast<size_t>(i)].assign(top);
    lastToken = kept - 1;
}

void Translator::InsertToken(std::string_view text, int index) {
    if (index < 0) index = 0;
    Tok(std::max(lastToken + 1, index));
    if (index <= lastToken) {
        std::move_backward(tokens.begin() + index, tokens.begin() + lastToken + 1, tokens.begin() + lastToken + 2);
    }
    ++lastToken;
    if (index > lastToken) lastToken = index;
    tokens[static_cast<size_t>(index)].assign(text);
}

void Translator::InsertTokenBeforeEach(std::string_view text, const std::vector<int>& indexes) {
    if (indexes.empty()) return;
    const int count = static_cast<int>(indexes.size());
    int from = lastToken;
    int to = lastToken + count;
    Tok(to);
    // Merged from the top down: every token above an index moves up by the
    // number of inserts at or below it.
    for (int index : indexes) {
        for (; from >= index; --from, --to) tokens[static_cast<size_t>(to)].swap(tokens[static_cast<size_t>(from)]);
        tokens[static_cast<size_t>(to--)].assign(text);
    }
    lastToken += count;
}

void Translator::JoinTokens() {
    size_t size = 0;
    for (int i = 0; i <= lastToken; ++i) size += TokAt(i).size() + 1;
    std::string text(size, ' ');
    char* out = text.data();
    for (int i = 0; i <= lastToken; ++i) {
        out = std::copy(TokAt(i).begin(), TokAt(i).end(), out);
        ++out;  // the blank after it
    }
    // Trailing blanks go, as RTrim would take them.
    size_t end = text.find_last_not_of(' ');
    text.resize(end == std::string::npos ? 0 : end + 1);
    lineText.swap(text);
}

void Translator::PushBlock(const BlockRecord& record) {
    blockStack.push_back(record);
    blockLines.push_back(in.LinesRead());
}

BlockRecord Translator::PopBlock() {
    if (blockStack.empty()) Fatal("SYNTAX ERROR IN SOURCE OR BUG", "\"}\" with no open block");
    BlockRecord record = std::move(blockStack.back());
    blockStack.pop_back();
    blockLines.pop_back();
    if (record.closesEntryPoint) {
        inMain = 0;
        inWinMain = 0;
        record.closesEntryPoint = false;
    }
    return record;
}

void Translator::Write(std::string_view line) {
    if (!line.empty() && (line[0] == '!' || line[0] == '$')) NoteWritten(line);
    out.append(line);
    out += '\n';
}

void Translator::Write2(std::string_view a, std::string_view b) {
    if (a == "!"sv) NoteWritten(Join({a, b}));
    out.append(a);
    out.append(b);
    out += '\n';
}

void Translator::NoteWritten(std::string_view line) {
    // The lines of a macro kept as C are copied as they stand: none of them
    // is a line written through behind "!".
    const bool inMacro = headerLines.size() % 2 != 0;
    if (line == "$HEADER"sv)
        headerLines.push_back(in.LinesRead());
    else if (line[0] == '!' && !inMacro)
        rawLines.push_back({in.LinesRead(), std::string(line)});
}

void Translator::Fatal(std::string_view message, std::string_view reason, long line) const {
    throw FatalStop{std::string(message), std::string(reason), line < 0 ? in.LinesRead() : line};
}

const std::string& ReplaceOutsideQuotes(std::string& buffer, std::string_view pattern, std::string_view replacement) {
    if (pattern.empty()) return buffer;
    size_t p = buffer.find(pattern);
    if (p == std::string::npos) return buffer;
    if (std::count(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(p) + 1, '"') % 2 == 0)
        buffer = Replace(buffer, pattern, replacement);
    return buffer;
}

namespace {

// Whether `pattern` stands in `text` at `start`. (The patterns are a few
// characters long: compared here, not by a library call.)
bool StandsAt(std::string_view text, size_t start, std::string_view pattern) {
    if (text.size() - start < pattern.size()) return false;
    for (size_t k = 0; k < pattern.size(); ++k)
        if (text[start + k] != pattern[k]) return false;
    return true;
}

// The first occurrence of `pattern` in `text` at or after `from`. The search
// runs on the pattern's first character other than a blank: blanks are the
// most common character of a line.
size_t FindPattern(std::string_view text, std::string_view pattern, size_t from) {
    size_t anchor = 0;
    while (anchor + 1 < pattern.size() && pattern[anchor] == ' ') ++anchor;
    const char c = pattern[anchor];
    for (size_t at = from + anchor; at < text.size(); ++at) {
        at = text.find(c, at);
        if (at == std::string_view::npos) break;
        if (StandsAt(text, at - anchor, pattern)) return at - anchor;
    }
    return std::string_view::npos;
}

}  // namespace

void ReplaceUnquotedInPlace(std::string& text, std::string_view pattern, std::string_view replacement) {
    if (pattern.empty()) return;
    size_t hit = FindPattern(text, pattern, 0);
    if (hit == std::string::npos) return;  // the common case: nothing to rebuild
    const bool shrinks = replacement.size() <= pattern.size();
    // A replacement no longer than its pattern is made in the text itself:
    // what is written never passes the place where the search goes on.
    std::string grown;
    if (!shrinks) grown.reserve(text.size() + replacement.size());
    size_t written = 0;  // (when shrinking) the length of the text already rewritten
    auto put = [&](const char* from, size_t n) {
        if (!shrinks) {
            grown.append(from, n);
        } else {
            if (text.data() + written != from) std::char_traits<char>::move(text.data() + written, from, n);
            written += n;
        }
    };
    bool inLiteral = false;
    size_t from = 0;
    while (hit != std::string::npos) {
        // The quotes between the last stop and this occurrence decide
        // whether it stands inside a literal.
        if (std::count(text.begin() + static_cast<std::ptrdiff_t>(from),
                       text.begin() + static_cast<std::ptrdiff_t>(hit), '"') %
                2 !=
            0)
            inLiteral = !inLiteral;
        put(text.data() + from, hit - from);
        if (!inLiteral) {
            put(replacement.data(), replacement.size());
            from = hit + pattern.size();
        } else {
            // Inside a literal: keep one character and look again after it.
            if (text[hit] == '"') inLiteral = !inLiteral;
            put(text.data() + hit, 1);
            from = hit + 1;
        }
        hit = FindPattern(text, pattern, from);
    }
    put(text.data() + from, text.size() - from);
    if (shrinks) {
        text.resize(written);
    } else {
        text.swap(grown);
    }
}

int IsVoidOrStorage(std::string_view text) {
    return LCaseEquals(text, "static") || LCaseEquals(text, "void") || LCaseEquals(text, "register");
}

}  // namespace xlat
