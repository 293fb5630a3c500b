// Number texts shared by the display lines: upper-case hexadecimal with a fixed digit count, the
// N bits of a value, and the "0x.. 0b.. = decimal" forms of a register or RAM word.
#pragma once

#include <cstdint>
#include <string>

// The low 4*digits bits of value as upper-case hexadecimal digits.
void append_hexadecimal(std::string& text, uint32_t value, int digits);
// Bits n-1 down to 0 of value.
void append_binary(std::string& text, uint32_t value, int n);
// "0x" + ceil(n/4) hex digits of the n low bits, " 0b" + the n bits, " = " + the decimal value.
void append_value_forms(std::string& text, int32_t value, int n);
