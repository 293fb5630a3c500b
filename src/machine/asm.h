// The root of every object that lives in a ROM word: a processor instruction, a program constant
// or a breakpoint wrapper. Each knows its 16-bit code, its text, how to execute itself on a
// MACHINE and the range checks it makes once it has its ROM address.
#pragma once

#include <cstdint>
#include <string>

#include "base/position.h"
#include "machine/pipeline_use.h"
#include "machine/predecoded.h"

class MACHINE;
class ROM;

// The n low bits of value, most significant first (two's complement for negative values).
void append_bits(std::string& text, int64_t value, int n);

class ASM {
 public:
  explicit ASM(POSITION position) : position_(position) {}
  virtual ~ASM() = default;
  ASM(const ASM&) = delete;
  ASM& operator=(const ASM&) = delete;

  // Performs the instruction: effect, flags, program counter and clock periods.
  virtual void execute(MACHINE& machine) = 0;
  // The 16-bit machine word as an integer; the hot paths (ROM images, LPM) use this.
  virtual uint16_t code() const = 0;
  // The 16 characters '0' and '1' of code(), most significant bit first.
  void append_code(std::string& text) const;
  // The assembly print form (branches also show their target, hence the machine).
  virtual void append_text(std::string& text, const MACHINE& machine) const = 0;
  // The record the fast run loop executes in place of execute(); the object's own execute
  // unless its class has a handler there. Read once its ROM address is final.
  virtual PREDECODED predecode() const { return {FAST_KIND::generic, 0, 0, 1, 0}; }
  // Range checks that need every instruction's ROM address; run before any execution.
  virtual void check_placement(MACHINE& /*machine*/) {}

  virtual int instruction_number() const = 0;
  virtual bool writes_status() const { return false; }
  virtual bool reads_status() const { return false; }
  // The registers the forwarding module checks and how; a processor instruction answers from
  // its opcode row, anything else reads and writes nothing.
  virtual PIPELINE_USE pipeline_use() const {
    return {OPERAND_LAYOUT::AS_WRITTEN, PIPELINE_READS::NOTHING, WRITES_NONE};
  }
  // A and B as pipeline_use's layout places them.
  virtual REGISTER_OPERANDS register_operands() const { return {}; }
  virtual const POSITION& position() const { return position_; }

  // Words laid out away from the code of their line (the constant pool and the jump over it)
  // never run when the line runs, so a breakpoint set on the line goes past them.
  bool takes_line_breakpoint() const { return takes_line_breakpoint_; }
  void refuse_line_breakpoint() { takes_line_breakpoint_ = false; }

  // Words the compiler generated: a relative branch among them may be lengthened past its
  // reach, and an indirect branch aims at jump slots the build refills when padding moves code.
  bool generated() const { return generated_; }
  void mark_generated() { generated_ = true; }
  // A generated branch whose landing the compiler scheduled for both ways in (fallen into and
  // branched to): padding its target would only cost periods.
  bool scheduled_target() const { return scheduled_target_; }
  void mark_scheduled_target() { scheduled_target_ = true; }

  // A wrapper (a breakpoint) answers the object it stands for; plain instructions answer nothing.
  virtual const ASM* wrapped() const { return nullptr; }
  // The same, for those that change the wrapped object in place (the forwarding module re-aims
  // a wrapped branch). Every ROM object is created non-const, so the cast is sound.
  ASM* wrapped() { return const_cast<ASM*>(static_cast<const ASM*>(this)->wrapped()); }

 protected:
  // The ROM slot the object was last put in (-1 before); equals address_of while in the ROM.
  int32_t placed_address() const { return rom_index_; }

 private:
  friend class ROM;
  POSITION position_;
  int32_t rom_index_ = -1;
  bool takes_line_breakpoint_ = true;
  bool generated_ = false;
  bool scheduled_target_ = false;
};
