// The manager of the compiler's temporaries and long jumps: temporary registers #1 and #2
// (then fresh RAM words), the media handed to variables from the free-register stack, and the
// jump slots that receive the target address of each indirect branch once it is known.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "base/position.h"
#include "forwarding/long_jump.h"

class CODEGEN;
class REGISTER_SM;
class STORAGE_MEDIUM;

class SM_MANAGER {
 public:
  explicit SM_MANAGER(CODEGEN& g) : g_(g) {}
  void reset();

  // Temporary #1, else #2, else a new RAM word; in use until released.
  STORAGE_MEDIUM& take_temporary_medium();
  void release_temporary(STORAGE_MEDIUM& temporary);
  bool is_temporary(const STORAGE_MEDIUM& medium) const;
  // The temporaries taken and not yet released, in the order they were taken.
  const std::vector<STORAGE_MEDIUM*>& temporaries_in_use() const { return in_use_; }
  // Marks a released temporary as in use again (a switch value needed by the next test).
  void retake(STORAGE_MEDIUM& temporary);

  // The register on top of the free-register stack, or a new RAM word when it is empty.
  STORAGE_MEDIUM& new_variable_medium();
  // Pops the stack for temporary #1 or #2: false when it is empty.
  bool take_temporary_register(REGISTER_SM*& temporary);

  // Empty ROM positions for the instructions that load a branch target: 2 or 3, more where
  // the configuration's longest address needs it; answers the first.
  int32_t reserve_jump_slots();
  void fill_jump_slots(int32_t slot, int32_t target);
  // IB1 #flag,(R0) when when_set, IB0 otherwise.
  void emit_indirect_branch(bool when_set, char flag);
  int jump_slot_count() const;
  // Every slot group filled in this build, with its target, in the order they were filled.
  std::vector<JUMP_SLOTS>& filled_jump_slots() { return filled_slots_; }

  REGISTER_SM* temporary_1 = nullptr;
  REGISTER_SM* temporary_2 = nullptr;

 private:
  CODEGEN& g_;
  std::vector<STORAGE_MEDIUM*> in_use_;
  // The position of the construct each slot group serves, given to its loads.
  std::unordered_map<int32_t, POSITION> slot_positions_;
  std::vector<JUMP_SLOTS> filled_slots_;
};
