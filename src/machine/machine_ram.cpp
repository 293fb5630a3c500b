// RAM reads and writes with the written-part rule, register-pair addresses and display lines.
#include "machine/machine_ram.h"

#include "base/error_handler.h"
#include "machine/hexadecimal.h"
#include "machine/register_pool.h"

MACHINE_RAM::MACHINE_RAM(const PROCESSOR_PARAMETERS& parameters) : parameters_(parameters) {
  words_.reserve(std::size_t{1} << 16);  // the largest RAM: no allocation while running
}

int32_t MACHINE_RAM::address_in(const REGISTER_POOL& registers, const REGISTER& r) const {
  const int n = parameters_.data_size;
  int64_t address = registers.unsigned_value(r);
  if (needs_pair()) {
    const REGISTER* high = registers.next_register(r);
    if (high != nullptr) address += int64_t{registers.unsigned_value(*high)} << n;
  }
  return static_cast<int32_t>(address & last_address());
}

void MACHINE_RAM::store_address(int32_t address, REGISTER_POOL& registers, REGISTER& r) const {
  const int n = parameters_.data_size;
  address &= last_address();
  r.value = registers.to_signed(address);
  if (!needs_pair()) return;
  REGISTER* high = registers.next_register(r);
  if (high != nullptr) high->value = registers.to_signed(address >> n);
}

void MACHINE_RAM::write(int64_t address, int32_t value, const POSITION& position,
                        ERROR_HANDLER& error_handler) {
  if (!is_valid(address)) {
    error_handler.add_position(position);
    error_handler.append(address).append(" : is not a valid address in RAM.").error();
    return;
  }
  if (address >= static_cast<int64_t>(words_.size())) words_.resize(address + 1, 0);
  words_[address] = value;
}

// An invalid address (possible only from callers other than the instructions) is reported
// like a write to it and reads 0, rather than growing the RAM beyond its size.
int32_t MACHINE_RAM::read(int64_t address, const POSITION& position, ERROR_HANDLER& error_handler) {
  if (!is_valid(address)) {
    write(address, 0, position, error_handler);
    return 0;
  }
  if (!is_written(address)) {
    error_handler.warning_at(position, "Reading un-initialized RAM word.");
    words_.resize(address + 1, 0);
  }
  return words_[address];
}

int32_t MACHINE_RAM::allocate(int count) {
  const int32_t first = static_cast<int32_t>(words_.size());
  if (count > 0) words_.resize(words_.size() + count, 0);
  return first;
}

void MACHINE_RAM::raise_reservation(int count) {
  if (count > reservation_count_) reservation_count_ = count;
}

void MACHINE_RAM::reserve() {
  if (reservation_count_ > 0) first_reserved_ = allocate(reservation_count_);
}

void MACHINE_RAM::append_word_line(std::string& text, int64_t address) const {
  text.clear();
  text += std::to_string(address);
  if (is_written(address)) {
    while (text.size() < 4) text += ' ';
    text += " = ";
    append_value_forms(text, words_[address], parameters_.data_size);
  } else {
    text += " is not a valid address in RAM.";
  }
  text += '\n';
}

void MACHINE_RAM::append_address(std::string& text, int64_t address) const {
  text += "0x";
  const int digits = is_valid(address) ? (parameters_.ram_address_width + 3) / 4 : 8;
  append_hexadecimal(text, static_cast<uint32_t>(address), digits);
}

void MACHINE_RAM::reset() {
  words_.clear();
  reservation_count_ = 0;
  first_reserved_ = -1;
}
