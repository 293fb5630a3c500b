// Jump slots: the positions reserved before a conditional branch's comparison, filled once the
// target is known with the instructions that load it into the long-jump registers (R1:R0, or
// R0 alone with 16-bit registers and program counter). The loads come before the comparison
// because EOR changes the flags. Each filled group is recorded, so that the forwarding module
// can refill it once padding has moved its target.
#include <vector>

#include "base/error_handler.h"
#include "codegen/codegen.h"
#include "codegen/media/sm_manager.h"
#include "forwarding/long_jump.h"
#include "isa/instructions.h"
#include "machine/machine.h"

namespace {

LONG_JUMP long_jump_of(CODEGEN& g) {
  return LONG_JUMP(g.machine.parameters, g.machine.registers);
}

}  // namespace

int SM_MANAGER::jump_slot_count() const {
  return long_jump_of(g_).slot_count();
}

int32_t SM_MANAGER::reserve_jump_slots() {
  ROM& rom = g_.code.rom();
  const int32_t first = rom.reserve_empty();
  slot_positions_[first] = g_.code.position;
  for (int k = 1; k < jump_slot_count(); ++k) rom.reserve_empty();
  return first;
}

void SM_MANAGER::fill_jump_slots(int32_t slot, int32_t target) {
  const LONG_JUMP long_jump = long_jump_of(g_);
  const POSITION& position = slot_positions_[slot];
  if (!long_jump.reaches(target))
    g_.error_handler.error_at(position,
                              "Branch target beyond 65535: out of reach of 8-bit registers.");
  std::vector<std::unique_ptr<ASM>> loads = long_jump.loads(target, position);
  ROM& rom = g_.code.rom();
  for (std::size_t k = 0; k < loads.size(); ++k)
    rom.fill(slot + static_cast<int32_t>(k), std::move(loads[k]));
  filled_slots_.push_back({slot, target});
}

void SM_MANAGER::emit_indirect_branch(bool when_set, char flag) {
  REGISTER* r0 = &g_.roles.long_jump_low();
  if (when_set)
    g_.code.emit<IB1>(flag, r0);
  else
    g_.code.emit<IB0>(flag, r0);
}
