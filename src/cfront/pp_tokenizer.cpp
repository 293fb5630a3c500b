// The cut follows C's longest-match rule: a pp-number takes letters, digits, dots and a sign
// after an exponent letter; punctuators are matched longest first.
#include "cfront/pp_tokenizer.h"

#include <array>
#include <string_view>

bool is_pp_name_start(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool is_pp_name_character(char c) {
  return is_pp_name_start(c) || (c >= '0' && c <= '9');
}

bool PP_TOKEN::hides(const std::string& name) const {
  for (const std::string& hidden : hide_set)
    if (hidden == name) return true;
  return false;
}

SPOT PP_TOKEN::spot_of(std::size_t i) const {
  if (i == 0) return first;
  if (!written || i + 1 >= text.size()) return last;
  return SPOT{first.line, first.column + static_cast<int>(i), first.macro};
}

namespace {

// Three characters before two, so the longest one wins.
constexpr std::array<std::string_view, 23> long_punctuators{
    "...", "<<=", ">>=", "->", "++", "--", "<<", ">>", "<=", ">=", "==", "!=",
    "&&",  "||",  "*=",  "/=", "%=", "+=", "-=", "&=", "^=", "|=", "##"};
constexpr std::string_view single_punctuators = "[](){}.&*+-~!/%<>^|?:;=,#";

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

class CUTTER {
 public:
  CUTTER(std::string_view text, bool& in_comment) : text_(text), in_comment_(in_comment) {}

  // The length of the token at i and its kind.
  std::size_t cut(std::size_t i, PP_KIND& kind) {
    if (in_comment_) return kind = PP_KIND::space, comment_rest(i) - i;
    const char c = text_[i];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v')
      return kind = PP_KIND::space, 1;
    if (starts(i, "/*")) {
      in_comment_ = true;
      return kind = PP_KIND::space, comment_rest(i + 2) - i;
    }
    if (starts(i, "//")) return kind = PP_KIND::space, text_.size() - i;
    if (is_pp_name_start(c)) return kind = PP_KIND::identifier, name_end(i) - i;
    if (is_digit(c) || (c == '.' && i + 1 < text_.size() && is_digit(text_[i + 1])))
      return kind = PP_KIND::number, number_end(i) - i;
    if (c == '"' || c == '\'') {
      kind = c == '"' ? PP_KIND::string : PP_KIND::character;
      return quoted_end(i) - i;
    }
    return punctuator(i, kind);
  }

 private:
  bool starts(std::size_t i, std::string_view word) const {
    return text_.substr(i, word.size()) == word;
  }

  // After the comment's `*/`, or the line's end with the comment still open.
  std::size_t comment_rest(std::size_t i) {
    const std::size_t end = text_.find("*/", i);
    if (end == std::string_view::npos) return text_.size();
    in_comment_ = false;
    return end + 2;
  }

  std::size_t name_end(std::size_t i) const {
    while (i < text_.size() && is_pp_name_character(text_[i])) ++i;
    return i;
  }

  std::size_t number_end(std::size_t i) const {
    for (++i; i < text_.size(); ++i) {
      const char c = text_[i];
      const char before = text_[i - 1];
      const bool sign = (c == '+' || c == '-') &&
                        (before == 'e' || before == 'E' || before == 'p' || before == 'P');
      if (!is_pp_name_character(c) && c != '.' && !sign) break;
    }
    return i;
  }

  // Past the closing quote, or the line's end when the literal is not closed.
  std::size_t quoted_end(std::size_t i) const {
    const char quote = text_[i];
    for (++i; i < text_.size(); ++i) {
      if (text_[i] == '\\') {
        ++i;
        continue;
      }
      if (text_[i] == quote) return i + 1;
    }
    return text_.size();
  }

  std::size_t punctuator(std::size_t i, PP_KIND& kind) const {
    kind = PP_KIND::punctuator;
    for (std::string_view p : long_punctuators)
      if (starts(i, p)) return p.size();
    if (single_punctuators.find(text_[i]) != std::string_view::npos) return 1;
    kind = PP_KIND::other;
    return 1;
  }

  std::string_view text_;
  bool& in_comment_;
};

}  // namespace

PP_TOKENS PP_TOKENIZER::tokenize(const LOGICAL_LINE& line, bool& in_comment) {
  PP_TOKENS tokens;
  CUTTER cutter(line.text, in_comment);
  for (std::size_t i = 0; i < line.text.size();) {
    PP_TOKEN token;
    const std::size_t length = cutter.cut(i, token.kind);
    token.text = line.text.substr(i, length);
    token.first = line.spots[i];
    token.last = line.spots[i + length - 1];
    tokens.push_back(std::move(token));
    i += length;
  }
  return tokens;
}

PP_TOKENS PP_TOKENIZER::tokenize_text(const std::string& text, SPOT spot) {
  LOGICAL_LINE line{text, std::vector<SPOT>(text.size(), spot)};
  bool in_comment = false;
  PP_TOKENS tokens = tokenize(line, in_comment);
  for (PP_TOKEN& token : tokens) token.written = false;
  return tokens;
}
