// The normalised source, read line by line by the driver and by the passes
// that read ahead.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace xlat {

class LineSource {
public:
    LineSource() = default;
    explicit LineSource(std::string text) : text_(std::make_shared<const std::string>(std::move(text))) {}
    // Reads text that other sources may share (each keeps its own position).
    explicit LineSource(std::shared_ptr<const std::string> text) : text_(std::move(text)) {}

    // True when the next read would find nothing.
    bool AtEnd() const { return pos_ >= Text().size(); }

    // The next line without its line feed and one carriage return before it;
    // empty at the end of the text. The view stays valid while the text lives.
    std::string_view ReadLineView() {
        const std::string_view text = Text();
        if (AtEnd()) return {};
        size_t end = text.find('\n', pos_);
        size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) end = text.size();
        size_t stop = end;
        if (stop > pos_ && text[stop - 1] == '\r') --stop;
        const std::string_view line = text.substr(pos_, stop - pos_);
        pos_ = next;
        ++linesRead_;
        return line;
    }
    std::string ReadLine() { return std::string(ReadLineView()); }

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
    void ShareSourceLines(std::shared_ptr<const std::vector<long>> lines) { sourceLines_ = std::move(lines); }
    const std::vector<long>& SourceLines() const { return sourceLines_ ? *sourceLines_ : NoLines(); }

    // True when the next line comes from the same source line as the last one
    // read: the pre-pass moved the text after a "*/" onto a line of its own.
    bool NextLineSplitFromLast() const {
        const long last = linesRead_;
        const std::vector<long>& lines = SourceLines();
        if (AtEnd() || last < 1 || static_cast<size_t>(last) >= lines.size()) return false;
        return lines[static_cast<size_t>(last)] == lines[static_cast<size_t>(last - 1)];
    }

private:
    std::string_view Text() const { return text_ ? std::string_view(*text_) : std::string_view(); }
    static const std::vector<long>& NoLines() {
        static const std::vector<long> none;
        return none;
    }

    std::shared_ptr<const std::string> text_;
    std::shared_ptr<const std::vector<long>> sourceLines_;
    size_t pos_ = 0;
    long linesRead_ = 0;
};

}  // namespace xlat
