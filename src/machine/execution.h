// Running the program in the ROM: the object at the program counter executes itself, moving the
// program counter and the clock; a run is finished once the program counter leaves the ROM.
#pragma once

#include <string>

class MACHINE;

// Executes the instruction at the program counter and answers false; answers true, executing
// nothing, when the program counter is outside the ROM (the program has finished).
inline bool execute_one(MACHINE& machine);

// Writes the program counter line into text, then executes the instruction there, if any.
void step(MACHINE& machine, std::string& text);

// A bounded piece of a free run, as the window runs it between two looks at its events.
struct SLICE_END {
  enum REASON { limit, breakpoint, finished };
  REASON reason;
  // The last address fetched within the ROM (the last instruction executed, or the breakpoint
  // that stopped the run); -1 when nothing was fetched.
  int64_t last_address;
};

// Executes up to limit instructions while stop stays false. A run ends at a breakpoint (which
// sets stop) or when the program counter is outside the ROM, below it as well as beyond: an
// indirect jump to a negative address has nothing to execute and would otherwise spin.
SLICE_END run_slice(MACHINE& machine, const bool& stop, int limit);

#include "machine/machine.h"

inline bool execute_one(MACHINE& machine) {
  const int64_t address = machine.program_counter.value;
  if (address < 0 || address >= machine.rom.size()) return true;
  machine.rom.execute_at(address, machine);
  return false;
}
