// A constant small enough to be written into instructions or loaded in a short sequence; its
// value is already reduced to the register width.
#pragma once

#include "codegen/media/storage_medium.h"

class IMMEDIATE_SM final : public STORAGE_MEDIUM {
 public:
  explicit IMMEDIATE_SM(int32_t value) : value(value) {}
  static constexpr MEDIUM_KIND KIND = MEDIUM_KIND::immediate;
  MEDIUM_KIND kind() const override { return KIND; }

  void compare(CODEGEN& g, STORAGE_MEDIUM& source) override;
  void compare_constant(CODEGEN& g, int32_t n) override;
  void to_status_register(CODEGEN& g) override;
  void add_to_address_register(CODEGEN& g, REGISTER& low) override;

  std::string print_kind(const MACHINE& machine) const override;
  std::string print_value(const MACHINE& machine) const override;

  void load_into_register(CODEGEN& g, REGISTER& target) override;
  void add_to_register(CODEGEN& g, REGISTER& target) override;
  void add_to_ram(CODEGEN& g, RAM_SM& target) override;
  void subtract_from_register(CODEGEN& g, REGISTER& target) override;
  void and_to_register(CODEGEN& g, REGISTER& target) override;
  void or_to_register(CODEGEN& g, REGISTER& target) override;
  void compare_register_with(CODEGEN& g, REGISTER& target) override;
  void compare_ram_with(CODEGEN& g, RAM_SM& target) override;
  void compare_immediate_with(CODEGEN& g, int32_t immediate) override;
  void store_through_register(CODEGEN& g, REGISTER& pointer) override;
  void store_through_ram(CODEGEN& g, RAM_SM& pointer) override;
  REGISTER& fetch(CODEGEN& g, SCRATCH& use) override;
  bool holds_constant(int32_t& v) const override {
    v = value;
    return true;
  }

  int32_t value;
};
