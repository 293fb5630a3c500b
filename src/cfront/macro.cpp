// The value of a macro, made on its first use and cached: the parenthesised form's expression
// must fold to a constant; a text must read as an integer literal, which is range-checked at once
// like any constant. Any other text is a construct the compiler does not go on with.
#include "cfront/macro.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "base/error_handler.h"
#include "cfront/c_program.h"
#include "cfront/c_stops.h"
#include "cfront/constant.h"
#include "cfront/integer_literal.h"

namespace {

bool is_text_blank(char c) {
  return c == ' ' || c == '\t';
}

struct WRITTEN_INTEGER {
  int32_t value = 0;
  bool beyond_32_bits = false;
  bool is_unsigned = false;
};

// A digit's value; past every base for a character that is no digit.
int digit_value(char c) {
  const int digit = hexadecimal_digit(c);
  return digit < 0 ? 99 : digit;
}

// The base of the digits at text[i], stepping over "0x" or "0b": a leading 0 is octal, as in C.
int base_at(const std::string& text, size_t& i) {
  if (i + 1 < text.size() && text[i] == '0') {
    const char x = text[i + 1];
    if (x == 'x' || x == 'X' || x == 'b' || x == 'B') {
      i += 2;
      return x == 'x' || x == 'X' ? 16 : 2;
    }
    return 8;
  }
  return 10;
}

// Steps over the suffix; answers "unsigned".
bool skip_suffix(const std::string& text, size_t& i) {
  INTEGER_SUFFIX suffix;
  while (i < text.size() && suffix.take(text[i])) ++i;
  return suffix.is_unsigned();
}

// integer := { blank } [ "+" | "-" ] literal { blank }, the literal read as C reads it in code:
// decimal, octal after a 0, hexadecimal after 0x, binary after 0b, with an unsigned or long
// suffix.
std::optional<WRITTEN_INTEGER> read_integer(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && is_text_blank(text[i])) ++i;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  if (i >= text.size() || text[i] < '0' || text[i] > '9') return std::nullopt;
  const int base = base_at(text, i);
  const size_t first_digit = i;
  int64_t magnitude = 0;
  bool beyond_32_bits = false;
  // As in code, 8 and 9 count as octal digits.
  const int digit_limit = base == 8 ? 10 : base;
  for (; i < text.size() && digit_value(text[i]) < digit_limit; ++i) {
    if (!beyond_32_bits) magnitude = magnitude * base + digit_value(text[i]);
    beyond_32_bits = beyond_32_bits || magnitude > int64_t{1} << 31;
  }
  if (i == first_digit && base != 8) return std::nullopt;
  const bool is_unsigned = skip_suffix(text, i);
  while (i < text.size() && is_text_blank(text[i])) ++i;
  if (i != text.size()) return std::nullopt;
  const int64_t value = negative ? -magnitude : magnitude;
  beyond_32_bits = beyond_32_bits || value > std::numeric_limits<int32_t>::max();
  return WRITTEN_INTEGER{static_cast<int32_t>(value), beyond_32_bits, is_unsigned};
}

}  // namespace

DECIMAL_CONSTANT* DEFINE_MACRO::constant_at(C_PROGRAM& program, POSITION position) {
  if (cached == nullptr && value != nullptr && simplify_operand(value, program)->is_constant())
    cached = static_cast<DECIMAL_CONSTANT*>(value);
  if (cached == nullptr && value == nullptr && text) {
    std::optional<WRITTEN_INTEGER> integer = read_integer(*text);
    if (!integer) stop_compiler("a macro whose text is not an integer", position);
    const POSITION last = text_position.shifted(static_cast<int>(text->size()) - 1);
    cached = program.make<DECIMAL_CONSTANT>(text_position, last, integer->value,
                                            integer->is_unsigned);
    cached->beyond_32_bits = integer->beyond_32_bits;
    cached->type_of(program);
  }
  if (cached == nullptr) {
    // Reported once: the macro then stands for 0.
    ERROR_HANDLER& error_handler = program.services.error_handler;
    error_handler.add_position(position);
    error_handler.add_position(name->position);
    error_handler.append("The value of this macro is not a constant.");
    error_handler.error();
    cached = program.make<DECIMAL_CONSTANT>(text_position, text_position, 0);
  }
  return program.make<DECIMAL_CONSTANT>(position, position, cached->value, cached->is_unsigned);
}
