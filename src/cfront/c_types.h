// The C types: void, char, unsigned char, int, unsigned int (short and long read as int),
// pointers and structures (struct_type.h). Each records where its keywords stand. conforms_to is
// the rule for storing a value of one type where another is expected.
#pragma once

#include <string>

#include "base/position.h"
#include "cfront/c_node.h"

class ERROR_HANDLER;

// One kind per concrete type class.
enum class TYPE_KIND {
  void_type,
  char_type,
  unsigned_char_type,
  int_type,
  unsigned_int_type,
  pointer_type,
  function_type,  // what a function pointer points to (function_pointer.h)
  struct_type,
};

class C_TYPE : public C_NODE {
 public:
  TYPE_KIND kind() const { return kind_; }

  // For a composite, the position of its innermost part.
  virtual POSITION position() const { return position_; }
  virtual bool is_char() const { return false; }
  // The char types are int types too.
  virtual bool is_int() const { return false; }
  virtual bool is_void() const { return false; }
  // "void", "char", "unsigned char", "int", "unsigned int"; a pointer appends '*'.
  virtual std::string display_name() const = 0;

  // Written with `const`: an object of this type cannot be changed once initialised.
  bool is_const = false;

 protected:
  C_TYPE(TYPE_KIND kind, POSITION position) : kind_(kind), position_(position) {}

 private:
  const TYPE_KIND kind_;
  POSITION position_;
};

class VOID_TYPE final : public OF_KIND<C_TYPE, TYPE_KIND::void_type> {
 public:
  using OF_KIND::OF_KIND;
  bool is_void() const override { return true; }
  std::string display_name() const override { return "void"; }
};

class CHAR_TYPE final : public OF_KIND<C_TYPE, TYPE_KIND::char_type> {
 public:
  using OF_KIND::OF_KIND;
  bool is_char() const override { return true; }
  bool is_int() const override { return true; }
  std::string display_name() const override { return "char"; }
};

class UNSIGNED_CHAR_TYPE final : public OF_KIND<C_TYPE, TYPE_KIND::unsigned_char_type> {
 public:
  UNSIGNED_CHAR_TYPE(POSITION unsigned_position, POSITION char_position)
      : OF_KIND(unsigned_position), char_position(char_position) {}
  bool is_char() const override { return true; }
  bool is_int() const override { return true; }
  std::string display_name() const override { return "unsigned char"; }

  POSITION char_position;
};

class INT_TYPE final : public OF_KIND<C_TYPE, TYPE_KIND::int_type> {
 public:
  using OF_KIND::OF_KIND;
  bool is_int() const override { return true; }
  std::string display_name() const override { return "int"; }
};

class UNSIGNED_INT_TYPE final : public OF_KIND<C_TYPE, TYPE_KIND::unsigned_int_type> {
 public:
  // int_position is empty (no file) when `int` was not written.
  UNSIGNED_INT_TYPE(POSITION unsigned_position, POSITION int_position)
      : OF_KIND(unsigned_position), int_position(int_position) {}
  bool is_int() const override { return true; }
  std::string display_name() const override { return "unsigned int"; }

  POSITION int_position;
};

class POINTER_TYPE final : public OF_KIND<C_TYPE, TYPE_KIND::pointer_type> {
 public:
  POINTER_TYPE(POSITION star_position, C_TYPE* pointed_to)
      : OF_KIND(star_position), pointed_to(pointed_to) {}
  POSITION position() const override { return pointed_to->position(); }
  std::string display_name() const override { return pointed_to->display_name() + "*"; }

  C_TYPE* pointed_to;
};

// True when a value of type source may be stored where target is expected. On failure the
// reason (for instance "Pointer type does not match.") is left in the handler's pending text
// with both types' positions, for the caller to complete and emit; a refusal without a reason
// leaves nothing. A void source is a compiler stop (COMPILER_STOP).
bool conforms_to(const C_TYPE& source, const C_TYPE& target, ERROR_HANDLER& error_handler);

// Two declarations of one object or function agree on it: the same kinds, pointing to the same
// types, with the same `const` below a pointer (the object's own `const` may differ, as for
// parameters).
bool same_type(const C_TYPE& first, const C_TYPE& second);
// The same, where a type not known (nullptr: an error already reported) agrees with any.
bool same_type_when_known(const C_TYPE* first, const C_TYPE* second);
