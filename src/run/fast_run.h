// The free run of the program: the loop that the batch run, the debugger's C and the window's
// Run share. It executes the ROM's predecoded records, jumping from handler to handler, and
// has exactly the effect of single steps: the same registers, flags, RAM, stack, clock,
// program counter and diagnostics after every instruction it stops at.
#pragma once

#include <cstdint>

class MACHINE;

struct RUN_END {
  enum REASON { limit, breakpoint, finished, diagnostic };
  REASON reason;
  // Instructions executed; a breakpoint that stops the run counts as one, as a single step
  // onto it does.
  int64_t executed;
  // The slot of the last instruction executed, or of the breakpoint that stopped the run; -1
  // when the run ended by leaving the ROM or executed nothing.
  int64_t last_address;
};

enum class ON_DIAGNOSTIC { go_on, stop };

// Executes at most limit instructions from the program counter. The run also ends at a
// breakpoint (which holds the machine's run state), when the program counter is outside
// the ROM, below it as well as beyond, and, when asked, right after an instruction that leaves
// an error or a warning counted.
RUN_END run_program(MACHINE& machine, int64_t limit, ON_DIAGNOSTIC on_diagnostic);
