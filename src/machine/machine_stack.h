// The hardware return-address stack: Z words (storage for up to 64) and a stack pointer, the
// index of the top entry, -1 when empty. After an overflow the pointer stands above the top.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/position.h"

class ERROR_HANDLER;

class MACHINE_STACK {
 public:
  static constexpr int capacity = 64;

  void resize(int size) { size_ = size; }
  int depth() const { return size_; }
  void reset();

  // "Stack overflow." when full: nothing is stored and the pointer stays above the top.
  void push(int32_t value, const POSITION& position, ERROR_HANDLER& error_handler);
  // "Stack underflow (jump at 0x0000)." when empty, answering 0. Above the top (after an
  // overflow) the entry was never stored: the answer is 0.
  int32_t pop(const POSITION& position, ERROR_HANDLER& error_handler);
  void append_display(std::string& text) const;

  std::array<int32_t, capacity> entries{};
  int pointer = -1;

 private:
  int size_ = 4;
};
