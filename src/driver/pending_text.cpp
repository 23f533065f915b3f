#include "driver/pending_text.hpp"

#include <algorithm>

namespace xlat {

namespace {

bool IsLineMark(char c) { return c == '"' || c == '\'' || c == '/' || c == '\t' || c == '#'; }

size_t CountLineMarks(std::string_view text) { return static_cast<size_t>(std::count_if(text.begin(), text.end(), IsLineMark)); }

}  // namespace

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
    marks_ = CountLineMarks(buffer_);
    plainFrom_ = npos;
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
    marks_ += CountLineMarks(text);
    plainFrom_ = npos;  // the plain tokens no longer run to the end
    return *this;
}

void PendingText::Prepend(std::string_view text) {
    if (text.size() > start_) {
        // Room in front for the text and as much again as the whole holds,
        // so that a run of prepends costs linear time.
        const size_t room = text.size() + size();
        std::string grown(room, ' ');
        grown += View();
        if (plainFrom_ != npos) plainFrom_ = plainFrom_ < start_ ? npos : plainFrom_ - start_ + room;
        buffer_.swap(grown);
        start_ = room;
    }
    start_ -= text.size();
    buffer_.replace(start_, text.size(), text);
    marks_ += CountLineMarks(text);
}

void PendingText::DropFront(size_t n) {
    n = std::min(n, size());
    marks_ -= CountLineMarks(View().substr(0, n));
    start_ += n;
    // What is left of plain tokens, cut at the start of a token, is plain.
    if (plainFrom_ != npos && plainFrom_ < start_) plainFrom_ = start_;
}

PendingWithPrefix operator+(std::string prefix, const PendingText& rest) { return {std::move(prefix), &rest}; }

PendingWithPrefix operator+(const char* prefix, const PendingText& rest) { return {std::string(prefix), &rest}; }

std::string operator+(const PendingText& text, std::string_view more) {
    std::string joined(text.View());
    joined += more;
    return joined;
}

}  // namespace xlat
