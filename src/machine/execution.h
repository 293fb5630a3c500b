// Running the program in the ROM: the object at the program counter executes itself, moving the
// program counter and the clock; a run is finished once the program counter leaves the ROM.
#pragma once

#include <string>

class MACHINE;

// Answers whether the program has finished: true, with nothing executed, when the program
// counter is outside the ROM; otherwise executes the instruction there and answers false.
inline bool execute_one(MACHINE& machine);

// Writes the program counter line into text, then executes the instruction there, if any.
void step(MACHINE& machine, std::string& text);

#include "machine/machine.h"

inline bool execute_one(MACHINE& machine) {
  const int64_t address = machine.program_counter.value;
  if (address < 0 || address >= machine.rom.size()) return true;
  machine.rom.execute_at(address, machine);
  return false;
}
