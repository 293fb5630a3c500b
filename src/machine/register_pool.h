// The register file: always 32 registers, of which the first X exist. Values are N-bit
// two's-complement numbers kept sign-extended to 32 bits.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "machine/processor_parameters.h"

// v brought back to n bits: bits 0 to n-1 kept, bit n-1 copied into the bits above.
constexpr int32_t sign_extend(int64_t v, int n) {
  const uint32_t mask = (uint32_t{1} << n) - 1;
  const uint32_t low = static_cast<uint32_t>(v) & mask;
  const uint32_t sign = uint32_t{1} << (n - 1);
  return static_cast<int32_t>((low ^ sign) - sign);
}

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

  // The register after r (its pair's high half); nullptr after R31.
  REGISTER* next_register(const REGISTER& r);
  const REGISTER* next_register(const REGISTER& r) const;

  void set_bit(REGISTER& r, int i, bool b) const;  // bit N-1 also sets bits N to 31
  bool bit(const REGISTER& r, int i) const { return (r.value >> i) & 1; }
  bool sign_bit(const REGISTER& r) const { return r.value < 0; }
  // The N-bit value read without sign (0 to 2^N - 1).
  int32_t unsigned_value(const REGISTER& r) const { return to_unsigned(r.value); }
  int32_t to_unsigned(int32_t v) const { return v & uint_max(data_size()); }
  int32_t to_signed(int64_t u) const { return sign_extend(u, data_size()); }

  // "R3  = 0xFF 0b11111111 = -1\n" (text is emptied first).
  void append_register_line(const REGISTER& r, std::string& text) const;
  // The register line of Rn, or "Rn : no such register.\n" when n is not a register.
  void append_register_line(long long n, std::string& text) const;

  int data_size() const { return parameters_.data_size; }
  int register_count() const { return parameters_.register_count; }

 private:
  const PROCESSOR_PARAMETERS& parameters_;
  std::array<REGISTER, capacity> registers_;
};
