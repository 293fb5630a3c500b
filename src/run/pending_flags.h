// Flags computed where they are read. The fast run loop notes the operands and result of the
// last add, subtract or logic instruction instead of setting five flags after each; a branch
// works out the one flag it tests, and everything else that reads the status register (a
// generic instruction, the end of a run) first settles them, both with the ALU kernels' rules.
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
    return (flags().word() >> flag) & 1;
  }

  void settle(STATUS_REGISTER& status) {
    if (kind_ != none) set_flags(status, flags());
    kind_ = none;
  }

 private:
  // The instructions' own flag kernels, on the operands and result noted.
  ALU_FLAGS flags() const {
    if (kind_ == add) return add_flags(a_, b_, r_);
    if (kind_ == subtract) return subtract_flags(a_, b_, r_);
    return logic_flags(r_);
  }

  KIND kind_ = none;
  int32_t a_ = 0;
  int32_t b_ = 0;
  int32_t r_ = 0;
};
