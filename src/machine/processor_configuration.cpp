#include "machine/processor_configuration.h"

PROCESSOR_CONFIGURATION::PROCESSOR_CONFIGURATION(PROCESSOR_PARAMETERS& parameters,
                                                 REGISTER_POOL& registers, MACHINE_STACK& stack,
                                                 DEVICE_POOL& devices)
    : parameters_(parameters), registers_(registers), stack_(stack), devices_(devices) {
  stack_.resize(parameters_.stack_size);
}

// Registers are cleared before the width changes, so no value is read at the wrong width.
void PROCESSOR_CONFIGURATION::set_data_size(int n) {
  registers_.clear_values();
  parameters_.data_size = n;
}

void PROCESSOR_CONFIGURATION::set_register_count(int x) {
  parameters_.register_count = x;
  registers_.clear_values();
}

void PROCESSOR_CONFIGURATION::set_pc_width(int m) {
  parameters_.pc_width = m;
}

void PROCESSOR_CONFIGURATION::set_ram_address_width(int l) {
  parameters_.ram_address_width = l;
}

void PROCESSOR_CONFIGURATION::set_stack_size(int z) {
  parameters_.stack_size = z;
  stack_.resize(z);
}

void PROCESSOR_CONFIGURATION::set_input_count(int i) {
  parameters_.input_count = i;
  devices_.zero_inputs_outside_int_range();
}

void PROCESSOR_CONFIGURATION::set_output_count(int o) {
  parameters_.output_count = o;
  devices_.zero_outputs();
}

void PROCESSOR_CONFIGURATION::set_io_count(int io) {
  parameters_.io_count = io;
  devices_.zero_io_outside_int_range();
}
