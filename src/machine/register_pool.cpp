#include "machine/register_pool.h"

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
