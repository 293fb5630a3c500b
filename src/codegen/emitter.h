// Appends the generated instructions at the end of the ROM, each carrying the source position
// of the construct being compiled. A capture buffer stands in for the ROM while a sequence is
// prepared for reserved slots (jump slots, the recursion stack's start).
#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "base/position.h"
#include "machine/asm.h"
#include "machine/rom.h"

class EMITTER {
 public:
  explicit EMITTER(ROM& rom) : rom_(rom) {}

  template <class INSTRUCTION, class... OPERANDS>
  INSTRUCTION& emit(OPERANDS&&... operands) {
    auto object = std::make_unique<INSTRUCTION>(position, std::forward<OPERANDS>(operands)...);
    INSTRUCTION& emitted = *object;
    emitted.mark_generated();
    append(std::move(object));
    return emitted;
  }
  void append(std::unique_ptr<ASM> object);

  // The ROM index the next instruction gets.
  int32_t here() const { return rom_.size(); }
  // Index of the last instruction appended.
  int32_t last() const { return rom_.size() - 1; }
  ROM& rom() { return rom_; }

  // While capturing, instructions go to the buffer instead of the ROM.
  void start_capture();
  std::vector<std::unique_ptr<ASM>> end_capture();

  POSITION position;

 private:
  ROM& rom_;
  bool capturing_ = false;
  std::vector<std::unique_ptr<ASM>> captured_;
};

// Sets the emitter's position for the lifetime of the object, then puts the previous one back.
class AT_POSITION {
 public:
  AT_POSITION(EMITTER& emitter, POSITION position) : emitter_(emitter), saved_(emitter.position) {
    if (position.source_file != nullptr) emitter.position = position;
  }
  ~AT_POSITION() { emitter_.position = saved_; }
  AT_POSITION(const AT_POSITION&) = delete;
  AT_POSITION& operator=(const AT_POSITION&) = delete;

 private:
  EMITTER& emitter_;
  POSITION saved_;
};
