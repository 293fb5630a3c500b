// An ALU kernel's answer applied to the machine: its flags go into the status register, read
// with the width the processor was configured with. The kernels themselves are in
// alu_kernels.h.
#pragma once

#include <cstdint>

#include "isa/alu_kernels.h"
#include "machine/machine.h"

using S_R = STATUS_REGISTER;

inline DATA_WIDTH data_width(const MACHINE& machine) {
  return DATA_WIDTH{machine.parameters.data_size};
}

inline void set_flags(STATUS_REGISTER& status, ALU_FLAGS flags) {
  status.set_bit(S_R::C, flags.c);
  status.set_bit(S_R::Z, flags.z);
  status.set_bit(S_R::N, flags.n);
  status.set_bit(S_R::V, flags.v);
  status.set_bit(S_R::S, flags.s);
}

// The result's value, once its flags are set.
inline int32_t value_setting_flags(STATUS_REGISTER& status, const ALU_RESULT& result) {
  set_flags(status, result.flags);
  return result.value;
}
