// The code memory: ordered slots of instruction objects, the index being the ROM address. The
// ROM owns what is put in it; replace() swaps in a pointer it does not own (a breakpoint). Each
// object remembers its slot, kept up to date by every ROM operation, so address_of is immediate.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "machine/asm.h"

class MACHINE;

class ROM {
 public:
  ROM() = default;
  ROM(const ROM&) = delete;
  ROM& operator=(const ROM&) = delete;

  void append(std::unique_ptr<ASM> object);
  // Inserts before index (index = size() appends); later objects move up one address.
  void insert(int32_t index, std::unique_ptr<ASM> object);
  // Many inserts at once, in one pass: each object goes before the slot its index names in the
  // ROM as it stands (indices ascending; several at one index keep their order; an index at or
  // beyond size() appends). Non-owned slots (breakpoints) move with their owned objects.
  void insert_all(std::vector<std::pair<int32_t, std::unique_ptr<ASM>>> insertions);
  // Appends an empty slot (shown "??") and answers its address, to be filled later.
  int32_t reserve_empty();
  void fill(int32_t index, std::unique_ptr<ASM> object);
  // Puts object in slot address without taking ownership; answers the object that was there.
  ASM* replace(int32_t address, ASM* object);

  // The object at address, nullptr for an empty slot or an address outside the ROM.
  ASM* fetch(int64_t address) const;
  int32_t size() const { return static_cast<int32_t>(slots_.size()); }
  bool empty() const { return slots_.empty(); }
  void clear();

  // The object's ROM address, or that of the breakpoint wrapping it; -1 when not in the ROM.
  int32_t address_of(const ASM* object) const;

  // Executes the object at address; an empty slot only advances the program counter, and an
  // address outside the ROM does nothing. Inline: the run loops call it for every instruction.
  void execute_at(int64_t address, MACHINE& machine) const {
    if (address < 0 || address >= size()) return;
    if (ASM* object = slots_[address])
      object->execute(machine);
    else
      step_over_empty_slot(machine);
  }

  // One decoded record per slot, then a sentinel of kind `finished`, for the fast run loop.
  // Decoded when first asked for after a change of the slots; a replaced slot (a breakpoint
  // set or removed) is decoded again on its own.
  const PREDECODED* predecoded();

  // The 16-bit code at address as a signed value (0x8000 and above are negative); 0 when empty.
  int32_t code_word(int64_t address) const;
  // The object's text, "??" for an empty slot, "End of code reached." outside the ROM.
  void append_instruction_text(std::string& text, int64_t address, const MACHINE& machine) const;
  // "ROM ", then "(size words)" when not empty.
  std::string title() const;

 private:
  void renumber_from(int32_t index);
  void step_over_empty_slot(MACHINE& machine) const;
  void slots_changed() { predecoded_.clear(); }
  PREDECODED decode(int32_t address) const;
  void decode_around(int32_t address);

  std::vector<ASM*> slots_;
  std::vector<std::unique_ptr<ASM>> owned_;  // parallel to slots_: what each slot was given
  std::vector<PREDECODED> predecoded_;       // empty while out of date
};
