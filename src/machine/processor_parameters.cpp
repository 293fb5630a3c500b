#include "machine/processor_parameters.h"

#include <algorithm>

namespace {
template <std::size_t size>
bool is_listed(const std::array<int, size>& list, long long value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}
}  // namespace

bool is_valid_data_size(long long n) {
  return is_listed(allowed_data_sizes, n);
}
bool is_valid_register_count(long long x) {
  return is_listed(allowed_register_counts, x);
}
bool is_valid_pc_width(long long m) {
  return 16 <= m && m <= 24;
}
bool is_valid_ram_address_width(long long l) {
  return 6 <= l && l <= 16;
}
bool is_valid_stack_size(long long z) {
  return 4 <= z && z <= 64;
}
bool is_valid_input_count(long long i) {
  return 0 <= i && i <= 96;
}
bool is_valid_output_count(long long o) {
  return 0 <= o && o <= 96;
}
bool is_valid_io_count(long long io) {
  return 0 <= io && io <= 16;
}
