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

int32_t DEVICE_POOL::read_port(int port) const {
  if (port < 0 || port > last_port) return 0;
  if (port < first_io_port) return input[port];
  const int word = port - first_io_port;
  // Port 127 is the last direction word: the word after it does not exist and counts as 0.
  const int32_t mask = word + 1 < io_words ? io[word + 1] : 0;
  return io[word] & ~mask;
}

void DEVICE_POOL::write_port(int port, int32_t value) {
  if (port < 0 || port > last_port) return;
  if (port < first_io_port) {
    output[port] = value;
    return;
  }
  const int word = port - first_io_port;
  io[word] = word % 2 == 0 ? value & io[word + 1] : value;
}

void DEVICE_POOL::set_input(int port, int32_t value) {
  if (port < 0 || port > last_port) return;
  if (port < first_io_port)
    input[port] = value;
  else
    io[port - first_io_port] = value;
}

bool DEVICE_POOL::is_valid_input(int port) const {
  if (port >= first_io_port) return port - first_io_port < 2 * parameters_.io_count;
  return port >= 0 && port < parameters_.input_count;
}
