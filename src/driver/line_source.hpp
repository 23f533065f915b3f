// The normalised source, read one line at a time by the driver and by the
// passes that read ahead.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace xlat {

class LineSource {
public:
    LineSource() = default;
    explicit LineSource(std::string text) : text_(std::move(text)) {}

    // True when the next read would find nothing.
    bool AtEnd() const { return pos_ >= text_.size(); }

    // The next line without its line feed and one carriage return before it;
    // empty at the end of the text.
    std::string ReadLine() {
        if (AtEnd()) return {};
        size_t end = text_.find('\n', pos_);
        size_t next = end == std::string::npos ? text_.size() : end + 1;
        if (end == std::string::npos) end = text_.size();
        size_t stop = end;
        if (stop > pos_ && text_[stop - 1] == '\r') --stop;
        std::string line = text_.substr(pos_, stop - pos_);
        pos_ = next;
        ++linesRead_;
        return line;
    }

    // Number of lines read so far (the 1-based number of the last line read).
    long LinesRead() const { return linesRead_; }

    // A read position, for passes that read ahead and then come back.
    struct Mark {
        size_t pos = 0;
        long linesRead = 0;
    };
    Mark Position() const { return {pos_, linesRead_}; }
    void Rewind(Mark mark) {
        pos_ = mark.pos;
        linesRead_ = mark.linesRead;
    }

    // For each line of the text, the line of the user's source it begins on.
    void SetSourceLines(std::vector<long> lines) { sourceLines_ = std::move(lines); }
    const std::vector<long>& SourceLines() const { return sourceLines_; }

    // True when the next line comes from the same source line as the last one
    // read: the pre-pass moved the text after a "*/" onto a line of its own.
    bool NextLineSplitFromLast() const {
        const long last = linesRead_;
        if (AtEnd() || last < 1 || static_cast<size_t>(last) >= sourceLines_.size()) return false;
        return sourceLines_[static_cast<size_t>(last)] == sourceLines_[static_cast<size_t>(last - 1)];
    }

private:
    std::vector<long> sourceLines_;
    std::string text_;
    size_t pos_ = 0;
    long linesRead_ = 0;
};

}  // namespace xlat
