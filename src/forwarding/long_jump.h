// Long jumps: the loads that put a ROM address into the long-jump registers (R1:R0, or R0
// alone), for an indirect branch or for a relative branch or call lengthened past its reach.
// A target always takes the same number of words, so refilling the loads with a moved target
// moves nothing else.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "base/position.h"
#include "machine/asm.h"

class REGISTER;
class REGISTER_POOL;
struct PROCESSOR_PARAMETERS;

// How a branch target reaches the long-jump registers, by the widths of the registers and of the
// program counter.
enum class LONG_JUMP_MODE {
  byte_pair = 1,     // R1:R0 with 8-bit registers
  one_register = 2,  // R0 alone: the registers are as wide as the program counter
  wide_pair = 3,     // R1:R0 with wider registers, still narrower than the program counter
};

LONG_JUMP_MODE long_jump_mode_for(const PROCESSOR_PARAMETERS& parameters);

// Jump slots the build filled: the ROM index of the first load and the target it loads.
struct JUMP_SLOTS {
  int32_t first = 0;
  int32_t target = 0;
};

class LONG_JUMP {
 public:
  LONG_JUMP(const PROCESSOR_PARAMETERS& parameters, REGISTER_POOL& registers);

  LONG_JUMP_MODE mode() const { return mode_; }
  int slot_count() const;
  // False beyond 65535 with 8-bit registers: the pair holds 16 bits.
  bool reaches(int64_t address) const;
  // The slot_count() loads of address, each at position.
  std::vector<std::unique_ptr<ASM>> loads(int32_t address, const POSITION& position) const;
  REGISTER& low() const { return low_; }

 private:
  // With a wide pair the high part a div 2^w exceeds 8 bits when the program counter is more
  // than 8 bits wider than the registers: R1 then takes two loads.
  bool high_part_needs_two_loads() const;

  LONG_JUMP_MODE mode_;
  int width_;
  int pc_width_;
  REGISTER& low_;
  REGISTER& high_;
};
