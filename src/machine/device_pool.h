// The ports: 96 input words, 96 output words, and 32 input/output words (ports 96 to 127, a data
// word then a direction mask per input/output port; a 1 in the mask is an output bit).
#pragma once

#include <array>
#include <cstdint>

#include "machine/processor_parameters.h"

class DEVICE_POOL {
 public:
  static constexpr int port_words = 96;
  static constexpr int io_words = 32;
  static constexpr int first_io_port = 96;

  explicit DEVICE_POOL(const PROCESSOR_PARAMETERS& parameters) : parameters_(parameters) {}

  std::array<int32_t, port_words> input{};
  std::array<int32_t, port_words> output{};
  std::array<int32_t, io_words> io{};

  static constexpr int last_port = 127;

  // Ports 96 to 127 combine a data word with its direction mask: reads see the input bits,
  // writes change only the output bits. Ports outside 0 to 127 read 0 and ignore writes.
  int32_t read_port(int port) const;
  void write_port(int port, int32_t value);
  void set_input(int port, int32_t value);
  bool is_valid_input(int port) const;

  void zero_inputs_outside_int_range();
  void zero_io_outside_int_range();
  void zero_outputs() { output.fill(0); }

 private:
  const PROCESSOR_PARAMETERS& parameters_;
};
