#include <gtest/gtest.h>

#include "machine/test_machine.h"

TEST(DEVICE_POOL, data_port_reads_only_its_input_bits) {
  TEST_MACHINE t;
  DEVICE_POOL& devices = t.machine.devices;
  devices.set_input(96, 0xFF);
  devices.set_input(97, 0x0F);
  EXPECT_EQ(devices.read_port(96), 0xF0);
}

TEST(DEVICE_POOL, data_port_writes_only_its_output_bits) {
  TEST_MACHINE t;
  DEVICE_POOL& devices = t.machine.devices;
  devices.write_port(97, 0x0F);
  devices.write_port(96, 0xFF);
  EXPECT_EQ(devices.io[0], 0x0F);
  EXPECT_EQ(devices.io[1], 0x0F);
}

TEST(DEVICE_POOL, plain_ports_use_the_input_and_output_words) {
  TEST_MACHINE t;
  DEVICE_POOL& devices = t.machine.devices;
  devices.set_input(5, 42);
  EXPECT_EQ(devices.read_port(5), 42);
  devices.write_port(95, -7);
  EXPECT_EQ(devices.output[95], -7);
  EXPECT_EQ(devices.read_port(95), 0);  // reads the input word, not the output
}

TEST(DEVICE_POOL, port_127_reads_with_a_missing_mask_of_zero) {
  TEST_MACHINE t;
  t.machine.devices.set_input(127, 0x35);
  EXPECT_EQ(t.machine.devices.read_port(127), 0x35);
}

TEST(DEVICE_POOL, ports_outside_0_to_127_read_zero_and_ignore_writes) {
  TEST_MACHINE t;
  DEVICE_POOL& devices = t.machine.devices;
  devices.write_port(128, 1);
  devices.write_port(-1, 1);
  devices.set_input(200, 1);
  EXPECT_EQ(devices.read_port(128), 0);
  EXPECT_EQ(devices.read_port(-5), 0);
}

TEST(DEVICE_POOL, valid_inputs_follow_the_port_counts) {
  TEST_MACHINE t;
  t.machine.configuration.set_io_count(3);
  t.machine.configuration.set_input_count(2);
  const DEVICE_POOL& devices = t.machine.devices;
  EXPECT_TRUE(devices.is_valid_input(96));
  EXPECT_TRUE(devices.is_valid_input(101));
  EXPECT_FALSE(devices.is_valid_input(102));
  EXPECT_TRUE(devices.is_valid_input(1));
  EXPECT_FALSE(devices.is_valid_input(2));
  EXPECT_FALSE(devices.is_valid_input(-1));
}
