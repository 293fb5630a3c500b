#include "machine/asm.h"

void append_bits(std::string& text, int64_t value, int n) {
  for (int b = n - 1; b >= 0; --b) text += ((value >> b) & 1) ? '1' : '0';
}

void ASM::append_code(std::string& text) const {
  append_bits(text, code(), 16);
}
