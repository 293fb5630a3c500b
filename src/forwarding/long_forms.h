// The long forms of relative branches and calls that cannot reach their targets: the target
// goes into the long-jump registers and an indirect jump or call takes it. A conditional
// branch keeps its test: the opposite branch skips the long jump, so nothing comes between the
// comparison and the branch that reads its flags.
//   RJMP t       ->  slots(t)  IJMP (R0)
//   RCALL t      ->  slots(t)  ICALL (R0)
//   RB0 #F,t     ->  RB1 #F,next  slots(t)  IJMP (R0)  next:
#pragma once

#include <cstdint>
#include <vector>

#include "forwarding/long_jump.h"

class ASM_BR;
class ROM;

// A relative branch of the ROM and the index of its target.
struct AIMED_BRANCH {
  ASM_BR* branch = nullptr;
  int32_t index = 0;
  int32_t target = 0;
};

// Replaces the branches `far` (ascending indices) by their long forms. Every other branch of
// `branches` is re-aimed and every slot group moved, so the ROM stays consistent; the new
// groups are added to `slots` (their loads hold a provisional target until refilled).
void lengthen(ROM& rom, const std::vector<AIMED_BRANCH>& far,
              const std::vector<AIMED_BRANCH>& branches, const LONG_JUMP& long_jump,
              std::vector<JUMP_SLOTS>& slots);
