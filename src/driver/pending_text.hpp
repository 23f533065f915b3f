// The text waiting to be taken as the next line. It reads like a string
// (it converts to std::string_view and std::string), but putting text in
// front of it and taking text off its front cost only the text moved: on a
// long line the pending text is the whole rest of the line, and every piece
// cut off the line goes through both.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace xlat {

class PendingText;

// `text + pendingText`, kept apart until it is assigned: assigned back to
// the same pending text it becomes a cheap prepend.
struct PendingWithPrefix {
    std::string prefix;
    const PendingText* rest;
    operator std::string() const;
};

class PendingText {
public:
    PendingText() = default;
    PendingText(const PendingText& other) { Assign(other.View()); }
    PendingText& operator=(const PendingText& other) {
        if (this != &other) Assign(other.View());
        return *this;
    }
    PendingText& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }
    PendingText& operator=(const std::string& text) { return *this = std::string_view(text); }
    PendingText& operator=(const char* text) { return *this = std::string_view(text); }
    PendingText& operator=(const PendingWithPrefix& joined);
    PendingText& operator+=(std::string_view text);

    std::string_view View() const { return std::string_view(buffer_).substr(start_); }
    operator std::string_view() const { return View(); }
    operator std::string() const { return std::string(View()); }
    friend bool operator==(const PendingText& a, std::string_view b) { return a.View() == b; }
    size_t size() const { return buffer_.size() - start_; }
    bool empty() const { return size() == 0; }
    void clear() {
        buffer_.clear();
        start_ = 0;
        marks_ = 0;
        plainFrom_ = npos;
    }

    void Prepend(std::string_view text);
    // Drops the first n characters; the text left must start with a token.
    void DropFront(size_t n);

    // Whether the text holds none of the characters that make the passes
    // before the statement splitter act on a line: a quote, an apostrophe,
    // a slash, a tab or a "#".
    bool HasNoLineMarks() const { return marks_ == 0; }
    // Where (an index into View()) the text starts to be made of tokens that
    // the statement splitter would leave exactly as they are: each a single
    // delimiter or free of blanks and delimiters, each followed by one blank.
    // npos when no such part is known.
    size_t PlainTokensFrom() const { return plainFrom_ == npos ? npos : plainFrom_ - start_; }
    // Declares that the whole text is such plain tokens.
    void MarkPlainTokens() { plainFrom_ = start_; }

    static constexpr size_t npos = std::string_view::npos;

private:
    void Assign(std::string_view text);
    // Whether `text` is a view of this very buffer.
    bool Aliases(std::string_view text) const;

    std::string buffer_;  // the text is buffer_[start_..]; the front is free room
    size_t start_ = 0;
    size_t marks_ = 0;         // line marks in the text (see HasNoLineMarks)
    size_t plainFrom_ = npos;  // buffer index where plain tokens begin
};

PendingWithPrefix operator+(std::string prefix, const PendingText& rest);
PendingWithPrefix operator+(const char* prefix, const PendingText& rest);
std::string operator+(const PendingText& text, std::string_view more);

}  // namespace xlat
