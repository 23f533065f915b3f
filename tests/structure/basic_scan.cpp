#include "basic_scan.hpp"

#include <cctype>
#include <optional>

namespace structure {

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// `text` with every double-quoted literal blanked; a literal runs to the
// next quote or the end of the line.
std::string WithoutLiterals(std::string_view text) {
    std::string code(text);
    bool inLiteral = false;
    for (char& c : code) {
        if (c == '"')
            inLiteral = !inLiteral;
        else if (inLiteral)
            c = ' ';
    }
    return code;
}

// The first word of `text` and where the text after it begins.
std::string_view FirstWord(std::string_view text, size_t& after) {
    const size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        after = text.size();
        return {};
    }
    after = text.find(' ', start);
    if (after == std::string_view::npos) after = text.size();
    return text.substr(start, after - start);
}

// The name in a head: the last word before the parameter list (words the
// translation could not place may stand in front of it).
std::string HeadName(std::string_view rest) {
    rest = rest.substr(0, rest.find('('));
    const size_t end = rest.find_last_not_of(' ');
    if (end == std::string_view::npos) return {};
    const size_t start = rest.find_last_of(' ', end);
    return std::string(rest.substr(start == std::string_view::npos ? 0 : start + 1, end - start));
}

class Reader {
public:
    BasicOutput Run(std::string_view text) {
        for (size_t start = 0; start < text.size();) {
            size_t end = text.find('\n', start);
            if (end == std::string_view::npos) end = text.size();
            std::string_view line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            Line(line);
            start = end + 1;
        }
        for (const std::string& word : result_.allWords) result_.allWordsButFirst.insert(word.substr(1));
        return std::move(result_);
    }

private:
    void Line(std::string_view line) {
        AddWords(Lower(line), result_.allWords);
        const size_t indent = line.find_first_not_of(' ');
        if (indent == std::string_view::npos) return;
        const std::string_view text = line.substr(indent);
        if (text == "$HEADER") {
            inHeader_ = !inHeader_;
        } else if (inHeader_) {
            CText(text);
        } else if (text[0] == '!' || text[0] == '#') {
            // A C line kept as it is, which may have a comment of the
            // translation after it.
            const std::string code = WithoutLiterals(text);
            CText(std::string_view(code).substr(0, code.find('\'')));
        } else {
            BasicLine(WithoutLiterals(text), indent);
        }
    }

    // C text: its comments (a block comment may go on over lines) are left out.
    void CText(std::string_view text) {
        const std::string code = WithoutLiterals(text);
        std::string_view rest = code;
        while (!rest.empty()) {
            if (inCComment_) {
                const size_t end = rest.find("*/");
                if (end == std::string_view::npos) return;
                inCComment_ = false;
                rest.remove_prefix(end + 2);
                continue;
            }
            const size_t comment = rest.find('/');
            const std::string_view before = rest.substr(0, comment);
            AddWords(before, result_.codeWords);
            if (comment == std::string_view::npos || comment + 1 >= rest.size()) return;
            if (rest[comment + 1] == '/') return;
            if (rest[comment + 1] == '*') inCComment_ = true;
            rest.remove_prefix(comment + (inCComment_ ? 2 : 1));
        }
    }

    void BasicLine(const std::string& text, size_t indent) {
        const std::string_view code = std::string_view(text).substr(0, text.find('\''));
        AddWords(code, result_.codeWords);
        size_t after = 0;
        const std::string_view word = FirstWord(code, after);
        size_t afterSecond = 0;
        const std::string_view second = FirstWord(code.substr(after), afterSecond);
        if ((word == "SUB" || word == "FUNCTION") && !second.empty() && second != "=") {
            result_.heads.push_back(HeadName(code.substr(after)));
            if (indent == 0) ++result_.headsAtMargin;
            head_ = Head{std::string(word), indent};
        } else if (word == "END" && (second == "SUB" || second == "FUNCTION")) {
            if (head_ && head_->kind == second && head_->indent == indent) ++result_.headsClosed;
            head_.reset();
        } else if (word == "TYPE" && !second.empty()) {
            inType_ = true;
        } else if (word == "END" && second == "TYPE") {
            if (inType_) ++result_.types;
            inType_ = false;
        }
    }

    struct Head {
        std::string kind;  // SUB or FUNCTION
        size_t indent;
    };

    BasicOutput result_;
    bool inHeader_ = false;
    bool inCComment_ = false;
    bool inType_ = false;
    std::optional<Head> head_;  // the head whose END line has not come yet
};

}  // namespace

BasicOutput ScanBasic(std::string_view text) { return Reader().Run(text); }

}  // namespace structure
