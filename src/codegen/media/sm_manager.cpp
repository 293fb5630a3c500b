// Temporaries are handed out in a fixed order so that the code is predictable: register #1,
// register #2, then a fresh RAM word each time (never given back to the allocation counter).
#include "codegen/media/sm_manager.h"

#include <algorithm>

#include "base/kind_cast.h"
#include "codegen/codegen.h"
#include "codegen/media/ram_sm.h"
#include "codegen/media/register_sm.h"

void SM_MANAGER::reset() {
  temporary_1 = nullptr;
  temporary_2 = nullptr;
  in_use_.clear();
  slot_positions_.clear();
  filled_slots_.clear();
}

STORAGE_MEDIUM& SM_MANAGER::take_temporary_medium() {
  for (REGISTER_SM* temporary : {temporary_1, temporary_2}) {
    if (temporary == nullptr || !temporary->free) continue;
    temporary->free = false;
    in_use_.push_back(temporary);
    return *temporary;
  }
  RAM_SM& word = g_.new_ram_medium();
  word.is_temporary = true;
  in_use_.push_back(&word);
  return word;
}

void SM_MANAGER::release_temporary(STORAGE_MEDIUM& temporary) {
  if (auto* r = kind_cast<REGISTER_SM>(&temporary)) r->free = true;
  auto found = std::find(in_use_.begin(), in_use_.end(), &temporary);
  if (found != in_use_.end()) in_use_.erase(found);
}

bool SM_MANAGER::is_temporary(const STORAGE_MEDIUM& medium) const {
  if (auto* r = kind_cast<REGISTER_SM>(&medium)) return r->is_temporary;
  if (auto* word = kind_cast<RAM_SM>(&medium)) return word->is_temporary;
  return false;
}

void SM_MANAGER::retake(STORAGE_MEDIUM& temporary) {
  if (auto* r = kind_cast<REGISTER_SM>(&temporary)) r->free = false;
  in_use_.push_back(&temporary);
}

STORAGE_MEDIUM& SM_MANAGER::new_variable_medium() {
  const int n = g_.roles.pop_free_register();
  if (n < 0) return g_.new_ram_medium();
  return g_.register_medium(n);
}

bool SM_MANAGER::take_temporary_register(REGISTER_SM*& temporary) {
  const int n = g_.roles.pop_free_register();
  if (n < 0) {
    temporary = nullptr;
    return false;
  }
  temporary = &g_.register_medium(n);
  temporary->is_temporary = true;
  temporary->free = true;
  return true;
}
