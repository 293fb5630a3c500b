// A breakpoint stands in a ROM slot in place of an instruction. While the machine runs it holds
// it at the breakpoint without executing anything; when a run starts on it (the machine still
// held) it executes the instruction it wraps. Images, listings and checks see the wrapped
// instruction.
#pragma once

#include "machine/asm.h"

class BREAKPOINT final : public ASM {
 public:
  BREAKPOINT() : ASM(POSITION{}) {}

  // Wraps object; the breakpoint takes over its position.
  void wrap(ASM* object);
  ASM* wrapped_instruction() const { return wrapped_; }

  void execute(MACHINE& machine) override;
  uint16_t code() const override { return wrapped_ != nullptr ? wrapped_->code() : 0; }
  void append_text(std::string& text, const MACHINE& machine) const override;
  void check_placement(MACHINE& machine) override;
  int instruction_number() const override { return 10000; }
  const POSITION& position() const override { return position_; }
  const ASM* wrapped() const override { return wrapped_; }

  // The slot the breakpoint was last put in.
  int32_t address() const { return placed_address(); }

 private:
  ASM* wrapped_ = nullptr;
  POSITION position_;
};
