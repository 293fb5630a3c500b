// An indexed RAM word whose address is known only at run time: base.address plus the value
// of `index`. As a target it reads the word, operates in a scratch register and writes it back.
#pragma once

#include "codegen/media/storage_medium.h"

class RAM_SM;

class POINTER_SM final : public STORAGE_MEDIUM {
 public:
  POINTER_SM(RAM_SM& base, STORAGE_MEDIUM& index) : base(base), index(index) {}
  static constexpr MEDIUM_KIND KIND = MEDIUM_KIND::pointer;
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
  void release(CODEGEN& g) override;

  std::string print_kind(const MACHINE& machine) const override;
  std::string print_value(const MACHINE& machine) const override;

  void store_through_ram(CODEGEN& g, RAM_SM& pointer) override;
  REGISTER& fetch(CODEGEN& g, SCRATCH& use) override;

  // R2 (R3:R2 with wide RAM) := the element's address.
  void element_address(CODEGEN& g);

  RAM_SM& base;
  STORAGE_MEDIUM& index;

 private:
  template <class OPERATION>
  void modify_in_place(CODEGEN& g, OPERATION operation);
  void index_then_base(CODEGEN& g, RAM_SM& word);
};
