#include "machine/execution.h"

void step(MACHINE& machine, std::string& text) {
  text.clear();
  machine.program_counter.append_line(text, machine);
  execute_one(machine);
}
