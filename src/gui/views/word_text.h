// The number forms the views show a word in: its N low bits in hexadecimal ("0x", one digit per
// group of four bits counted from the right, as the register lines write them) or in binary.
#pragma once

#include <cstdint>
#include <string>

#include "machine/hexadecimal.h"
#include "machine/processor_parameters.h"

inline void append_hex_word(std::string& text, int32_t value, int bits) {
  text += "0x";
  append_hexadecimal(text, static_cast<uint32_t>(value & uint_max(bits)), (bits + 3) / 4);
}

inline void append_binary_word(std::string& text, int32_t value, int bits) {
  text += "0b";
  append_binary(text, static_cast<uint32_t>(value), bits);
}
