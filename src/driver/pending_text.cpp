#include "driver/pending_text.hpp"

#include <algorithm>

#include "runtime/strings.hpp"

namespace xlat {

bool IsQuietText(std::string_view text) {
    bool inLiteral = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto next = [&] { return text.substr(i + 1); };
        switch (text[i]) {
            case '"': inLiteral = !inLiteral; break;
            case '\t':
            case '\n':
            case '\v':
            case '\f':
            case '\r': return false;  // tabs become blanks, and the line is trimmed
            case '*':
                if (StartsWith(next(), "/")) return false;  // the comment pass drops every "*/"
                break;
            case '\'':
                if (!inLiteral) return false;
                break;
            case '/':
                if (!inLiteral && (StartsWith(next(), "/") || StartsWith(next(), " /"))) return false;
                break;
            default: break;
        }
    }
    return !inLiteral;
}

PendingWithPrefix::operator std::string() const {
    std::string text = prefix;
    text += rest->View();
    return text;
}

bool PendingText::Aliases(std::string_view text) const {
    return !text.empty() && text.data() >= buffer_.data() && text.data() < buffer_.data() + buffer_.size();
}

void PendingText::Assign(std::string_view text) {
    if (Aliases(text)) {
        std::string copy(text);  // a view of this very buffer
        buffer_.swap(copy);
    } else {
        buffer_.assign(text);  // keeps the buffer's room
    }
    start_ = 0;
    quietFrom_ = npos;
}

PendingText& PendingText::operator=(const PendingWithPrefix& joined) {
    if (joined.rest == this) {
        Prepend(joined.prefix);
    } else {
        Assign(std::string(joined));
    }
    return *this;
}

PendingText& PendingText::operator+=(std::string_view text) {
    if (Aliases(text)) return *this += std::string(text);  // appending may move the buffer
    buffer_ += text;
    quietFrom_ = npos;  // the quiet pieces no longer run to the end
    return *this;
}

void PendingText::Prepend(std::string_view text) {
    if (text.size() > start_) {
        // Room in front for the text and as much again as the whole holds,
        // so that a run of prepends costs linear time.
        const size_t room = text.size() + size();
        std::string grown(room, ' ');
        grown += View();
        if (quietFrom_ != npos) quietFrom_ = quietFrom_ < start_ ? npos : quietFrom_ - start_ + room;
        buffer_.swap(grown);
        start_ = room;
    }
    start_ -= text.size();
    buffer_.replace(start_, text.size(), text);
}

void PendingText::DropFront(size_t n) {
    start_ += std::min(n, size());
    // What is left of quiet pieces, cut at the start of a piece, is quiet.
    if (quietFrom_ != npos && quietFrom_ < start_) quietFrom_ = start_;
}

PendingWithPrefix operator+(std::string prefix, const PendingText& rest) { return {std::move(prefix), &rest}; }

PendingWithPrefix operator+(const char* prefix, const PendingText& rest) { return {std::string(prefix), &rest}; }

std::string operator+(const PendingText& text, std::string_view more) {
    std::string joined(text.View());
    joined += more;
    return joined;
}

}  // namespace xlat
