// The status word and the status display.
#include "machine/status_register.h"

#include "machine/register_pool.h"

int32_t STATUS_REGISTER::status_word(int data_size) const {
  int32_t word = 0;
  for (int b = 0; b < 8; ++b)
    if (bits_[b]) word |= 1 << b;
  return sign_extend(word, data_size);  // with N = 8, I is the sign bit
}

void STATUS_REGISTER::set_status_word(int32_t value) {
  for (int b = 0; b < 8; ++b) bits_[b] = (value >> b) & 1;
  bits_[6] = bits_[5] = false;
}

void STATUS_REGISTER::append_display(std::string& text) const {
  text.clear();
  text += "I _ _ S V N Z C\n";
  text += bits_[I] ? '1' : '0';
  text += "     ";
  for (int b : {S, V, N, Z}) {
    text += bits_[b] ? '1' : '0';
    text += ' ';
  }
  text += bits_[C] ? '1' : '0';
  text += '\n';
}

void STATUS_REGISTER::reset() {
  bits_.fill(false);
  bits_[I] = true;
}
