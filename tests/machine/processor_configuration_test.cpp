// The processor's parameters: allowed values, derived limits of the C int, and what each setter
// does to the registers, the stack and the port words.
#include "machine/processor_configuration.h"

#include <gtest/gtest.h>

#include "machine/test_machine.h"

namespace {

TEST(ProcessorConfiguration, derived_int_limits_follow_the_data_size) {
  EXPECT_EQ(int_min(8), -128);
  EXPECT_EQ(int_max(8), 127);
  EXPECT_EQ(uint_max(8), 255);
  EXPECT_EQ(int_min(10), -512);
  EXPECT_EQ(int_max(10), 511);
  EXPECT_EQ(uint_max(10), 1023);
  EXPECT_EQ(int_min(16), -32768);
  EXPECT_EQ(int_max(16), 32767);
  EXPECT_EQ(uint_max(16), 65535);
  EXPECT_TRUE(in_int_range(-128, 8));
  EXPECT_FALSE(in_int_range(128, 8));
}

TEST(ProcessorConfiguration, defaults_make_a_working_eight_register_processor) {
  PROCESSOR_PARAMETERS defaults;
  EXPECT_EQ(defaults.data_size, 8);
  EXPECT_EQ(defaults.register_count, 8);
  EXPECT_EQ(defaults.pc_width, 16);
  EXPECT_EQ(defaults.ram_address_width, 6);
  EXPECT_EQ(defaults.stack_size, 4);
  EXPECT_EQ(defaults.input_count + defaults.output_count + defaults.io_count, 0);
}

TEST(ProcessorConfiguration, predicates_accept_exactly_the_listed_values) {
  for (long long v : {8, 10, 12, 14, 16}) EXPECT_TRUE(is_valid_data_size(v)) << v;
  for (long long v : {0LL, 7LL, 9LL, 18LL, 4294967304LL}) EXPECT_FALSE(is_valid_data_size(v)) << v;
  for (long long v : {8, 12, 16, 20, 24, 28, 32}) EXPECT_TRUE(is_valid_register_count(v)) << v;
  for (long long v : {0LL, 10LL, 36LL, 4294967304LL}) EXPECT_FALSE(is_valid_register_count(v)) << v;
  EXPECT_TRUE(is_valid_pc_width(16) && is_valid_pc_width(20) && is_valid_pc_width(24));
  EXPECT_FALSE(is_valid_pc_width(15) || is_valid_pc_width(25));
  EXPECT_TRUE(is_valid_ram_address_width(6) && is_valid_ram_address_width(16));
  EXPECT_FALSE(is_valid_ram_address_width(5) || is_valid_ram_address_width(17));
  EXPECT_TRUE(is_valid_stack_size(4) && is_valid_stack_size(64));
  EXPECT_FALSE(is_valid_stack_size(3) || is_valid_stack_size(65));
  EXPECT_TRUE(is_valid_input_count(0) && is_valid_output_count(96) && is_valid_io_count(16));
  EXPECT_FALSE(is_valid_input_count(-1) || is_valid_output_count(97) || is_valid_io_count(17));
}

TEST(ProcessorConfiguration, width_and_count_changes_clear_the_registers) {
  TEST_MACHINE t;
  PROCESSOR_CONFIGURATION& configuration = t.machine.configuration;
  t.R(3)->value = -5;
  configuration.set_data_size(16);
  EXPECT_EQ(t.R(3)->value, 0);
  EXPECT_EQ(t.machine.parameters.data_size, 16);
  // The new count decides which registers are cleared.
  t.R(10)->value = 7;
  configuration.set_register_count(12);
  EXPECT_EQ(t.R(10)->value, 0);
  EXPECT_EQ(t.machine.registers.get(11), t.R(11));
  EXPECT_EQ(t.machine.registers.get(12), nullptr);
}

TEST(ProcessorConfiguration, input_counts_keep_values_that_fit_the_int_range) {
  TEST_MACHINE t;
  DEVICE_POOL& devices = t.machine.devices;
  devices.input[0] = 127;
  devices.input[1] = 128;
  devices.input[95] = -129;
  devices.io[0] = -128;
  devices.io[31] = 300;
  t.machine.configuration.set_input_count(2);
  EXPECT_EQ(devices.input[0], 127);
  EXPECT_EQ(devices.input[1], 0);
  EXPECT_EQ(devices.input[95], 0);
  EXPECT_EQ(devices.io[31], 300) << "input/output words change only with their own count";
  t.machine.configuration.set_io_count(3);
  EXPECT_EQ(devices.io[0], -128);
  EXPECT_EQ(devices.io[31], 0);
}

TEST(ProcessorConfiguration, output_count_always_zeroes_every_output) {
  TEST_MACHINE t;
  t.machine.devices.output[0] = 1;
  t.machine.devices.output[95] = -1;
  t.machine.configuration.set_output_count(96);
  EXPECT_EQ(t.machine.devices.output[0], 0);
  EXPECT_EQ(t.machine.devices.output[95], 0);
}

TEST(ProcessorConfiguration, io_count_of_three_makes_ports_96_to_101_inputs) {
  TEST_MACHINE t;
  t.machine.configuration.set_io_count(3);
  EXPECT_FALSE(t.machine.devices.is_valid_input(95));
  EXPECT_TRUE(t.machine.devices.is_valid_input(96));
  EXPECT_TRUE(t.machine.devices.is_valid_input(101));
  EXPECT_FALSE(t.machine.devices.is_valid_input(102));
}

TEST(ProcessorConfiguration, stack_size_sets_the_depth) {
  TEST_MACHINE t;
  t.machine.configuration.set_stack_size(64);
  EXPECT_EQ(t.machine.stack.depth(), 64);
  EXPECT_EQ(t.machine.parameters.stack_size, 64);
}

}  // namespace
