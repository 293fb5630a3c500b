// ROM slots and ownership. Every operation that moves or places an object records its slot in
// the object, so address_of is a check of one slot rather than a search of the ROM.
#include "machine/rom.h"

#include "machine/machine.h"

void ROM::append(std::unique_ptr<ASM> object) { insert(size(), std::move(object)); }

void ROM::insert(int32_t index, std::unique_ptr<ASM> object) {
  if (index < 0) index = 0;
  if (index > size()) index = size();
  slots_.insert(slots_.begin() + index, object.get());
  owned_.insert(owned_.begin() + index, std::move(object));
  renumber_from(index);
}

int32_t ROM::reserve_empty() {
  slots_.push_back(nullptr);
  owned_.push_back(nullptr);
  return size() - 1;
}

void ROM::fill(int32_t index, std::unique_ptr<ASM> object) {
  if (index < 0 || index >= size()) return;
  if (object) object->rom_index_ = index;
  slots_[index] = object.get();
  owned_[index] = std::move(object);
}

ASM* ROM::replace(int32_t address, ASM* object) {
  if (address < 0 || address >= size()) return nullptr;
  ASM* previous = slots_[address];
  slots_[address] = object;
  if (object != nullptr) object->rom_index_ = address;
  return previous;
}

ASM* ROM::fetch(int64_t address) const {
  return address >= 0 && address < size() ? slots_[address] : nullptr;
}

void ROM::clear() {
  slots_.clear();
  owned_.clear();
}

int32_t ROM::address_of(const ASM* object) const {
  if (object == nullptr) return -1;
  const int32_t index = object->rom_index_;
  const ASM* slot = fetch(index);
  if (slot != nullptr && (slot == object || slot->wrapped() == object)) return index;
  return -1;
}

void ROM::execute_at(int64_t address, MACHINE& machine) const {
  if (address < 0 || address >= size()) return;
  if (ASM* object = slots_[address])
    object->execute(machine);
  else
    machine.program_counter.advance();  // an unfilled slot: step over it, never stall
}

int32_t ROM::code_word(int64_t address) const {
  const ASM* object = fetch(address);
  if (object == nullptr) return 0;
  const int32_t code = object->code();
  return code >= 0x8000 ? code - 0x10000 : code;
}

void ROM::append_instruction_text(std::string& text, int64_t address,
                                  const MACHINE& machine) const {
  if (address < 0 || address >= size())
    text += "End of code reached.";
  else if (const ASM* object = slots_[address])
    object->append_text(text, machine);
  else
    text += "??";
}

std::string ROM::title() const {
  std::string title = "ROM ";
  if (!empty()) title += "(" + std::to_string(size()) + " words)";
  return title;
}

// The wrapped instruction under a breakpoint keeps the slot's number too.
void ROM::renumber_from(int32_t index) {
  for (int32_t i = index; i < size(); ++i) {
    if (slots_[i] != nullptr) slots_[i]->rom_index_ = i;
    if (owned_[i] != nullptr) owned_[i]->rom_index_ = i;
  }
}
