#include "runtime/strings.hpp"

namespace xlat {

std::string Left(std::string_view text, long n) {
    if (n <= 0) return {};
    return std::string(text.substr(0, static_cast<size_t>(n)));
}

std::string Right(std::string_view text, long n) {
    if (n <= 0) return {};
    if (static_cast<size_t>(n) >= text.size()) return std::string(text);
    return std::string(text.substr(text.size() - static_cast<size_t>(n)));
}

std::string Mid(std::string_view text, long start, long length) {
    if (start <= 0 || static_cast<size_t>(start) > text.size()) return {};
    auto rest = text.substr(static_cast<size_t>(start - 1));
    if (length < 0) return std::string(rest);
    return std::string(rest.substr(0, static_cast<size_t>(length)));
}

bool IsCSpace(char c) { return IsTrimSpace(c) || c == '\f'; }

std::string Trim(std::string_view text) { return std::string(TrimView(text)); }

std::string LTrim(std::string_view text, char c) {
    size_t b = 0;
    while (b < text.size() && (text[b] == ' ' || text[b] == c)) ++b;
    return std::string(text.substr(b));
}

std::string RTrim(std::string_view text, char c) {
    size_t e = text.size();
    while (e > 0 && (text[e - 1] == ' ' || text[e - 1] == c)) --e;
    return std::string(text.substr(0, e));
}

std::string Squeeze(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    while (i < text.size()) {
        if (IsCSpace(text[i])) {
            out += text[i];
            while (i < text.size() && IsCSpace(text[i])) ++i;
        } else {
            out += text[i++];
        }
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

std::string Extract(std::string_view text, std::string_view pattern) {
    if (pattern.empty()) return std::string(text);
    size_t p = text.find(pattern);
    return std::string(p == std::string_view::npos ? text : text.substr(0, p));
}

std::string Replace(std::string_view text, std::string_view pattern, std::string_view replacement) {
    if (pattern.empty()) return std::string(text);
    std::string out;
    out.reserve(text.size());
    size_t from = 0;
    for (;;) {
        size_t p = text.find(pattern, from);
        if (p == std::string_view::npos) break;
        out.append(text.substr(from, p - from));
        out.append(replacement);
        from = p + pattern.size();
    }
    out.append(text.substr(from));
    return out;
}

std::string Remove(std::string_view text, std::string_view pattern) {
    std::string out(text);
    if (pattern.empty()) return out;
    // After a removal at p, a new occurrence can only start where the joined
    // text meets, so searching from p - (length - 1) finds the same first
    // occurrence as searching from the start.
    size_t from = 0;
    for (;;) {
        size_t p = out.find(pattern, from);
        if (p == std::string::npos) break;
        out.erase(p, pattern.size());
        from = p >= pattern.size() - 1 ? p - (pattern.size() - 1) : 0;
    }
    return out;
}

std::string UCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = ToUpperAscii(c);
    return out;
}

std::string LCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = ToLowerAscii(c);
    return out;
}

static bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::string MCase(std::string_view text) {
    std::string out = LCase(text);
    size_t i = 0;
    while (i < out.size()) {
        if (out[i] >= 'a' && out[i] <= 'z') {
            out[i] = static_cast<char>(out[i] - 'a' + 'A');
            ++i;
            while (i < out.size() && IsAsciiLetter(out[i])) ++i;
        } else {
            ++i;
        }
    }
    return out;
}

long InStr(std::string_view text, std::string_view pattern, long start, bool ignoreCase) {
    if (text.empty() || pattern.empty()) return 0;
    if (start <= 0) start = 1;
    if (static_cast<size_t>(start) > text.size()) return 0;
    if (!ignoreCase) {
        size_t p = text.find(pattern, static_cast<size_t>(start - 1));
        return p == std::string_view::npos ? 0 : static_cast<long>(p + 1);
    }
    std::string t = UCase(text), p = UCase(pattern);
    size_t q = t.find(p, static_cast<size_t>(start - 1));
    return q == std::string::npos ? 0 : static_cast<long>(q + 1);
}

long Tally(std::string_view text, std::string_view pattern) {
    if (pattern.empty()) return 0;
    long n = 0;
    size_t p = text.find(pattern);
    while (p != std::string_view::npos) {
        ++n;
        p = text.find(pattern, p + 1);
    }
    return n;
}

std::string Join(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (auto p : parts) out.append(p);
    return out;
}

std::string Enclose(std::string_view text, char c1, char c2) {
    if (c1 == 0) c1 = '"';
    if (c2 == 0) c2 = c1;
    std::string out;
    out.reserve(text.size() + 2);
    out += c1;
    out.append(text);
    out += c2;
    return out;
}

std::string Space(long n) { return n > 0 ? std::string(static_cast<size_t>(n), ' ') : std::string(); }

}  // namespace xlat
