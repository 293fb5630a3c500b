// The result of a function returning void: every operation on it emits nothing.
#pragma once

#include "codegen/media/storage_medium.h"

class C_FUNCTION;

class DEV_NULL_SM final : public STORAGE_MEDIUM {
 public:
  explicit DEV_NULL_SM(const C_FUNCTION* owner) : owner(owner) {}
  static constexpr MEDIUM_KIND KIND = MEDIUM_KIND::dev_null;
  MEDIUM_KIND kind() const override { return KIND; }
  void store_indirect(CODEGEN&, STORAGE_MEDIUM&) override {}
  void add_to_address_register(CODEGEN&, REGISTER&) override {}
  void store_stepping(CODEGEN&, REGISTER&, bool) override {}
  std::string print_kind(const MACHINE&) const override { return "?"; }
  std::string print_value(const MACHINE&) const override { return "? (in ?)"; }

  void load_into_register(CODEGEN&, REGISTER&) override {}
  void store_into_ram(CODEGEN&, RAM_SM&) override {}
  void store_into_element(CODEGEN&, POINTER_SM&) override {}
  void add_to_register(CODEGEN&, REGISTER&) override {}
  void add_to_ram(CODEGEN&, RAM_SM&) override {}
  void subtract_from_register(CODEGEN&, REGISTER&) override {}
  void subtract_from_ram(CODEGEN&, RAM_SM&) override {}
  void and_to_register(CODEGEN&, REGISTER&) override {}
  void and_to_ram(CODEGEN&, RAM_SM&) override {}
  void or_to_register(CODEGEN&, REGISTER&) override {}
  void or_to_ram(CODEGEN&, RAM_SM&) override {}
  void xor_to_register(CODEGEN&, REGISTER&) override {}
  void xor_to_ram(CODEGEN&, RAM_SM&) override {}
  void compare_register_with(CODEGEN&, REGISTER&) override {}
  void compare_ram_with(CODEGEN&, RAM_SM&) override {}
  void compare_immediate_with(CODEGEN&, int32_t) override {}
  void store_through_register(CODEGEN&, REGISTER&) override {}
  void store_through_ram(CODEGEN&, RAM_SM&) override {}
  void load_through_register(CODEGEN&, REGISTER&) override {}
  REGISTER& fetch(CODEGEN& g, SCRATCH& use) override;

  const C_FUNCTION* owner;
};
