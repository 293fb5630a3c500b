// Structures and unions: the layout a tag stands for (members at word offsets, a struct as
// long as the sum of its members, a union as its longest), the type that names a layout, and
// the scoped table of tags. Every member is a whole number of words, without padding.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/position.h"
#include "cfront/c_name.h"
#include "cfront/c_types.h"

class COMPOUND;
class C_PARSER;
class C_PROGRAM;
class DECLARATOR;
class FUNCTION_PROTOTYPE;

// One member: an unnamed one is an anonymous structure or union whose members are reached as
// the enclosing one's. An array member keeps its element type and its length.
struct MEMBER {
  INTERNED name = nullptr;
  C_TYPE* type = nullptr;  // the element's type for an array
  int32_t length = -1;     // the element count of an array member, -1 for any other
  int32_t offset = 0;      // in words from the start of the object
  int32_t words = 0;
  POSITION position;

  bool is_array() const { return length >= 0; }
};

// What one tag declares; incomplete until its member list is read.
class STRUCT_LAYOUT final : public C_NODE {
 public:
  STRUCT_LAYOUT(INTERNED tag, bool is_union) : tag(tag), is_union(is_union) {}
  // Places a member after the others (a union's at offset 0).
  void add(MEMBER member);
  // "struct tag", "union tag", or without a tag "struct", "union".
  std::string display_name() const;

  INTERNED tag;  // nullptr for an untagged one
  bool is_union;
  bool complete = false;
  POSITION definition;  // of the `{`, once defined
  std::vector<MEMBER> members;
  int32_t words = 0;
};

// A structure or union type; every use of one tag shares the layout.
class STRUCT_TYPE final : public OF_KIND<C_TYPE, TYPE_KIND::struct_type> {
 public:
  STRUCT_TYPE(POSITION position, STRUCT_LAYOUT* layout) : OF_KIND(position), layout(layout) {}
  std::string display_name() const override { return layout->display_name(); }

  STRUCT_LAYOUT* layout;
};

// A member found by name, anonymous members searched through: its offset is the whole way down.
struct FOUND_MEMBER {
  const MEMBER* member = nullptr;
  int32_t offset = 0;
};
FOUND_MEMBER find_member(const STRUCT_LAYOUT& layout, INTERNED name);

// The words an object of the type fills: a structure's size, 1 for a scalar or a pointer
// (0 for an incomplete structure).
int32_t words_of_type(const C_TYPE* type);
// The words of the object a declarator declares: arrays multiply their element's words.
int32_t words_of_declarator(const DECLARATOR* declarator);
// The layout of a structure type, or nullptr for any other type.
STRUCT_LAYOUT* layout_of(const C_TYPE* type);

// A declaration problem after which the parse goes on, the declaration read as if it had been
// written right: the next items are still read and checked for their own errors.
void report_going_on(C_PARSER& parser, const POSITION& position, const std::string& message);
// "An object of an incomplete type: struct s." at the object.
void report_incomplete(C_PROGRAM& program, const DECLARATOR& object);
// Structures are not passed or returned by value: each such parameter and result is reported.
void refuse_structure_by_value(C_PARSER& parser, const FUNCTION_PROTOTYPE& prototype);

// The tags declared so far, each in the block that declares it (nullptr: the file level).
class TAG_TABLE {
 public:
  // The innermost declaration of tag visible from the blocks open now (innermost last).
  STRUCT_LAYOUT* find(INTERNED tag, const std::vector<COMPOUND*>& open_blocks) const;
  // The tag declared in that very block, or nullptr.
  STRUCT_LAYOUT* find_in(INTERNED tag, const COMPOUND* block) const;
  void declare(INTERNED tag, const COMPOUND* block, STRUCT_LAYOUT* layout);

 private:
  struct ENTRY {
    INTERNED tag;
    const COMPOUND* block;
    STRUCT_LAYOUT* layout;
  };
  std::vector<ENTRY> entries_;
};
