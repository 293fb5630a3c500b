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

inline void set_add_flags(STATUS_REGISTER& status, int32_t a, int32_t b, int32_t r) {
  const bool an = a < 0, bn = b < 0, rn = r < 0;
  status.set_bit(S_R::C, (an && bn) || (an && !rn) || (bn && !rn));
  status.set_bit(S_R::V, (an && bn && !rn) || (!an && !bn && rn));
  set_zero_and_negative(status, r);
  status.update_s();
}

inline void set_subtract_flags(STATUS_REGISTER& status, int32_t a, int32_t b, int32_t r) {
  const bool an = a < 0, bn = b < 0, rn = r < 0;
  status.set_bit(S_R::C, (!an && bn) || (bn && rn) || (rn && !an));
  status.set_bit(S_R::V, (!an && bn && rn) || (an && !bn && !rn));
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
