// ROM slots and ownership. Every operation that moves or places an object records its slot in
// the object, so address_of is a check of one slot rather than a search of the ROM.
#include "machine/rom.h"

#include <algorithm>

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
  slots_changed();
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
  slots_changed();
}

int32_t ROM::reserve_empty() {
  slots_.push_back(nullptr);
  owned_.push_back(nullptr);
  slots_changed();
  return size() - 1;
}

void ROM::fill(int32_t index, std::unique_ptr<ASM> object) {
  if (index < 0 || index >= size()) return;
  if (object) object->rom_index_ = index;
  slots_[index] = object.get();
  owned_[index] = std::move(object);
  slots_changed();
}

ASM* ROM::replace(int32_t address, ASM* object) {
  if (address < 0 || address >= size()) return nullptr;
  ASM* previous = slots_[address];
  slots_[address] = object;
  if (object != nullptr) object->rom_index_ = address;
  if (!predecoded_.empty()) decode_around(address);
  return previous;
}

ASM* ROM::fetch(int64_t address) const {
  return address >= 0 && address < size() ? slots_[address] : nullptr;
}

void ROM::clear() {
  slots_.clear();
  owned_.clear();
  slots_changed();
}

// Fusing in address order reads only records not fused yet: those after the slot.
const PREDECODED* ROM::predecoded() {
  if (predecoded_.empty()) {
    predecoded_.reserve(slots_.size() + 1);
    for (int32_t address = 0; address < size(); ++address) predecoded_.push_back(decode(address));
    for (int32_t address = 0; address < size(); ++address)
      predecoded_[address] = fused(&predecoded_[address], size() - address);
    predecoded_.push_back({FAST_KIND::finished, 0, 0, 1, 0});
  }
  return predecoded_.data();
}

// A chain that ran through the slot may no longer hold, nor one that now would: every record
// whose chain could reach the slot is fused again from plain records.
void ROM::decode_around(int32_t address) {
  const int32_t first = std::max(0, address - longest_span + 1);
  const int32_t end = std::min(size(), address + longest_span);
  std::vector<PREDECODED> plain;
  for (int32_t a = first; a < end; ++a) plain.push_back(decode(a));
  for (int32_t a = first; a <= address; ++a) predecoded_[a] = fused(&plain[a - first], end - a);
}

// A branch leaving the ROM is left to its object, which puts the program counter where the run
// ends; within the ROM (or onto the sentinel) the loop jumps straight to the target.
PREDECODED ROM::decode(int32_t address) const {
  ASM* object = slots_[address];
  if (object == nullptr) return {FAST_KIND::empty, 0, 0, 1, 0};
  PREDECODED record = object->predecode();
  if (jumps_to_value(record.kind) && (record.value < 0 || record.value > size()))
    record = {FAST_KIND::generic, 0, 0, 1, 0};
  return record;
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
