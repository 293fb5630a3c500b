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

  void zero_inputs_outside_int_range();
  void zero_io_outside_int_range();
  void zero_outputs() { output.fill(0); }

 private:
  const PROCESSOR_PARAMETERS& parameters_;
};
