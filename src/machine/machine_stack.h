// The hardware return-address stack: Z words (storage for up to 64) and a stack pointer, the
// index of the top entry, -1 when empty.
#pragma once

#include <array>
#include <cstdint>

class MACHINE_STACK {
 public:
  static constexpr int capacity = 64;

  void resize(int size) { size_ = size; }
  int depth() const { return size_; }
  void reset();

  std::array<int32_t, capacity> entries{};
  int pointer = -1;

 private:
  int size_ = 4;
};
