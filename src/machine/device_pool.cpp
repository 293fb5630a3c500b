#include "machine/device_pool.h"

#include <cstddef>

namespace {
template <std::size_t size>
void zero_outside_int_range(std::array<int32_t, size>& words, int data_size) {
  for (int32_t& word : words)
    if (!in_int_range(word, data_size)) word = 0;
}
}  // namespace

void DEVICE_POOL::zero_inputs_outside_int_range() {
  zero_outside_int_range(input, parameters_.data_size);
}

void DEVICE_POOL::zero_io_outside_int_range() { zero_outside_int_range(io, parameters_.data_size); }
