// Jump slots: the positions reserved before a conditional branch's comparison, filled once the
// target is known with the instructions that load it into the long-jump registers (R1:R0, or
// R0 alone with 16-bit registers and program counter). The loads come before the comparison
// because EOR changes the flags.
#include <vector>

#include "base/error_handler.h"
#include "codegen/codegen.h"
#include "codegen/media/sm_manager.h"
#include "isa/instructions.h"
#include "machine/machine.h"

namespace {

// With a wide pair the high part a div 2^w exceeds 8 bits when the program counter is more than
// 8 bits wider than the registers: R1 then takes two loads.
bool high_part_needs_two_loads(const CODEGEN& g) {
  return g.roles.long_jump_mode() == LONG_JUMP_MODE::wide_pair &&
         g.machine.parameters.pc_width - g.width() > 8;
}

}  // namespace

int SM_MANAGER::jump_slot_count() const {
  if (g_.roles.long_jump_mode() != LONG_JUMP_MODE::wide_pair) return 2;
  return high_part_needs_two_loads(g_) ? 4 : 3;
}

int32_t SM_MANAGER::reserve_jump_slots() {
  ROM& rom = g_.code.rom();
  const int32_t first = rom.reserve_empty();
  slot_positions_[first] = g_.code.position;
  for (int k = 1; k < jump_slot_count(); ++k) rom.reserve_empty();
  return first;
}

void SM_MANAGER::load_jump_target(int32_t a) {
  EMITTER& code = g_.code;
  REGISTER& r0 = g_.roles.long_jump_low();
  REGISTER& r1 = g_.roles.long_jump_high();
  switch (g_.roles.long_jump_mode()) {
    case LONG_JUMP_MODE::byte_pair:
      // The pair of 8-bit registers forms 16 bits: nothing above 65535 is reachable through it.
      if (a > 0xFFFF)
        g_.error_handler.error_at(code.position,
                                  "Branch target beyond 65535: out of reach of 8-bit registers.");
      if (a > 255)
        code.emit<LDIL>(&r1, (a / 256) & 0xFF);
      else
        code.emit<EOR>(&r1, &r1);
      code.emit<LDIL>(&r0, a % 256);
      return;
    case LONG_JUMP_MODE::one_register:
      code.emit<LDIH>(&r0, a / 256);
      code.emit<LDIL>(&r0, a % 256);
      return;
    case LONG_JUMP_MODE::wide_pair: {
      const int w = g_.width();
      const int32_t high = a >> w;
      const int32_t low = a & ((int32_t{1} << w) - 1);
      if (high_part_needs_two_loads(g_)) {
        if (high > 255) {
          code.emit<LDIL>(&r1, high & 0xFF);
          code.emit<LDIH>(&r1, high >> 8);
        } else {
          code.emit<EOR>(&r1, &r1);
          code.emit<LDIL>(&r1, high);
        }
      } else if (high != 0) {
        code.emit<LDIL>(&r1, high);
      } else {
        code.emit<EOR>(&r1, &r1);
      }
      code.emit<LDIH>(&r0, low / 256);
      code.emit<LDIL>(&r0, low % 256);
    }
  }
}

void SM_MANAGER::fill_jump_slots(int32_t slot, int32_t target) {
  AT_POSITION at(g_.code, slot_positions_[slot]);
  g_.code.start_capture();
  load_jump_target(target);
  std::vector<std::unique_ptr<ASM>> loads = g_.code.end_capture();
  if (static_cast<int>(loads.size()) != jump_slot_count())
    g_.internal_error("jump slots of the wrong size");
  ROM& rom = g_.code.rom();
  for (std::size_t k = 0; k < loads.size(); ++k)
    rom.fill(slot + static_cast<int32_t>(k), std::move(loads[k]));
}

void SM_MANAGER::emit_indirect_branch(bool when_set, char flag) {
  REGISTER* r0 = &g_.roles.long_jump_low();
  if (when_set)
    g_.code.emit<IB1>(flag, r0);
  else
    g_.code.emit<IB0>(flag, r0);
}
