#include "machine/machine.h"

#include "base/user_interface.h"

MACHINE::MACHINE(ERROR_HANDLER& error_handler, USER_INTERFACE& user_interface)
    : error_handler(error_handler), user_interface(user_interface) {
  user_interface.stop.bind(&execution);
}

MACHINE::~MACHINE() {
  user_interface.stop.bind(nullptr);
}

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
