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
    if (static_cast<size_t>(i) >= tokens.size())
        tokens.resize(std::max(static_cast<size_t>(i) + 1, tokens.size() * 2));
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

void Translator::CompactTokens() {
    if (lastToken < 0) return;
    Tok(lastToken);  // make sure every slot up to lastToken exists
    // Removing a token shifts the later ones down and leaves the top slot
    // holding its old text; since removals go from left to right, every
    // freed slot ends up holding the text that the top slot had at the start.
    auto removable = [](const std::string& t) { return t.empty() || t == " "; };
    int first = 0;
    while (first <= lastToken && !removable(tokens[static_cast<size_t>(first)])) ++first;
    if (first > lastToken) return;  // nothing to remove: the slots stay as they are
    const std::string top = tokens[static_cast<size_t>(lastToken)];
    int kept = first;
    for (int i = first; i <= lastToken; ++i) {
        std::string& t = tokens[static_cast<size_t>(i)];
        if (removable(t)) continue;
        // Copied into the slot's own buffer: no slot gives up its capacity.
        if (kept != i) tokens[static_cast<size_t>(kept)].assign(t);
        ++kept;
    }
    for (int i = kept; i <= lastToken; ++i) tokens[static_cast<size_t>(i)] = top;
    lastToken = kept - 1;
}

void Translator::InsertToken(std::string_view text, int index) {
    if (index < 0) index = 0;
    Tok(std::max(lastToken + 1, index));
    if (index <= lastToken) {
        std::move_backward(tokens.begin() + index, tokens.begin() + lastToken + 1,
                           tokens.begin() + lastToken + 2);
    }
    ++lastToken;
    if (index > lastToken) lastToken = index;
    tokens[static_cast<size_t>(index)].assign(text);
}

void Translator::JoinTokens() {
    std::string text;
    for (int i = 0; i <= lastToken; ++i) {
        text += TokAt(i);
        text += ' ';
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
    out.append(line);
    out += '\n';
}

void Translator::Write2(std::string_view a, std::string_view b) {
    out.append(a);
    out.append(b);
    out += '\n';
}

void Translator::Fatal(std::string_view message, std::string_view reason, long line) const {
    throw FatalStop{std::string(message), std::string(reason), line < 0 ? in.LinesRead() : line};
}

const std::string& ReplaceOutsideQuotes(std::string& buffer, std::string_view pattern,
                                        std::string_view replacement) {
    if (pattern.empty()) return buffer;
    size_t p = buffer.find(pattern);
    if (p == std::string::npos) return buffer;
    if (std::count(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(p) + 1, '"') % 2 == 0)
        buffer = Replace(buffer, pattern, replacement);
    return buffer;
}

std::string ReplaceUnquoted(std::string_view text, std::string_view pattern,
                            std::string_view replacement) {
    std::string out(text);
    ReplaceUnquotedInPlace(out, pattern, replacement);
    return out;
}

void ReplaceUnquotedInPlace(std::string& text, std::string_view pattern, std::string_view replacement) {
    if (pattern.empty()) return;
    size_t hit = text.find(pattern);
    if (hit == std::string::npos) return;  // the common case: nothing to rebuild
    std::string out;
    out.reserve(text.size() + replacement.size());
    bool inLiteral = false;
    size_t from = 0;
    while (hit != std::string::npos) {
        // The quotes between the last stop and this occurrence decide
        // whether it stands inside a literal.
        if (std::count(text.begin() + static_cast<std::ptrdiff_t>(from),
                       text.begin() + static_cast<std::ptrdiff_t>(hit), '"') % 2 != 0)
            inLiteral = !inLiteral;
        out.append(text, from, hit - from);
        if (!inLiteral) {
            out.append(replacement);
            from = hit + pattern.size();
        } else {
            // Inside a literal: keep one character and look again after it.
            if (text[hit] == '"') inLiteral = !inLiteral;
            out += text[hit];
            from = hit + 1;
        }
        hit = text.find(pattern, from);
    }
    out.append(text, from, std::string::npos);
    text.swap(out);
}

int IsVoidOrStorage(std::string_view text) {
    return LCaseEquals(text, "static") || LCaseEquals(text, "void") || LCaseEquals(text, "register");
}

}  // namespace xlat
