// Source normaliser: the result stays in memory, any size is accepted, line
// feeds become CRLF first, and rules 5 and 6 are repeated until stable.
#include "prepass/normalise.hpp"

#include <array>
#include <cstring>
#include <memory>

#include "prepass/pattern.hpp"

namespace xlat {

namespace {

// The rule texts with the placeholders replaced ("CRLF$" by carriage return
// and line feed, "DQ$" by the double quote, "SQ$" by the apostrophe). Every
// backslash of the C++ literal below that is doubled is one backslash of the
// pattern text.
constexpr std::array<NormaliseRule, kNormaliseRuleCount> kRules = {{
    // 1: struct definition with declarators: declarators first
    // (never a function returning a struct pointer, an initialised structure
    // variable, or a body with an inner brace pair).
    {"(\r\n[ ]*struct)([^{;(=]*[{][^{}]*[}])([^;]+[;])", "\\1\\3\\2", false, ';'},
    // 2: the same for typedef struct, a blank after "typedef struct"
    // (never across a ";", so a forward declaration is not joined to a later
    // brace; never a body with an inner brace pair).
    {"(typedef[ ]+struct)([^{;]*[{][^{}]*[}])([^;]+[;])", "\\1 \\3\\2", false, ';'},
    // 3: "}" at a line end joined with a "while" starting the next line.
    {"(}[ ]*\r\n[ ]*while)", "} while", false},
    // 4: text after "*/" on the same line goes to a line of its own.
    {"(\\*/[ ]*)([^\r\n])", "*/\r\n\\2", false},
    // 5: an escaped double quote becomes a backtick (repeated until stable).
    {"([^\\\\])(\\\\[\"])([^'])", "\\1`\\3", true},
    // 6: an escaped apostrophe becomes a backtick (repeated until stable).
    {"([^\\\\])(\\\\['])([^'])", "\\1`\\3", true},
}};

// Compiled once per process; compiled patterns are immutable.
const std::array<std::unique_ptr<CompiledPattern>, kNormaliseRuleCount>& CompiledRules() {
  static const std::array<std::unique_ptr<CompiledPattern>, kNormaliseRuleCount> compiled = [] {
    std::array<std::unique_ptr<CompiledPattern>, kNormaliseRuleCount> result;
    for (int i = 0; i < kNormaliseRuleCount; ++i) result[i] = CompilePattern(kRules[i].pattern);
    return result;
  }();
  return compiled;
}

// Applies rule `index` to `text`, using `spare` as the second buffer: the two
// are swapped when the rule changed anything, so a whole normalisation
// touches two buffers only.
void ApplyRule(int index, std::string& text, std::string& spare) {
  const CompiledPattern* pattern = CompiledRules()[index].get();
  const NormaliseRule& rule = kRules[index];
  for (;;) {
    std::string_view searched = text;
    if (rule.matchEnd != 0) {
      const std::size_t last = text.rfind(rule.matchEnd);
      searched = std::string_view(text).substr(0, last == std::string::npos ? 0 : last + 1);
    }
    if (ReplaceAllMatchesInto(pattern, searched, rule.tmpl, 0, spare) == 0) return;  // unchanged
    spare.append(text, searched.size(), std::string::npos);
    text.swap(spare);
    if (!rule.untilStable) return;
  }
}

// Every LF not preceded by CR becomes CR LF; a CR LF is put in front.
std::string PrepareText(std::string_view source) {
  std::string text;
  text.reserve(source.size() + source.size() / 8 + 256);
  text.append("\r\n");
  std::size_t from = 0;
  for (;;) {
    const void* lf = from < source.size() ? std::memchr(source.data() + from, '\n', source.size() - from) : nullptr;
    if (lf == nullptr) break;
    std::size_t at = static_cast<const char*>(lf) - source.data();
    text.append(source.data() + from, at - from);
    if (at == 0 || source[at - 1] != '\r') text.push_back('\r');
    text.push_back('\n');
    from = at + 1;
  }
  text.append(source.data() + from, source.size() - from);
  return text;
}

// Rule 5 needs a character other than a backslash before an escaped quote,
// so it misses the quote of "\\\"" (an escaped backslash, then an escaped
// quote). Left alone, that quote would end the literal and flip the quote
// parity of the rest of the file. This scan reads the text as C (literals and
// comments) and turns every escaped quote still inside a string literal into
// a backtick, as rule 5 does with the others.
void ReplaceEscapedQuotesLeft(std::string& text) {
  enum class In { Code, String, Char, LineComment, BlockComment } in = In::Code;
  std::string out;
  out.reserve(text.size());
  bool changed = false;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    switch (in) {
      case In::Code:
        if (c == '"') in = In::String;
        else if (c == '\'') in = In::Char;
        else if (c == '/' && next == '/') in = In::LineComment;
        else if (c == '/' && next == '*') {
          in = In::BlockComment;
          out += "/*";
          i += 2;
          continue;
        }
        break;
      case In::String:
      case In::Char:
        if (c == '\\' && next == '"' && in == In::String) {
          out += '`';
          changed = true;
          i += 2;
          continue;
        }
        if (c == '\\' && next != '\0') {
          // An escape, or a backslash that continues the literal on the
          // next line (its line break included).
          out += c;
          out += next;
          i += 2;
          if (next == '\r' && i < text.size() && text[i] == '\n') out += text[i++];
          continue;
        }
        if ((in == In::String && c == '"') || (in == In::Char && c == '\'') || c == '\n') in = In::Code;
        break;
      case In::LineComment:
        if (c == '\n') in = In::Code;
        break;
      case In::BlockComment:
        if (c == '*' && next == '/') {
          in = In::Code;
          out += "*/";
          i += 2;
          continue;
        }
        break;
    }
    out += c;
    ++i;
  }
  if (changed) text.swap(out);
}

}  // namespace

const NormaliseRule& GetNormaliseRule(int index) { return kRules.at(static_cast<std::size_t>(index)); }

std::string ApplyNormaliseRule(int index, std::string_view text) {
  (void)GetNormaliseRule(index);  // range check
  std::string result(text);
  std::string spare;
  ApplyRule(index, result, spare);
  return result;
}

std::string NormaliseSource(std::string_view source) {
  // The text ends at the first NUL byte.
  if (const void* nul = source.empty() ? nullptr : std::memchr(source.data(), '\0', source.size()))
    source = source.substr(0, static_cast<const char*>(nul) - source.data());
  std::string text = PrepareText(source);
  std::string spare;
  for (int i = 0; i < kNormaliseRuleCount; ++i) ApplyRule(i, text, spare);
  ReplaceEscapedQuotesLeft(text);
  // Remove the line break put in front (the rules always keep it there).
  text.erase(0, text.size() >= 2 ? 2 : text.size());
  return text;
}

}  // namespace xlat
