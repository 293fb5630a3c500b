// When an instruction uses a register or the status flags too soon after another one produced
// them. What each instruction reads and writes comes from its own opcode row (pipeline_use);
// breakpoints are looked through.
#pragma once

#include "machine/asm.h"
#include "machine/processor_parameters.h"

// The instruction a breakpoint stands for, or the object itself.
const ASM& unwrapped(const ASM& object);
ASM& unwrapped(ASM& object);

// Looks through a breakpoint; objects without registers (NOP, PMC, branches) answer none.
REGISTER_OPERANDS register_operands(const ASM& object);

// What the dependence rules read of one word, asked of it once (through a breakpoint). The
// default, an empty slot's, neither waits nor makes anything wait.
struct PIPELINE_FACTS {
  PIPELINE_READS reads = PIPELINE_READS::NOTHING;
  unsigned writes = WRITES_NONE;
  bool reads_status = false;
  bool writes_status = false;
  REGISTER_OPERANDS registers;
};
PIPELINE_FACTS pipeline_facts(const ASM& object);

// True when `current`, placed after `earlier`, must wait for what `earlier` writes (a register
// or the status flags). Relative branches, returns, NOP and the like never wait.
bool depends_on(const ASM& current, const ASM& earlier, const PROCESSOR_PARAMETERS& parameters);
bool depends_on(const PIPELINE_FACTS& current, const PIPELINE_FACTS& earlier,
                const PROCESSOR_PARAMETERS& parameters);
