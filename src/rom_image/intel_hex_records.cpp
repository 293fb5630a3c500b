#include "rom_image/intel_hex_records.h"

#include <array>
#include <string>

namespace {

constexpr std::uint8_t data_type = 0x00;
constexpr std::uint8_t end_of_file_type = 0x01;
constexpr std::uint8_t extended_linear_address_type = 0x04;

void append_byte(std::string& text, std::uint8_t byte) {
  constexpr char digits[] = "0123456789ABCDEF";
  text.push_back(digits[byte >> 4]);
  text.push_back(digits[byte & 0x0F]);
}

}  // namespace

void INTEL_HEX_RECORDS::data(std::uint32_t address, std::span<const std::uint8_t> bytes) {
  std::uint32_t upper = address >> 16;
  if (upper != upper_address_) {
    std::array<std::uint8_t, 2> upper_bytes{static_cast<std::uint8_t>(upper >> 8),
                                            static_cast<std::uint8_t>(upper)};
    record(extended_linear_address_type, 0, upper_bytes);
    upper_address_ = upper;
  }
  record(data_type, static_cast<std::uint16_t>(address), bytes);
}

void INTEL_HEX_RECORDS::end_of_file() {
  record(end_of_file_type, 0, {});
}

// The checksum makes the sum of every byte of the record, itself included, 0 modulo 256.
void INTEL_HEX_RECORDS::record(std::uint8_t type, std::uint16_t address,
                               std::span<const std::uint8_t> bytes) {
  std::string line = ":";
  std::uint8_t count = static_cast<std::uint8_t>(bytes.size());
  std::uint8_t address_high = static_cast<std::uint8_t>(address >> 8);
  std::uint8_t address_low = static_cast<std::uint8_t>(address);
  unsigned sum = count + address_high + address_low + type;
  append_byte(line, count);
  append_byte(line, address_high);
  append_byte(line, address_low);
  append_byte(line, type);
  for (std::uint8_t byte : bytes) {
    append_byte(line, byte);
    sum += byte;
  }
  append_byte(line, static_cast<std::uint8_t>(0x100 - (sum & 0xFF)));
  line.push_back('\n');
  out_ << line;
}
