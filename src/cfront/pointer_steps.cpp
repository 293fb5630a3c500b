// Scaling of pointer steps: the count becomes count * words, a product the folding of constants
// then reduces; a node is scaled once, however often it is simplified.
#include "cfront/pointer_steps.h"

#include "base/error_handler.h"
#include "base/kind_cast.h"
#include "cfront/assignments.h"
#include "cfront/binary.h"
#include "cfront/c_program.h"
#include "cfront/c_types.h"
#include "cfront/constant.h"
#include "cfront/struct_type.h"
#include "cfront/unary.h"

namespace {

// What the operand points to, or nullptr when it is no pointer. `&x` is typed as x itself.
const C_TYPE* pointed_to_or_null(EXPRESSION* e, C_PROGRAM& program) {
  if (auto* address = kind_cast<UNARY_AND>(e)) return address->operand->type_of(program);
  const auto* pointer = kind_cast<POINTER_TYPE>(e->type_of(program));
  return pointer == nullptr ? nullptr : pointer->pointed_to;
}

void scale(EXPRESSION*& count, int32_t words, C_PROGRAM& program) {
  const POSITION at = count->end_position();
  auto* factor = program.make<DECIMAL_CONSTANT>(at, at, words);
  count = program.make<MULTIPLY>(count->position_of(), count, factor);
}

bool is_structure(EXPRESSION* e, C_PROGRAM& program) {
  return kind_cast<UNARY_AND>(e) == nullptr && layout_of(e->type_of(program)) != nullptr;
}

}  // namespace

void scale_count(EXPRESSION*& count, const C_TYPE* pointer_type, C_PROGRAM& program) {
  const int32_t words = pointed_to_words(pointer_type);
  if (words > 1) scale(count, words, program);
}

int32_t pointed_to_words(const C_TYPE* type) {
  const auto* pointer = kind_cast<POINTER_TYPE>(type);
  return pointer == nullptr ? 1 : words_of_type(pointer->pointed_to);
}

EXPRESSION* scale_pointer_arithmetic(FOLDING& node, C_PROGRAM& program) {
  const bool additive =
      node.kind() == EXPRESSION_KIND::binary_plus || node.kind() == EXPRESSION_KIND::binary_minus;
  if (node.steps_scaled) return nullptr;
  node.steps_scaled = true;
  refuse_structure_operands(node, program, "A structure is not a number.");
  if (!additive) return nullptr;
  const C_TYPE* left = pointed_to_or_null(node.left, program);
  const C_TYPE* right = pointed_to_or_null(node.right, program);
  const int32_t words = words_of_type(left != nullptr ? left : right);
  if (words <= 1) return nullptr;
  if (left != nullptr && right != nullptr) {
    if (node.kind() != EXPRESSION_KIND::binary_minus) return nullptr;
    const POSITION at = node.end_position();
    EXPRESSION* quotient =
        program.make<DIVIDE>(node.position, &node, program.make<DECIMAL_CONSTANT>(at, at, words));
    EXPRESSION* count = program.make<CAST>(node.position, quotient, program.make<INT_TYPE>(at));
    return simplify_value(count, program);
  }
  scale(left != nullptr ? node.right : node.left, words, program);
  return nullptr;
}

C_TYPE* structure_pointer_difference(BINARY& node, C_PROGRAM& program) {
  if (node.kind() != EXPRESSION_KIND::binary_minus) return nullptr;
  const C_TYPE* left = pointed_to_or_null(node.left, program);
  const C_TYPE* right = pointed_to_or_null(node.right, program);
  if (left == nullptr || right == nullptr || layout_of(left) == nullptr) return nullptr;
  return program.make<INT_TYPE>(node.position);
}

void scale_pointer_step(ASSIGNMENT& node, C_PROGRAM& program) {
  if (node.kind() != EXPRESSION_KIND::plus_assignment &&
      node.kind() != EXPRESSION_KIND::minus_assignment)
    return;
  const int32_t words = pointed_to_words(node.target->type_of(program));
  if (words > 1) scale(node.source, words, program);
}

void refuse_structure_operands(BINARY& node, C_PROGRAM& program, std::string_view message) {
  if (is_structure(node.left, program) || is_structure(node.right, program))
    program.services.error_handler.error_at(node.position, message);
}
