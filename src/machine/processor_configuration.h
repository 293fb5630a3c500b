// Setting the processor parameters, with each setter's side effects on the machine's parts.
// Values are validated by the caller with the predicates of processor_parameters.h.
#pragma once

#include "machine/device_pool.h"
#include "machine/machine_stack.h"
#include "machine/processor_parameters.h"
#include "machine/register_pool.h"

class PROCESSOR_CONFIGURATION {
 public:
  PROCESSOR_CONFIGURATION(PROCESSOR_PARAMETERS& parameters, REGISTER_POOL& registers,
                          MACHINE_STACK& stack, DEVICE_POOL& devices);

  void set_data_size(int n);
  void set_register_count(int x);
  void set_pc_width(int m);
  void set_ram_address_width(int l);
  void set_stack_size(int z);
  void set_input_count(int i);
  void set_output_count(int o);
  void set_io_count(int io);

  const PROCESSOR_PARAMETERS& parameters() const { return parameters_; }

 private:
  PROCESSOR_PARAMETERS& parameters_;
  REGISTER_POOL& registers_;
  MACHINE_STACK& stack_;
  DEVICE_POOL& devices_;
};
