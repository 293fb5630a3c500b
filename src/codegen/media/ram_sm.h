// A value held in RAM from `address` on: one word for a scalar, one per element for an array.
#pragma once

#include "codegen/media/storage_medium.h"

class RAM_SM final : public STORAGE_MEDIUM {
 public:
  RAM_SM(int32_t address, int words) : address(address), words(words) {}
  static constexpr MEDIUM_KIND KIND = MEDIUM_KIND::ram;
  MEDIUM_KIND kind() const override { return KIND; }

  void assign(CODEGEN& g, STORAGE_MEDIUM& source) override;
  void add_assign(CODEGEN& g, STORAGE_MEDIUM& source) override;
  void subtract_assign(CODEGEN& g, STORAGE_MEDIUM& source) override;
  void and_assign(CODEGEN& g, STORAGE_MEDIUM& source) override;
  void or_assign(CODEGEN& g, STORAGE_MEDIUM& source) override;
  void xor_assign(CODEGEN& g, STORAGE_MEDIUM& source) override;
  void compare(CODEGEN& g, STORAGE_MEDIUM& source) override;
  void store_indirect(CODEGEN& g, STORAGE_MEDIUM& source) override;
  void assign_dereferenced(CODEGEN& g, STORAGE_MEDIUM& source) override;

  void load_constant(CODEGEN& g, int32_t n) override;
  void add_constant(CODEGEN& g, int32_t n) override;
  void compare_constant(CODEGEN& g, int32_t n) override;
  void shift_left(CODEGEN& g, int n) override;
  void shift_right(CODEGEN& g, int n) override;
  void rotate_left(CODEGEN& g) override;
  void negate(CODEGEN& g) override;
  void to_status_register(CODEGEN& g) override;
  void add_to_address_register(CODEGEN& g, REGISTER& low) override;
  void release(CODEGEN& g) override;

  std::string print_kind(const MACHINE& machine) const override;
  std::string print_value(const MACHINE& machine) const override;

  void compare_immediate_with(CODEGEN& g, int32_t immediate) override;
  void load_through_register(CODEGEN& g, REGISTER& target) override;
  REGISTER& fetch(CODEGEN& g, SCRATCH& use) override;

  int32_t address;
  int words;
  bool is_temporary = false;

 private:
  // t := the word; the operation; the word := t.
  template <class OPERATION>
  void modify_in_place(CODEGEN& g, OPERATION operation);
};
