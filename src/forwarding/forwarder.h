// The forwarding module: makes straight-line code safe for the processor's pipeline. Every
// target of a relative branch gets two NOPs before it, every instruction that uses a register
// or the flags too soon after the instruction producing them gets one or two NOPs, and every
// relative branch and call is then re-aimed at its moved target.
#pragma once

#include <cstdint>
#include <vector>

class ASM_BR;
class MACHINE;
class ROM;
struct PROCESSOR_PARAMETERS;

class FORWARDER {
 public:
  FORWARDER();

  // False as soon as the ROM holds an IB0, IB1, ICALL or IJMP: their targets are addresses held
  // in registers, which inserting instructions would silently move.
  bool can_forward(const ROM& rom) const;

  // Pads the ROM and re-aims its relative branches. The whole layout is worked out in one pass
  // over the ROM, which is then rebuilt once, so large programs stay linear.
  void forward(ROM& rom, const PROCESSOR_PARAMETERS& parameters);
  void forward(MACHINE& machine);

  // The state of the last run, all as ROM indices after it: for each relative branch or call in
  // ROM order its target and its offset before the run; where the hazard NOPs were inserted
  // (once per NOP); and the first NOP of each padded target, ascending.
  const std::vector<int32_t>& targets() const { return targets_; }
  const std::vector<int32_t>& offsets() const { return offsets_; }
  const std::vector<int32_t>& inserted() const { return inserted_; }
  const std::vector<int32_t>& padded() const { return padded_; }

 private:
  void clear();
  void collect_branches(ROM& rom);
  // Marks the targets inside the ROM: not negative and below its last index.
  std::vector<bool> targets_to_pad(int32_t rom_size) const;

  std::vector<int32_t> targets_;
  std::vector<int32_t> offsets_;
  std::vector<int32_t> inserted_;
  std::vector<int32_t> padded_;
  std::vector<ASM_BR*> branches_;  // parallel to targets_
};
