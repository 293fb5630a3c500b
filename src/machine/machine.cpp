#include "machine/machine.h"

void MACHINE::reset() {
  program_counter.reset();
  status.reset();
  ram.reset();
  stack.reset();
  registers.reset();
  clock.reset();
  rom.clear();
  devices.zero_inputs_outside_int_range();
  devices.zero_io_outside_int_range();
  devices.zero_outputs();
}
