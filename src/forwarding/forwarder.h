// The forwarding module: makes code safe for the processor's pipeline. Every target of a
// branch gets two NOPs before it, every instruction that uses a register or the flags too soon
// after the instruction producing them gets one or two NOPs, and every relative branch and call
// is then re-aimed at its moved target. For compiled code it also lengthens the relative
// branches and calls that cannot reach, and refills the jump slots whose targets moved.
#pragma once

#include <cstdint>
#include <vector>

#include "forwarding/long_jump.h"

class ASM;
class ASM_BR;
class ERROR_HANDLER;
class PADDED_LAYOUT;
class MACHINE;
class ROM;
struct PROCESSOR_PARAMETERS;

// What the build knows of a compiled program's absolute targets: the jump slots it filled.
struct COMPILED_CODE {
  const LONG_JUMP& long_jump;
  std::vector<JUMP_SLOTS>& slots;
  // False when the ROM holds an indirect branch the build cannot follow: the code is then only
  // lengthened where it must be, never padded.
  bool pad = true;
  // The constant pool's jump (-1 without a pool) and the NOPs its words were placed after:
  // the pool's addresses are loaded as numbers, so it moves exactly by them.
  int32_t pool = -1;
  int32_t pool_shift = 0;
};

class FORWARDER {
 public:
  FORWARDER();

  // False as soon as the ROM holds an IB0, IB1, ICALL or IJMP the compiler did not generate:
  // its target is an address the user's code holds in a register, which padding would move.
  bool can_forward(const ROM& rom) const;

  // Pads the ROM and re-aims its relative branches. The whole layout is worked out in one pass
  // over the ROM, which is then rebuilt once, so large programs stay linear.
  void forward(ROM& rom, const PROCESSOR_PARAMETERS& parameters);
  void forward(MACHINE& machine);
  // For compiled code: until nothing moves, the generated relative branches and calls out of
  // reach once padded are lengthened; then the ROM is padded (when code.pad), the branches
  // re-aimed and the slots refilled. A resumed caller also waits one NOP after its call, since
  // the words before the callee's return are the ones it follows. Targets out of the long-jump
  // registers' reach are reported to the machine's error handler.
  void forward(MACHINE& machine, COMPILED_CODE code);
  // The NOPs padding will put before the word at index (and before the words there on), from
  // the words before it: where a constant pool laid out there will sit.
  int32_t padding_before(ROM& rom, const PROCESSOR_PARAMETERS& parameters, int32_t index);

  // The state of the last run, all as ROM indices after it: for each relative branch or call in
  // ROM order its target and its offset before the run; where the hazard NOPs were inserted
  // (once per NOP); the first NOP of each padded target, ascending; how many branches and calls
  // were lengthened.
  const std::vector<int32_t>& targets() const { return targets_; }
  const std::vector<int32_t>& offsets() const { return offsets_; }
  const std::vector<int32_t>& inserted() const { return inserted_; }
  const std::vector<int32_t>& padded() const { return padded_; }
  int lengthened() const { return lengthened_; }

 private:
  void run(ROM& rom, const PROCESSOR_PARAMETERS& parameters, COMPILED_CODE* compiled,
           ERROR_HANDLER* errors);
  void plan(const ROM& rom, PADDED_LAYOUT& layout, const COMPILED_CODE* compiled, bool pad);
  void plan_padding(const ROM& rom, PADDED_LAYOUT& layout, const std::vector<bool>& to_pad,
                    const std::vector<bool>& resumed, int32_t end);
  bool lengthen_far_branches(ROM& rom, const PADDED_LAYOUT& layout, COMPILED_CODE& compiled);
  void clear();
  void collect_branches(ROM& rom);
  void mark_branch_targets(std::vector<bool>& to_pad) const;
  void refill_slots(ROM& rom, COMPILED_CODE& compiled, ERROR_HANDLER& errors) const;

  std::vector<int32_t> targets_;
  std::vector<int32_t> offsets_;
  std::vector<int32_t> inserted_;
  std::vector<int32_t> padded_;
  std::vector<ASM_BR*> branches_;  // parallel to targets_
  std::vector<int32_t> indices_;   // parallel to targets_: each branch's own index
  int lengthened_ = 0;
};
