#include "machine/hexadecimal.h"

void append_hexadecimal(std::string& text, uint32_t value, int digits) {
  static constexpr char hex_digits[] = "0123456789ABCDEF";
  for (int d = digits - 1; d >= 0; --d) text += hex_digits[(value >> (4 * d)) & 0xF];
}

void append_binary(std::string& text, uint32_t value, int n) {
  for (int b = n - 1; b >= 0; --b) text += ((value >> b) & 1) ? '1' : '0';
}

void append_value_forms(std::string& text, int32_t value, int n) {
  const uint32_t low = static_cast<uint32_t>(value) & ((uint32_t{1} << n) - 1);
  text += "0x";
  append_hexadecimal(text, low, (n + 3) / 4);
  text += " 0b";
  append_binary(text, low, n);
  text += " = ";
  text += std::to_string(value);
}
