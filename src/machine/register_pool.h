// The register file: always 32 registers, of which the first X exist. Values are N-bit
// two's-complement numbers kept sign-extended to 32 bits.
#pragma once

#include <array>
#include <cstdint>

#include "machine/processor_parameters.h"

struct REGISTER {
  int number = 0;
  int32_t value = 0;
  bool allocated = false;  // taken by the code generator's register conventions
};

class REGISTER_POOL {
 public:
  static constexpr int capacity = 32;

  explicit REGISTER_POOL(const PROCESSOR_PARAMETERS& parameters);

  // Register n when 0 <= n < X, else nullptr.
  REGISTER* get(long long n);
  REGISTER& at(int n) { return registers_[n]; }
  const REGISTER& at(int n) const { return registers_[n]; }

  void clear_values();  // R0 to R(X-1) := 0
  void reset();         // every value 0 and allocation mark cleared

  int data_size() const { return parameters_.data_size; }
  int register_count() const { return parameters_.register_count; }

 private:
  const PROCESSOR_PARAMETERS& parameters_;
  std::array<REGISTER, capacity> registers_;
};
