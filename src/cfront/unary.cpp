// The unary operators: `&` prepares its operand's address, `*` reads through a pointer, `-`
// folds a constant operand, and the postfix increments keep their operand's type and need a
// writable one.
#include "cfront/unary.h"

#include <cstdint>

#include "base/error_handler.h"
#include "base/kind_cast.h"
#include "cfront/c_name.h"
#include "cfront/c_program.h"
#include "cfront/c_types.h"
#include "cfront/constant.h"
#include "cfront/function_pointer.h"
#include "cfront/member_access.h"
#include "cfront/struct_type.h"
#include "cfront/variables.h"
#include "machine/processor_parameters.h"

namespace {

// The operand of ++ or -- is written as well as read: `a++ ++` or `(a + 1)--` is refused here.
void simplify_incremented(EXPRESSION*& operand, C_PROGRAM& program) {
  if (EXPRESSION* simplified = simplify_value(operand, program))
    simplified->check_writable(program);
}

}  // namespace

// `&f` is f's address, as f alone is.
EXPRESSION* UNARY_AND::simplify(C_PROGRAM& program) {
  EXPRESSION* simplified = simplify_operand(operand, program);
  if (simplified == nullptr) return this;
  if (simplified->is_constant() && pointed_function(simplified->type_of(program)) != nullptr)
    return simplified;
  simplified->take_address(program);
  return this;
}

// The operand's own type: an assignment of `&x` asks for a pointer target instead. A
// structure's address is a pointer, so that its arithmetic steps by the structure.
C_TYPE* UNARY_AND::type_of(C_PROGRAM& program) {
  C_TYPE* type = operand->type_of(program);
  if (layout_of(type) == nullptr) return type;
  return program.make<POINTER_TYPE>(position, type);
}

// An operand that is no pointer is reported here (a name already reported as undefined is not),
// and so is a void *. `*p` of a function pointer is the function it points to, called as p is.
EXPRESSION* UNARY_STAR::simplify(C_PROGRAM& program) {
  EXPRESSION* simplified = simplify_value(operand, program);
  if (simplified == nullptr) return this;
  const auto* pointer = kind_cast<POINTER_TYPE>(simplified->type_of(program));
  if (pointed_function(pointer) != nullptr) return simplified;
  if (pointer == nullptr && kind_cast<NAME>(simplified) == nullptr)
    program.services.error_handler.error_at(position, "Only a pointer can be dereferenced.");
  if (pointer != nullptr && pointer->pointed_to->is_void())
    program.services.error_handler.error_at(position, "A void * cannot be dereferenced.");
  return this;
}

// None through a void *: there is no value there.
C_TYPE* UNARY_STAR::type_of(C_PROGRAM& program) {
  auto* pointer = kind_cast<POINTER_TYPE>(operand->type_of(program));
  return pointer == nullptr || pointer->pointed_to->is_void() ? nullptr : pointer->pointed_to;
}

EXPRESSION* UNARY_MINUS::simplify(C_PROGRAM& program) {
  EXPRESSION* simplified = simplify_value(operand, program);
  if (simplified == nullptr || !simplified->is_constant()) return this;
  const uint32_t magnitude =
      static_cast<uint32_t>(static_cast<DECIMAL_CONSTANT*>(simplified)->value);
  auto* negated = program.make<DECIMAL_CONSTANT>(position, simplified->end_position(),
                                                 static_cast<int32_t>(0u - magnitude));
  return negated->simplify(program);
}

C_TYPE* UNARY_MINUS::type_of(C_PROGRAM& program) {
  return operand->type_of(program);
}

EXPRESSION* UNARY_POSTFIX_PLUS_PLUS::simplify(C_PROGRAM& program) {
  simplify_incremented(operand, program);
  return this;
}

C_TYPE* UNARY_POSTFIX_PLUS_PLUS::type_of(C_PROGRAM& program) {
  return operand->type_of(program);
}

EXPRESSION* UNARY_POSTFIX_MINUS_MINUS::simplify(C_PROGRAM& program) {
  simplify_incremented(operand, program);
  return this;
}

C_TYPE* UNARY_POSTFIX_MINUS_MINUS::type_of(C_PROGRAM& program) {
  return operand->type_of(program);
}

namespace {

// The value brought to n bits: unsigned types (and pointers) keep the low bits, the others
// read them as a signed number.
int32_t reduced_to_width(int32_t value, int n, const C_TYPE& type) {
  const auto low = static_cast<uint32_t>(value) & static_cast<uint32_t>(uint_max(n));
  const bool is_signed = type.kind() == TYPE_KIND::char_type || type.kind() == TYPE_KIND::int_type;
  const uint32_t sign = uint32_t{1} << (n - 1);
  return is_signed ? static_cast<int32_t>((low ^ sign) - sign) : static_cast<int32_t>(low);
}

// The variable an operand names, through a name bound late; nullptr for any other operand.
VARIABLE* named_variable(EXPRESSION* operand, C_PROGRAM& program) {
  if (auto* name = kind_cast<NAME>(operand)) {
    name->type_of(program);  // binds it
    operand = name->resolution;
  }
  if (auto* local = kind_cast<LOCAL_VARIABLE>(operand)) return local;
  if (auto* global = kind_cast<GLOBAL_VARIABLE>(operand)) return global;
  return nullptr;
}

int32_t words_of(DECLARATOR* declarator, C_PROGRAM& program) {
  declarator->check(program);
  return words_of_declarator(declarator);
}

}  // namespace

EXPRESSION* CAST::simplify(C_PROGRAM& program) {
  if (type != nullptr && type->is_void()) {
    simplify_operand(operand, program);
    return this;
  }
  EXPRESSION* simplified = simplify_value(operand, program);
  if (simplified == nullptr || !simplified->is_constant()) return this;
  if (type == nullptr) return simplified;
  const int32_t value = static_cast<DECIMAL_CONSTANT*>(simplified)->value;
  auto* constant = program.make<DECIMAL_CONSTANT>(
      position, simplified->end_position(), reduced_to_width(value, program.data_size(), *type));
  constant->simplify(program);
  constant->type = type;
  return constant;
}

C_TYPE* CAST::type_of(C_PROGRAM& program) {
  return type != nullptr ? type : operand->type_of(program);
}

EXPRESSION* SIZE_OF::simplify(C_PROGRAM& program) {
  int32_t words = 1;
  if (VARIABLE* variable = named_variable(operand, program)) {
    // A laid-out list gives an array written without length its length.
    auto* global = kind_cast<GLOBAL_VARIABLE>(variable);
    auto* list = global == nullptr ? nullptr : kind_cast<INITIALIZER_LIST>(global->declaration);
    if (list != nullptr && list->braces != nullptr) list->check(program);
    words = words_of(variable->declarator->declared(), program);
  } else if (auto* member = dynamic_cast<MEMBER_ACCESS*>(operand)) {
    words = member->member_words(program);
  } else if (EXPRESSION* simplified = simplify_operand(operand, program)) {
    const C_TYPE* type = simplified->type_of(program);
    if (type != nullptr && type->is_void())
      program.services.error_handler.error_at(position, "sizeof of void.");
    words = words_of_type(type);
  }
  auto* size = program.make<DECIMAL_CONSTANT>(position, operand->end_position(), words);
  return size->simplify(program);
}

C_TYPE* SIZE_OF::type_of(C_PROGRAM& program) {
  return program.make<INT_TYPE>(position);
}
