// Member access `s.m` and `p->m`: once checked, the word at the structure's address plus the
// member's offset, an indexing whose index is that offset, so every use of an element (value,
// store, address, increment) serves a member too. An array member is its first element's
// address instead.
#pragma once

#include <cstdint>

#include "cfront/c_name.h"
#include "cfront/calls.h"

class C_PARSER;
struct MEMBER;

class MEMBER_ACCESS final : public POINTER_USAGE {
 public:
  MEMBER_ACCESS(EXPRESSION* object, bool arrow, INTERNED member_name, POSITION member_position,
                POSITION member_last, EXPRESSION* zero);
  EXPRESSION* simplify(C_PROGRAM& program) override;
  C_TYPE* type_of(C_PROGRAM& program) override;
  void check_writable(C_PROGRAM& program) override;
  POSITION position_of() const override { return object_position; }
  // The words the member fills (sizeof), 1 after a reported problem.
  int32_t member_words(C_PROGRAM& program);

  EXPRESSION* object;  // the structure, or for `->` the pointer, as written
  bool arrow;
  INTERNED member_name;
  POSITION object_position;
  POSITION member_position;

 private:
  bool resolve(C_PROGRAM& program);
  EXPRESSION* structure_address(C_PROGRAM& program);
  EXPRESSION* array_member_address(C_PROGRAM& program);

  bool resolved_ = false;
  bool const_object_ = false;
  const MEMBER* member_ = nullptr;
  int32_t offset_ = 0;
  EXPRESSION* array_address_ = nullptr;
};

// member_access := ( "." | "->" ) identifier   (after the operator)
EXPRESSION* parse_member_access(C_PARSER& parser, EXPRESSION* object, bool arrow);
