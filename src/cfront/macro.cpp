// The value of a macro, made on its first use and cached: the parenthesised form's expression
// must fold to a constant; a text must read as a decimal integer, which is range-checked at once
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

namespace {

bool is_text_blank(char c) {
  return c == ' ' || c == '\t';
}

struct WRITTEN_INTEGER {
  int32_t value = 0;
  bool beyond_32_bits = false;
};

// integer := { blank } [ "+" | "-" ] digit { digit } { blank }
std::optional<WRITTEN_INTEGER> read_integer(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && is_text_blank(text[i])) ++i;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  const size_t first_digit = i;
  int64_t magnitude = 0;
  bool beyond_32_bits = false;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (!beyond_32_bits) magnitude = magnitude * 10 + (text[i] - '0');
    beyond_32_bits = beyond_32_bits || magnitude > int64_t{1} << 31;
  }
  if (i == first_digit) return std::nullopt;
  while (i < text.size() && is_text_blank(text[i])) ++i;
  if (i != text.size()) return std::nullopt;
  const int64_t value = negative ? -magnitude : magnitude;
  beyond_32_bits = beyond_32_bits || value > std::numeric_limits<int32_t>::max();
  return WRITTEN_INTEGER{static_cast<int32_t>(value), beyond_32_bits};
}

}  // namespace

DECIMAL_CONSTANT* DEFINE_MACRO::constant_at(C_PROGRAM& program, POSITION position) {
  if (cached == nullptr && value != nullptr && simplify_operand(value, program)->is_constant())
    cached = static_cast<DECIMAL_CONSTANT*>(value);
  if (cached == nullptr && value == nullptr && text) {
    std::optional<WRITTEN_INTEGER> integer = read_integer(*text);
    if (!integer) stop_compiler("a macro whose text is not an integer", position);
    const POSITION last = text_position.shifted(static_cast<int>(text->size()) - 1);
    cached = program.make<DECIMAL_CONSTANT>(text_position, last, integer->value);
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
