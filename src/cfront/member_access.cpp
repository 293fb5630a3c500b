// Member access: the member is found in the layout of the operand's type (through anonymous
// members); the structure's address becomes the base: a constant for a named structure or a
// constant element, the pointer for `->` and `*p`, else the address of the element.
#include "cfront/member_access.h"

#include <string>

#include "base/error_handler.h"
#include "base/kind_cast.h"
#include "cfront/binary.h"
#include "cfront/c_parser.h"
#include "cfront/c_program.h"
#include "cfront/compound_literal.h"
#include "cfront/constant.h"
#include "cfront/struct_type.h"
#include "cfront/unary.h"
#include "cfront/variables.h"

namespace {

DECIMAL_CONSTANT* address_constant(C_PROGRAM& program, const EXPRESSION& spanned, int32_t value,
                                   C_TYPE* type) {
  auto* address =
      program.make<DECIMAL_CONSTANT>(spanned.position_of(), spanned.end_position(), value);
  address->type = type;
  return address;
}

// The RAM address of a named structure, or -1 (its type was reported incomplete).
int32_t named_structure_address(EXPRESSION* simplified) {
  auto* variable = dynamic_cast<VARIABLE*>(simplified);
  if (variable == nullptr) return -1;
  auto* named = kind_cast<TYPE_AND_NAME>(variable->declarator->declared());
  return named == nullptr ? -1 : named->ram_start;
}

bool is_compound_literal(EXPRESSION* e) {
  return dynamic_cast<COMPOUND_LITERAL*>(e) != nullptr;
}

bool is_undefined_name(const EXPRESSION* e) {
  const auto* name = kind_cast<NAME>(e);
  return name != nullptr && name->resolution == name;
}

}  // namespace

MEMBER_ACCESS::MEMBER_ACCESS(EXPRESSION* object, bool arrow, INTERNED member_name,
                             POSITION member_position, POSITION member_last, EXPRESSION* zero)
    : POINTER_USAGE(object, zero),
      object(object),
      arrow(arrow),
      member_name(member_name),
      object_position(object->position_of()),
      member_position(member_position) {
  closing_bracket = member_last;
}

// Once: false after the problem is reported (an undefined name was reported already).
bool MEMBER_ACCESS::resolve(C_PROGRAM& program) {
  if (resolved_) return member_ != nullptr;
  resolved_ = true;
  ERROR_HANDLER& error_handler = program.services.error_handler;
  C_TYPE* type = object->type_of(program);
  if (arrow) {
    auto* pointer = kind_cast<POINTER_TYPE>(type);
    type = pointer == nullptr ? nullptr : pointer->pointed_to;
  }
  const STRUCT_LAYOUT* layout = layout_of(type);
  if (layout == nullptr) {
    if (!is_undefined_name(object))
      error_handler.error_at(object_position,
                             arrow ? "The left operand of -> is not a pointer to a structure."
                                   : "The left operand of . is not a structure.");
    return false;
  }
  if (!layout->complete) {
    error_handler.error_at(object_position,
                           "An object of an incomplete type: " + layout->display_name() + ".");
    return false;
  }
  const FOUND_MEMBER found = find_member(*layout, member_name);
  if (found.member == nullptr) {
    error_handler.error_at(member_position,
                           "No member " + *member_name + " in " + layout->display_name() + ".");
    return false;
  }
  member_ = found.member;
  offset_ = found.offset;
  const_object_ = type->is_const;
  element_type = member_->is_array() ? program.make<POINTER_TYPE>(member_position, member_->type)
                                     : member_->type;
  return true;
}

C_TYPE* MEMBER_ACCESS::type_of(C_PROGRAM& program) {
  resolve(program);
  return element_type;
}

int32_t MEMBER_ACCESS::member_words(C_PROGRAM& program) {
  if (!resolve(program)) return 1;
  return member_->words;
}

void MEMBER_ACCESS::check_writable(C_PROGRAM& program) {
  if (member_ != nullptr && member_->is_array())
    program.services.error_handler.error_at(object_position, "An array member cannot be assigned.");
  else if (const_object_)
    program.services.error_handler.error_at(object_position,
                                            "This structure is const: it cannot be changed.");
  else
    POINTER_USAGE::check_writable(program);
}

// The structure's first word as an expression: nullptr when it has none (reported).
EXPRESSION* MEMBER_ACCESS::structure_address(C_PROGRAM& program) {
  if (arrow) return simplify_value(object, program);
  EXPRESSION* simplified = simplify_operand(object, program);
  if (simplified == nullptr) return nullptr;
  C_TYPE* pointer = program.make<POINTER_TYPE>(object_position, object->type_of(program));
  if (dynamic_cast<VARIABLE*>(simplified) != nullptr && !is_compound_literal(simplified)) {
    const int32_t address = named_structure_address(simplified);
    return address < 0 ? nullptr : address_constant(program, *simplified, address, pointer);
  }
  if (auto* star = kind_cast<UNARY_STAR>(simplified)) return star->operand;
  if (is_compound_literal(simplified)) {
    // Its words are stored where the code reaches it: its address is taken there.
    auto* address = program.make<UNARY_AND>(object_position, simplified);
    return address->simplify(program);
  }
  if (auto* element = kind_cast<POINTER_USAGE>(simplified)) {
    auto* base_constant = kind_cast<DECIMAL_CONSTANT>(element->base);
    auto* index_constant = kind_cast<DECIMAL_CONSTANT>(element->index);
    if (base_constant != nullptr && index_constant != nullptr)
      return address_constant(program, *simplified, base_constant->value + index_constant->value,
                              pointer);
    auto* address = program.make<UNARY_AND>(object_position, simplified);
    return address->simplify(program);
  }
  program.services.error_handler.error_at(object_position, "This structure has no address.");
  return nullptr;
}

// base + offset, typed as a pointer to the element, in words whatever the base points to.
EXPRESSION* MEMBER_ACCESS::array_member_address(C_PROGRAM& program) {
  if (auto* constant = kind_cast<DECIMAL_CONSTANT>(base)) {
    DECIMAL_CONSTANT* address =
        address_constant(program, *this, constant->value + offset_, element_type);
    program.enter_in_pool(*address);
    return address;
  }
  C_TYPE* words =
      program.make<POINTER_TYPE>(object_position, program.make<INT_TYPE>(object_position));
  EXPRESSION* sum = program.make<BINARY_PLUS>(
      object_position, program.make<CAST>(object_position, base, words), index);
  EXPRESSION* address = program.make<CAST>(object_position, sum, element_type);
  return simplify_value(address, program);
}

EXPRESSION* MEMBER_ACCESS::simplify(C_PROGRAM& program) {
  if (checked) return array_address_ != nullptr ? array_address_ : this;
  checked = true;
  if (!resolve(program)) return this;
  EXPRESSION* address = structure_address(program);
  if (address == nullptr) return this;
  base = address;
  index = program.make<DECIMAL_CONSTANT>(member_position, member_position, offset_);
  index->simplify(program);
  if (auto* constant = kind_cast<DECIMAL_CONSTANT>(index)) program.leave_pool(*constant);
  if (member_->is_array()) array_address_ = array_member_address(program);
  return array_address_ != nullptr ? array_address_ : this;
}

EXPRESSION* parse_member_access(C_PARSER& parser, EXPRESSION* object, bool arrow) {
  if (!parser.read_identifier()) parser.syntax_error();
  C_PROGRAM& program = parser.program;
  const POSITION at = parser.name_position();
  auto* zero = program.make<DECIMAL_CONSTANT>(at, at, 0);
  auto* access = program.make<MEMBER_ACCESS>(object, arrow, parser.interned_name(), at,
                                             parser.name_last_position(), zero);
  return parser.bounded(access, object);
}
