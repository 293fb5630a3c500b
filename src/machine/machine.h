// The simulated machine: all its parts, sized by one set of processor parameters, plus the
// reporter that its run-time diagnostics go through.
#pragma once

#include "machine/device_pool.h"
#include "machine/machine_stack.h"
#include "machine/processor_configuration.h"
#include "machine/processor_parameters.h"
#include "machine/register_pool.h"

class ERROR_HANDLER;
class USER_INTERFACE;

class MACHINE {
 public:
  MACHINE(ERROR_HANDLER& error_handler, USER_INTERFACE& user_interface)
      : error_handler(error_handler), user_interface(user_interface) {}
  MACHINE(const MACHINE&) = delete;
  MACHINE& operator=(const MACHINE&) = delete;

  PROCESSOR_PARAMETERS parameters;
  REGISTER_POOL registers{parameters};
  MACHINE_STACK stack;
  DEVICE_POOL devices{parameters};
  PROCESSOR_CONFIGURATION configuration{parameters, registers, stack, devices};

  ERROR_HANDLER& error_handler;
  USER_INTERFACE& user_interface;
};
