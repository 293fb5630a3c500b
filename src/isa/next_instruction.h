// The common end of an instruction that does not jump: the next word, after its clock periods.
#pragma once

#include "machine/machine.h"

inline void next_instruction(MACHINE& machine, int periods) {
  machine.program_counter.advance();
  machine.clock.advance(periods);
}
