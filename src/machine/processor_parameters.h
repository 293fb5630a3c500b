// The eight parameters that size the processor, their allowed values and the values derived
// from the data size. Validation happens before a value reaches a setter.
#pragma once

#include <array>
#include <cstdint>

struct PROCESSOR_PARAMETERS {
  int data_size = 8;          // N: bits of a register, a RAM word and the C int
  int register_count = 8;     // X: general registers R0 to R(X-1)
  int pc_width = 16;          // M: bits of a ROM address
  int ram_address_width = 6;  // L: bits of a RAM address
  int stack_size = 4;         // Z: words of the return-address stack
  int input_count = 0;        // I: input ports 0 to I-1
  int output_count = 0;       // O: output ports 0 to O-1
  int io_count = 0;           // IO: input/output ports, two words each from port 96
};

inline constexpr std::array<int, 5> allowed_data_sizes{8, 10, 12, 14, 16};
inline constexpr std::array<int, 7> allowed_register_counts{8, 12, 16, 20, 24, 28, 32};

// Validation predicates; the numbers are 64-bit so that nothing out of 32-bit range slips through.
bool is_valid_data_size(long long n);
bool is_valid_register_count(long long x);
bool is_valid_pc_width(long long m);
bool is_valid_ram_address_width(long long l);
bool is_valid_stack_size(long long z);
bool is_valid_input_count(long long i);
bool is_valid_output_count(long long o);
bool is_valid_io_count(long long io);

// Values derived from the data size N.
constexpr int32_t int_min(int n) {
  return -(int32_t{1} << (n - 1));
}
constexpr int32_t int_max(int n) {
  return (int32_t{1} << (n - 1)) - 1;
}
constexpr int32_t uint_max(int n) {
  return (int32_t{1} << n) - 1;
}
constexpr bool in_int_range(int32_t v, int n) {
  return int_min(n) <= v && v <= int_max(n);
}
