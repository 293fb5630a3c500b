// The flag rules shared by the ALU instructions. Operands and results are N-bit values kept
// sign-extended, so "negative" is simply < 0.
#pragma once

#include <cstdint>

#include "machine/status_register.h"

using S_R = STATUS_REGISTER;

inline void set_zero_and_negative(STATUS_REGISTER& status, int32_t r) {
  status.set_bit(S_R::Z, r == 0);
  status.set_bit(S_R::N, r < 0);
}

// C and V of r = a + b and of r = a - b, from the three sign bits alone.
inline bool add_carry(int32_t a, int32_t b, int32_t r) {
  const bool an = a < 0, bn = b < 0, rn = r < 0;
  return (an && bn) || (an && !rn) || (bn && !rn);
}

inline bool add_overflow(int32_t a, int32_t b, int32_t r) {
  const bool an = a < 0, bn = b < 0, rn = r < 0;
  return (an && bn && !rn) || (!an && !bn && rn);
}

inline bool subtract_carry(int32_t a, int32_t b, int32_t r) {
  const bool an = a < 0, bn = b < 0, rn = r < 0;
  return (!an && bn) || (bn && rn) || (rn && !an);
}

inline bool subtract_overflow(int32_t a, int32_t b, int32_t r) {
  const bool an = a < 0, bn = b < 0, rn = r < 0;
  return (!an && bn && rn) || (an && !bn && !rn);
}

inline void set_add_flags(STATUS_REGISTER& status, int32_t a, int32_t b, int32_t r) {
  status.set_bit(S_R::C, add_carry(a, b, r));
  status.set_bit(S_R::V, add_overflow(a, b, r));
  set_zero_and_negative(status, r);
  status.update_s();
}

inline void set_subtract_flags(STATUS_REGISTER& status, int32_t a, int32_t b, int32_t r) {
  status.set_bit(S_R::C, subtract_carry(a, b, r));
  status.set_bit(S_R::V, subtract_overflow(a, b, r));
  set_zero_and_negative(status, r);
  status.update_s();
}

// AND, OR, EOR and the bit instructions: C and V cleared, S follows N.
inline void set_logic_flags(STATUS_REGISTER& status, int32_t r) {
  status.set_bit(S_R::C, false);
  status.set_bit(S_R::V, false);
  set_zero_and_negative(status, r);
  status.update_s();
}

// Shifts and rotations: C is the bit shifted out, V := N XOR C, S := N XOR V.
inline void set_shift_flags(STATUS_REGISTER& status, int32_t r, bool carry) {
  status.set_bit(S_R::C, carry);
  set_zero_and_negative(status, r);
  status.update_v();
  status.update_s();
}
