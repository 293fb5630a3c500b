// Flags computed where they are read. The fast run loop notes the operands and result of the
// last add, subtract or logic instruction instead of setting five flags after each; a branch
// works out the one flag it tests, and everything else that reads the status register (a
// generic instruction, the end of a run) first settles them with the instructions' own rules.
#pragma once

#include <cstdint>

#include "isa/alu.h"

class PENDING_FLAGS {
 public:
  enum KIND : uint8_t { none, add, subtract, logic };

  void note(KIND kind, int32_t a, int32_t b, int32_t r) {
    kind_ = kind;
    a_ = a;
    b_ = b;
    r_ = r;
  }
  void note_logic(int32_t r) { note(logic, 0, 0, r); }
  // The status register holds every flag again, as after an instruction that set them itself.
  void drop() { kind_ = none; }

  bool bit(int flag, const STATUS_REGISTER& status) const {
    if (kind_ == none || flag == S_R::I) return status.bit(flag);
    if (flag == S_R::Z) return r_ == 0;  // the commonest test, and the cheapest
    return (packed() >> flag) & 1;
  }

  void settle(STATUS_REGISTER& status) {
    switch (kind_) {
      case add:
        set_add_flags(status, a_, b_, r_);
        break;
      case subtract:
        set_subtract_flags(status, a_, b_, r_);
        break;
      case logic:
        set_logic_flags(status, r_);
        break;
      case none:
        break;
    }
    kind_ = none;
  }

 private:
  // C, Z, N, V and S at their bits of the status word, from the sign bits as alu.h has them:
  // the carry and overflow words hold in bit 31 what add_carry and the others answer.
  uint32_t packed() const {
    const uint32_t a = a_, b = b_, r = r_;
    uint32_t carry = 0, overflow = 0;
    if (kind_ == add) {
      carry = (a & b) | ((a | b) & ~r);
      overflow = (a ^ r) & (b ^ r);
    } else if (kind_ == subtract) {
      carry = (~a & b) | (b & r) | (r & ~a);
      overflow = (a ^ b) & (a ^ r);
    }
    const uint32_t c = carry >> 31, v = overflow >> 31, n = r >> 31, z = r == 0;
    return c << S_R::C | z << S_R::Z | n << S_R::N | v << S_R::V | (n ^ v) << S_R::S;
  }

  KIND kind_ = none;
  int32_t a_ = 0;
  int32_t b_ = 0;
  int32_t r_ = 0;
};
