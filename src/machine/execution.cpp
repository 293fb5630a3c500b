#include "machine/execution.h"

void step(MACHINE& machine, std::string& text) {
  text.clear();
  machine.program_counter.append_line(text, machine);
  execute_one(machine);
}

SLICE_END run_slice(MACHINE& machine, const bool& stop, int limit) {
  int64_t last_address = -1;
  for (int count = 0; count < limit; ++count) {
    const int64_t address = machine.program_counter.value;
    if (address < 0 || address >= machine.rom.size()) return {SLICE_END::finished, last_address};
    last_address = address;
    machine.rom.execute_at(address, machine);
    if (stop) return {SLICE_END::breakpoint, last_address};
  }
  return {SLICE_END::limit, last_address};
}
