#include "codegen/media/scratch.h"

#include <algorithm>

#include "codegen/codegen.h"

SCRATCH::~SCRATCH() {
  for (REGISTER* r : taken_) g_.roles.set_busy(*r, false);
}

REGISTER& SCRATCH::take() {
  REGISTER* r = g_.roles.take_scratch();
  if (r == nullptr) g_.internal_error("no scratch register left");
  taken_.push_back(r);
  return *r;
}

REGISTER& SCRATCH::take_exactly(REGISTER& r) {
  if (g_.roles.is_busy(r))
    g_.internal_error("scratch register R" + std::to_string(r.number) + " needed twice");
  g_.roles.set_busy(r, true);
  taken_.push_back(&r);
  return r;
}

REGISTER& SCRATCH::take_rom_couple(bool wide) {
  REGISTER& low = take_exactly(g_.roles.couple_low());
  if (wide) take_exactly(g_.roles.couple_high());
  return low;
}

void SCRATCH::give_back(REGISTER& r) {
  auto found = std::find(taken_.begin(), taken_.end(), &r);
  if (found == taken_.end()) return;
  g_.roles.set_busy(r, false);
  taken_.erase(found);
}
