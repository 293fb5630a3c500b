// The character reader of the C parser and the lexical operations every grammar routine uses.
// The cursor walks the file's lines: a newline (10) after each line, 0 past the last one. Tokens
// are matched straight on the characters; a failed match steps back over what it read.
#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "base/error_handler.h"
#include "cfront/c_parser.h"
#include "cfront/c_program.h"
#include "cfront/c_stops.h"
#include "cfront/constant.h"
#include "cfront/integer_literal.h"
#include "cfront/preprocessor.h"
#include "cfront/string_literal.h"

namespace {

constexpr std::string_view not_implemented_message = "This aspect of ANSI C is not implemented.";
constexpr std::string_view syntax_error_message = "Syntax error.";

// Sorted, so that a name is looked up by its first letters.
constexpr std::array<std::string_view, 33> reserved_words{
    "asm",     "auto",     "break",  "case",     "char",   "const",    "continue",
    "default", "do",       "double", "else",     "enum",   "extern",   "float",
    "for",     "goto",     "if",     "int",      "long",   "register", "return",
    "short",   "signed",   "sizeof", "static",   "struct", "switch",   "typedef",
    "union",   "unsigned", "void",   "volatile", "while"};
static_assert(std::is_sorted(reserved_words.begin(), reserved_words.end()));

bool is_reserved(std::string_view word) {
  return std::binary_search(reserved_words.begin(), reserved_words.end(), word);
}

bool is_letter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

bool is_name_character(char c) {
  return is_letter(c) || is_digit(c) || c == '_';
}

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The digits of a constant as they accumulate: the 32-bit value wraps, and the flag tells when
// the written value lies past what a 32-bit signed integer holds.
struct DIGITS {
  uint32_t value = 0;
  uint64_t magnitude = 0;
  bool beyond_32_bits = false;

  void add(int base, int digit) {
    value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(digit);
    if (beyond_32_bits) return;
    magnitude = magnitude * base + digit;
    beyond_32_bits = magnitude > static_cast<uint64_t>(std::numeric_limits<int32_t>::max());
  }
};

// comment-text := { any } "*/"   (after "/*"; comments do not nest). False at the end of the
// file, which is reported.
bool skip_comment_text(C_PARSER& parser) {
  for (;;) {
    if (parser.at_end_of_file()) {
      parser.report(parser.cursor_position(), "End of file reached while reading comment.");
      return false;
    }
    const bool star = parser.current() == '*';
    parser.next_char();
    if (star && parser.current() == '/') {
      parser.next_char();
      return true;
    }
  }
}

// escape := "\\" ( "n" | "t" | "r" | "a" | "b" | "f" | "v" | "\\" | "'" | "\"" | "?"
//           | octal-digit [ octal-digit [ octal-digit ] ] | "x" hex-digit { hex-digit } )
std::optional<int32_t> read_escape(C_PARSER& parser) {
  const char c = parser.current();
  if (c >= '0' && c <= '7') {
    int32_t code = 0;
    for (int n = 0; n < 3 && parser.current() >= '0' && parser.current() <= '7'; ++n) {
      code = code * 8 + (parser.current() - '0');
      parser.next_char();
    }
    return code;
  }
  if (c == 'x') {
    parser.next_char();
    if (hexadecimal_digit(parser.current()) < 0) return std::nullopt;
    uint32_t code = 0;
    for (int digit; (digit = hexadecimal_digit(parser.current())) >= 0; parser.next_char())
      code = code * 16 + static_cast<uint32_t>(digit);
    return static_cast<int32_t>(code);
  }
  static constexpr std::string_view letters = "ntrabfv\\'\"?";
  static constexpr char codes[] = {'\n', '\t', '\r', '\a', '\b', '\f', '\v', '\\', '\'', '"', '?'};
  const std::size_t at = letters.find(c);
  if (at == std::string_view::npos) return std::nullopt;
  parser.next_char();
  return codes[at];
}

// One character of a character constant, or nothing for a quote, a line end or a bad escape.
std::optional<int32_t> read_character_code(C_PARSER& parser) {
  const char c = parser.current();
  if (c == '\'' || c == '\n' || parser.at_end_of_file()) return std::nullopt;
  parser.next_char();
  if (c != '\\') return static_cast<unsigned char>(c);
  return read_escape(parser);
}

// One character of a string literal, or nothing at its closing quote, a line end or a bad escape.
std::optional<int32_t> read_string_code(C_PARSER& parser) {
  const char c = parser.current();
  if (c == '"' || c == '\n' || c == 0 || parser.at_end_of_file()) return std::nullopt;
  parser.next_char();
  if (c != '\\') return static_cast<unsigned char>(c);
  return read_escape(parser);
}

}  // namespace

C_PARSER::C_PARSER(C_PROGRAM& program)
    : program(program), preprocessor_(std::make_unique<PREPROCESSOR>(*this)) {
  scopes.reserve(12);
  switches.reserve(12);
  name_text_.reserve(64);
}

C_PARSER::~C_PARSER() = default;

C_PARSER::NESTED::NESTED(C_PARSER& parser) : parser_(parser) {
  if (++parser_.nesting <= nesting_limit) return;
  // The destructor does not run when the constructor throws.
  --parser_.nesting;
  constexpr std::string_view message = "Nesting too deep.";
  parser_.report(parser_.cursor_position(), message);
  throw C_PARSE_ABANDONED{std::string(message)};
}

EXPRESSION* C_PARSER::bounded(EXPRESSION* node, const EXPRESSION* first, const EXPRESSION* second) {
  const int below =
      std::max(first != nullptr ? first->depth : 0, second != nullptr ? second->depth : 0);
  node->depth = below + 1;
  if (node->depth <= expression_depth_limit) return node;
  constexpr std::string_view message = "Expression too deep.";
  report(cursor_position(), message);
  throw C_PARSE_ABANDONED{std::string(message)};
}

void C_PARSER::load_text(std::vector<std::string> lines) {
  preprocessor_->start(std::move(lines), lines_);
  line_ = 1;
  column_ = 1;
  load_line();
}

// The line under the cursor and the character at its column: the newline just past its end,
// 0 before column 1 and past the last line.
void C_PARSER::load_line() {
  preprocessor_->prepare_up_to(line_);
  line_text_ = at_end_of_file() ? nullptr : &lines_[line_ - 1];
  const int length = line_text_ == nullptr ? 0 : static_cast<int>(line_text_->size());
  if (line_text_ == nullptr || column_ < 1)
    current_ = 0;
  else if (column_ <= length)
    current_ = (*line_text_)[column_ - 1];
  else
    current_ = '\n';
}

void C_PARSER::next_char() {
  if (at_end_of_file()) return;
  if (column_ <= static_cast<int>(line_text_->size())) {
    ++column_;
  } else {
    ++line_;
    column_ = 1;
  }
  load_line();
}

void C_PARSER::previous_char() {
  if (column_ > 1) {
    --column_;
  } else if (line_ > 1) {
    --line_;
    column_ = static_cast<int>(lines_[line_ - 1].size()) + 1;
  } else {
    column_ = 0;
  }
  load_line();
}

void C_PARSER::set_cursor(int line, int column) {
  line_ = line;
  column_ = column;
  load_line();
}

// blanks := { " " | tab | carriage-return | newline | comment | line-comment }
// line-comment := "//" { any but newline }
void C_PARSER::skip_blanks() {
  for (;;) {
    if (is_blank(current_)) {
      next_char();
      continue;
    }
    if (current_ != '/') return;
    next_char();
    if (current_ == '/') {
      while (current_ != '\n' && !at_end_of_file()) next_char();
      continue;
    }
    if (current_ != '*') {
      previous_char();
      return;
    }
    next_char();
    if (!skip_comment_text(*this)) return;
  }
}

bool C_PARSER::match_char(char c) {
  if (current_ != c) return false;
  record_token_start();
  next_char();
  skip_blanks();
  return true;
}

// A fixed operator of several characters; on a partial match every character read is given back.
bool C_PARSER::match_sequence(std::string_view text) {
  const int line = line_, column = column_;
  for (char c : text) {
    if (current_ != c) {
      set_cursor(line, column);
      return false;
    }
    next_char();
  }
  token_line_ = line;
  token_column_ = column;
  skip_blanks();
  return true;
}

bool C_PARSER::match_two(char c1, char c2) {
  const char text[] = {c1, c2};
  return match_sequence(std::string_view(text, 2));
}

bool C_PARSER::match_three(char c1, char c2, char c3) {
  const char text[] = {c1, c2, c3};
  return match_sequence(std::string_view(text, 3));
}

// A keyword is a whole word: a name character right after it means a longer name.
bool C_PARSER::match_keyword(std::string_view word) {
  record_token_start();
  for (char c : word) {
    if (current_ != c) {
      set_cursor(token_line_, token_column_);
      return false;
    }
    next_char();
  }
  if (is_name_character(current_)) {
    set_cursor(token_line_, token_column_);
    return false;
  }
  if (current_ == ' ' || current_ == '\t' || current_ == '\n' || current_ == '-') skip_blanks();
  return true;
}

void C_PARSER::expect_char(char c) {
  const POSITION expected_at = cursor_position();
  if (match_char(c)) return;
  report(expected_at, std::string(1, c) + " expected.");
}

// identifier := ( letter | "_" ) { letter | digit | "_" }   (not one of the reserved words)
bool C_PARSER::read_identifier() {
  if (!is_letter(current_) && current_ != '_') return false;
  name_text_.clear();
  name_line_ = line_;
  name_column_ = column_;
  name_interned_ = nullptr;
  while (is_name_character(current_)) {
    name_text_.push_back(current_);
    next_char();
  }
  skip_blanks();
  if (!is_reserved(name_text_)) return true;
  set_cursor(name_line_, name_column_);
  return false;
}

bool C_PARSER::next_word_is(std::string_view word) {
  const int line = line_, column = column_;
  const int token_line = token_line_, token_column = token_column_;
  const bool found = match_keyword(word);
  set_cursor(line, column);
  token_line_ = token_line;
  token_column_ = token_column;
  return found;
}

// Answers whether the constant is unsigned; `last` moves onto the suffix.
bool C_PARSER::read_integer_suffix(POSITION& last) {
  INTEGER_SUFFIX suffix;
  for (; suffix.take(current_); next_char()) last = cursor_position();
  return suffix.is_unsigned();
}

void C_PARSER::make_integer_constant(const POSITION& first, POSITION last, uint32_t value,
                                     bool beyond_32_bits) {
  const bool is_unsigned = read_integer_suffix(last);
  last_constant_ =
      program.make<DECIMAL_CONSTANT>(first, last, static_cast<int32_t>(value), is_unsigned);
  last_constant_->beyond_32_bits = beyond_32_bits;
  skip_blanks();
}

// prefixed := "0" ( "x" | "X" ) { hex-digit } | "0" ( "b" | "B" ) { "0" | "1" }, then a suffix
bool C_PARSER::read_prefixed() {
  if (current_ != '0') return false;
  const POSITION first = cursor_position();
  next_char();
  const bool binary = current_ == 'b' || current_ == 'B';
  if (current_ != 'x' && current_ != 'X' && !binary) {
    previous_char();
    return false;
  }
  POSITION last = cursor_position();
  next_char();
  DIGITS digits;
  const int base = binary ? 2 : 16;
  for (int digit; (digit = hexadecimal_digit(current_)) >= 0 && digit < base; next_char()) {
    digits.add(base, digit);
    last = cursor_position();
  }
  make_integer_constant(first, last, digits.value, digits.beyond_32_bits);
  return true;
}

// octal := "0" { digit }   (8 and 9 count as octal digits), then a suffix
bool C_PARSER::read_octal() {
  if (current_ != '0') return false;
  const POSITION first = cursor_position();
  POSITION last = first;
  next_char();
  DIGITS digits;
  for (; is_digit(current_); next_char()) {
    digits.add(8, current_ - '0');
    last = cursor_position();
  }
  make_integer_constant(first, last, digits.value, digits.beyond_32_bits);
  return true;
}

// decimal := non-zero-digit { digit }, then a suffix
bool C_PARSER::read_decimal() {
  if (current_ < '1' || current_ > '9') return false;
  const POSITION first = cursor_position();
  POSITION last = first;
  DIGITS digits;
  for (; is_digit(current_); next_char()) {
    digits.add(10, current_ - '0');
    last = cursor_position();
  }
  if (current_ == '.' || current_ == 'e' || current_ == 'E') not_implemented("floating point");
  make_integer_constant(first, last, digits.value, digits.beyond_32_bits);
  return true;
}

// character := "'" ( any but "'", "\" or newline | escape ) "'"   (an int: the character's code)
bool C_PARSER::read_character() {
  if (current_ != '\'') return false;
  const POSITION first = cursor_position();
  next_char();
  std::optional<int32_t> code = read_character_code(*this);
  if (code && current_ != '\'') not_implemented("a character constant of several characters");
  if (!code) not_implemented();
  const POSITION last = cursor_position();
  next_char();
  last_constant_ = program.make<DECIMAL_CONSTANT>(first, last, *code);
  skip_blanks();
  return true;
}

// A string that a line end or a bad escape interrupts is reported there.
bool C_PARSER::read_string(STRING_TEXT& text) {
  if (current_ != '"') return false;
  text.first = cursor_position();
  while (current_ == '"') {
    next_char();
    while (std::optional<int32_t> code = read_string_code(*this)) text.codes.push_back(*code);
    if (current_ != '"') {
      report(cursor_position(), "This string is not closed on its line.");
      skip_blanks();
      return true;
    }
    text.last = cursor_position();
    next_char();
    skip_blanks();
  }
  return true;
}

POSITION C_PARSER::position_at(int line, int column) const {
  const SPOT spot = preprocessor_->spot_at(line, column);
  return POSITION::make(source_file, spot.line, spot.column, spot.macro);
}

void C_PARSER::report(const POSITION& position, std::string_view message) {
  program.services.error_handler.error_at(position, message);
}

void C_PARSER::warn(const POSITION& position, std::string_view message) {
  program.services.error_handler.warning_at(position, message);
}

void C_PARSER::not_implemented() {
  report(cursor_position(), not_implemented_message);
  throw C_PARSE_ABANDONED{std::string(not_implemented_message)};
}

void C_PARSER::not_implemented(std::string_view construct) {
  std::string message(not_implemented_message);
  message.back() = ':';
  message.append(" ").append(construct).append(".");
  report(cursor_position(), message);
  throw C_PARSE_ABANDONED{message, false};
}

void C_PARSER::syntax_error() {
  report(cursor_position(), syntax_error_message);
  throw C_PARSE_ABANDONED{std::string(syntax_error_message)};
}

void C_PARSER::skip_to_end_of_statement() {
  while (!at_end_of_file()) {
    if (current_ == '}') return;
    if (current_ == ';') {
      next_char();
      skip_blanks();
      return;
    }
    next_char();
  }
}

void C_PARSER::skip_item(int line, int column) {
  set_cursor(line, column);
  int depth = 0;
  char previous = 0;
  bool function_body = false;  // a brace after `)`; any other (an initialiser's) goes on to `;`
  for (skip_blanks(); current_ != 0; skip_blanks()) {
    const char c = current_;
    if (c == '"' || c == '\'') {
      skip_quoted(c);
      previous = c;
      continue;
    }
    next_char();
    if (c == '{' && depth++ == 0) function_body = previous == ')';
    if (c == '}' && depth > 0 && --depth == 0 && function_body) {
      skip_blanks();
      match_char(';');
      return;
    }
    if (c == ';' && depth == 0) return skip_blanks();
    previous = c;
  }
}

// A string or character literal, up to its closing quote or the end of its line.
void C_PARSER::skip_quoted(char quote) {
  const int line = line_;
  next_char();
  while (current_ != 0 && current_ != quote && line_ == line) {
    if (current_ == '\\') next_char();
    next_char();
  }
  if (current_ == quote) next_char();
}

bool C_PARSER::errors_counted() const {
  return program.services.error_handler.error_count() > errors_tolerated;
}

POSITION C_PARSER::name_last_position() const {
  const int length = static_cast<int>(name_text_.size());
  return position_at(name_line_, name_column_ + std::max(length, 1) - 1);
}

INTERNED C_PARSER::interned_name() {
  if (name_interned_ == nullptr) name_interned_ = program.intern(name_text_);
  return name_interned_;
}

NAME* C_PARSER::make_name() {
  return program.make<NAME>(interned_name(), innermost_block(), current_function, name_position(),
                            name_last_position());
}
