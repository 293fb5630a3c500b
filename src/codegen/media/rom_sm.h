// A constant in a word of the constant pool, read back through LPM where it is used.
#pragma once

#include "codegen/media/storage_medium.h"

class ROM_SM final : public STORAGE_MEDIUM {
 public:
  ROM_SM(int32_t address, int32_t value) : address(address), value(value) {}
  static constexpr MEDIUM_KIND KIND = MEDIUM_KIND::rom;
  MEDIUM_KIND kind() const override { return KIND; }

  void compare(CODEGEN& g, STORAGE_MEDIUM& source) override;
  void compare_constant(CODEGEN& g, int32_t n) override;

  std::string print_kind(const MACHINE& machine) const override;
  std::string print_value(const MACHINE& machine) const override;
  REGISTER& fetch(CODEGEN& g, SCRATCH& use) override;
  bool holds_constant(int32_t& v) const override {
    v = value;
    return true;
  }

  int32_t address;
  int32_t value;  // reduced to the register width
};
