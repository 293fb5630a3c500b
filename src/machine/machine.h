// The simulated machine: all its parts, sized by one set of processor parameters, plus the
// reporter that its run-time diagnostics go through.
#pragma once

#include "machine/breakpoint_table.h"
#include "machine/device_pool.h"
#include "machine/execution_state.h"
#include "machine/machine_clock.h"
#include "machine/machine_ram.h"
#include "machine/machine_stack.h"
#include "machine/processor_configuration.h"
#include "machine/processor_parameters.h"
#include "machine/program_counter.h"
#include "machine/register_pool.h"
#include "machine/rom.h"
#include "machine/status_register.h"

class ERROR_HANDLER;
class USER_INTERFACE;

class MACHINE {
 public:
  // Binds the user interface's stop flag to the run state, until destruction.
  MACHINE(ERROR_HANDLER& error_handler, USER_INTERFACE& user_interface);
  ~MACHINE();
  MACHINE(const MACHINE&) = delete;
  MACHINE& operator=(const MACHINE&) = delete;

  // What a build does first: program counter 0, flags reset, RAM and stack emptied, registers
  // cleared, clock 0, ROM emptied, output ports 0 and input values kept when they fit N bits.
  void reset();

  PROCESSOR_PARAMETERS parameters;
  REGISTER_POOL registers{parameters};
  STATUS_REGISTER status;
  PROGRAM_COUNTER program_counter{parameters};
  MACHINE_CLOCK clock;
  MACHINE_STACK stack;
  MACHINE_RAM ram{parameters};
  DEVICE_POOL devices{parameters};
  ROM rom;
  BREAKPOINT_TABLE breakpoints{rom};  // kept across builds: reset leaves it alone
  PROCESSOR_CONFIGURATION configuration{parameters, registers, stack, devices};
  EXECUTION_STATE execution;  // kept across builds too

  ERROR_HANDLER& error_handler;
  USER_INTERFACE& user_interface;
};
