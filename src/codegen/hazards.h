// When an instruction uses a register or the status flags too soon after another one produced
// them. Each instruction has an A and a B register operand (absent ones are NO_REGISTER); a
// table per instruction number says which of them it reads and which the earlier one writes.
#pragma once

#include "isa/asm.h"
#include "machine/processor_parameters.h"

inline constexpr int NO_REGISTER = -1;

// Register numbers of an instruction's operands. A is the first register of its assembly text
// and B the second, except ST and STX (A is the address register, B the stored one) and TTSR
// (its only register is B).
struct REGISTER_OPERANDS {
  int a = NO_REGISTER;
  int b = NO_REGISTER;
};

// The instruction a breakpoint stands for, or the object itself.
const ASM& unwrapped(const ASM& object);
ASM& unwrapped(ASM& object);

// Looks through a breakpoint; objects without registers (NOP, PMC, branches) answer none.
REGISTER_OPERANDS register_operands(const ASM& object);

// True when `current`, placed after `earlier`, must wait for what `earlier` writes (a register
// or the status flags). Relative branches, returns, NOP and the like never wait.
bool depends_on(const ASM& current, const ASM& earlier, const PROCESSOR_PARAMETERS& parameters);
