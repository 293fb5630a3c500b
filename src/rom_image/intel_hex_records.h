// The Intel HEX record format: ":" count, address, type, data and checksum in upper-case
// hexadecimal, one record per line. Addresses past 0xFFFF are reached through extended linear
// address records (type 04), written whenever the upper 16 bits of the address change.
#pragma once

#include <cstdint>
#include <ostream>
#include <span>

class INTEL_HEX_RECORDS {
 public:
  explicit INTEL_HEX_RECORDS(std::ostream& out) : out_(out) {}

  void data(std::uint32_t address, std::span<const std::uint8_t> bytes);
  void end_of_file();

 private:
  void record(std::uint8_t type, std::uint16_t address, std::span<const std::uint8_t> bytes);

  std::ostream& out_;
  std::uint32_t upper_address_ = 0;  // the upper half in force; 0 until a type 04 record says else
};
