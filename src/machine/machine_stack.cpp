#include "machine/machine_stack.h"

#include <limits>

#include "base/error_handler.h"

void MACHINE_STACK::reset() {
  entries.fill(0);
  pointer = -1;
}

void MACHINE_STACK::push(int32_t value, const POSITION& position, ERROR_HANDLER& error_handler) {
  if (pointer < std::numeric_limits<int>::max()) ++pointer;  // endless recursion stays defined
  if (pointer > size_ - 1) {
    error_handler.error_at(position, "Stack overflow.");
    return;
  }
  entries[pointer] = value;
}

int32_t MACHINE_STACK::pop(const POSITION& position, ERROR_HANDLER& error_handler) {
  if (pointer < 0) {
    error_handler.warning_at(position, "Stack underflow (jump at 0x0000).");
    return 0;
  }
  const bool stored = pointer < size_ && pointer < capacity;
  const int32_t value = stored ? entries[pointer] : 0;
  --pointer;
  return value;
}

namespace {
void append_right_aligned(std::string& text, int32_t value, std::size_t width) {
  const std::string digits = std::to_string(value);
  if (digits.size() < width) text.append(width - digits.size(), ' ');
  text += digits;
}
}  // namespace

// Top of the stack first; lines above the top stand for pushes that overflowed.
void MACHINE_STACK::append_display(std::string& text) const {
  text.clear();
  for (int i = pointer; i >= size_; --i) {
    text += "    ?";
    if (i == pointer) text += " <- Stack pointer";
    text += '\n';
  }
  for (int i = size_ - 1; i >= 0; --i) {
    text += ' ';
    append_right_aligned(text, i < capacity ? entries[i] : 0, 4);
    if (i == pointer)
      text += " <- Stack pointer";
    else if (i == size_ - 1)
      text += " <- Stack top";
    else if (i == 0)
      text += " <- Stack bottom";
    if (i > 0) text += '\n';
  }
  text += '\n';
  if (pointer < 0) text += "    ? <- Stack pointer\n";
}
