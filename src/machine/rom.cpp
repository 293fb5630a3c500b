// ROM slots and ownership. Every operation that moves or places an object records its slot in
// the object, so address_of is a check of one slot rather than a search of the ROM.
#include "machine/rom.h"

#include "machine/machine.h"

void ROM::append(std::unique_ptr<ASM> object) {
  insert(size(), std::move(object));
}

void ROM::insert(int32_t index, std::unique_ptr<ASM> object) {
  if (index < 0) index = 0;
  if (index > size()) index = size();
  slots_.insert(slots_.begin() + index, object.get());
  owned_.insert(owned_.begin() + index, std::move(object));
  renumber_from(index);
}

void ROM::insert_all(std::vector<std::pair<int32_t, std::unique_ptr<ASM>>> insertions) {
  if (insertions.empty()) return;
  std::vector<ASM*> slots;
  std::vector<std::unique_ptr<ASM>> owned;
  slots.reserve(slots_.size() + insertions.size());
  owned.reserve(slots_.size() + insertions.size());
  auto next = insertions.begin();
  for (int32_t old = 0; old <= size(); ++old) {
    for (; next != insertions.end() && (next->first <= old || old == size()); ++next) {
      slots.push_back(next->second.get());
      owned.push_back(std::move(next->second));
    }
    if (old == size()) break;
    slots.push_back(slots_[old]);
    owned.push_back(std::move(owned_[old]));
  }
  slots_ = std::move(slots);
  owned_ = std::move(owned);
  renumber_from(0);
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

// An unfilled slot: step over it, never stall.
void ROM::step_over_empty_slot(MACHINE& machine) const {
  machine.program_counter.advance();
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
  if (!empty()) {
    title += '(';
    title += std::to_string(size());
    title += " words)";
  }
  return title;
}

// The wrapped instruction under a breakpoint keeps the slot's number too.
void ROM::renumber_from(int32_t index) {
  for (int32_t i = index; i < size(); ++i) {
    if (slots_[i] != nullptr) slots_[i]->rom_index_ = i;
    if (owned_[i] != nullptr) owned_[i]->rom_index_ = i;
  }
}
