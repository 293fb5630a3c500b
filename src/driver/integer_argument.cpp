#include "driver/integer_argument.h"

#include <limits>

namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t';
}
bool is_digit(char c) {
  return '0' <= c && c <= '9';
}

void skip_blanks(std::string_view text, size_t& i) {
  while (i < text.size() && is_blank(text[i])) ++i;
}

// Digits are gathered as a magnitude that stops growing at its limit, so that no amount of
// digits can overflow.
long long saturating_magnitude(std::string_view text, size_t& i) {
  constexpr long long limit = std::numeric_limits<long long>::max();
  long long magnitude = 0;
  for (; i < text.size() && is_digit(text[i]); ++i) {
    int digit = text[i] - '0';
    magnitude = magnitude > (limit - digit) / 10 ? limit : magnitude * 10 + digit;
  }
  return magnitude;
}

}  // namespace

std::optional<long long> parse_integer_argument(std::string_view text) {
  size_t i = 0;
  skip_blanks(text, i);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i >= text.size() || !is_digit(text[i])) return std::nullopt;
  long long magnitude = saturating_magnitude(text, i);
  skip_blanks(text, i);
  if (i != text.size()) return std::nullopt;
  return negative ? -magnitude : magnitude;
}
