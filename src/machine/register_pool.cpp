#include "machine/register_pool.h"

#include "machine/hexadecimal.h"

REGISTER_POOL::REGISTER_POOL(const PROCESSOR_PARAMETERS& parameters) : parameters_(parameters) {
  for (int n = 0; n < capacity; ++n) registers_[n].number = n;
}

REGISTER* REGISTER_POOL::get(long long n) {
  if (n < 0 || n >= parameters_.register_count) return nullptr;
  return &registers_[n];
}

void REGISTER_POOL::clear_values() {
  for (int n = 0; n < parameters_.register_count; ++n) registers_[n].value = 0;
}

void REGISTER_POOL::reset() {
  for (REGISTER& r : registers_) {
    r.value = 0;
    r.allocated = false;
  }
}

REGISTER* REGISTER_POOL::next_register(const REGISTER& r) {
  return r.number + 1 < capacity ? &registers_[r.number + 1] : nullptr;
}

const REGISTER* REGISTER_POOL::next_register(const REGISTER& r) const {
  return r.number + 1 < capacity ? &registers_[r.number + 1] : nullptr;
}

void REGISTER_POOL::set_bit(REGISTER& r, int i, bool b) const {
  const int n = data_size();
  if (i < 0 || i >= n) return;
  const uint32_t mask = i == n - 1 ? ~uint32_t{0} << i : uint32_t{1} << i;
  uint32_t value = static_cast<uint32_t>(r.value);
  value = b ? value | mask : value & ~mask;
  r.value = static_cast<int32_t>(value);
}

void REGISTER_POOL::append_register_line(const REGISTER& r, std::string& text) const {
  text.clear();
  text += 'R';
  text += std::to_string(r.number);
  while (text.size() < 4) text += ' ';
  text += "= ";
  append_value_forms(text, r.value, data_size());
  text += '\n';
}

void REGISTER_POOL::append_register_line(long long n, std::string& text) const {
  if (n >= 0 && n < register_count()) {
    append_register_line(registers_[n], text);
    return;
  }
  text.clear();
  text += 'R';
  text += std::to_string(n);
  text += " : no such register.\n";
}
