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

namespace {

const C_TYPE* pointer_or_null(EXPRESSION* e, C_PROGRAM& program) {
  const C_TYPE* type = e->type_of(program);
  return kind_cast<POINTER_TYPE>(type);
}

void scale(EXPRESSION*& count, int32_t words, C_PROGRAM& program) {
  const POSITION at = count->end_position();
  auto* factor = program.make<DECIMAL_CONSTANT>(at, at, words);
  count = program.make<MULTIPLY>(count->position_of(), count, factor);
}

bool is_structure(EXPRESSION* e, C_PROGRAM& program) {
  return layout_of(e->type_of(program)) != nullptr;
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
  const bool additive = node.kind() == EXPRESSION_KIND::binary_plus ||
                        node.kind() == EXPRESSION_KIND::binary_minus;
  if (node.steps_scaled) return nullptr;
  node.steps_scaled = true;
  refuse_structure_operands(node, program, "A structure is not a number.");
  if (!additive) return nullptr;
  const C_TYPE* left = pointer_or_null(node.left, program);
  const C_TYPE* right = pointer_or_null(node.right, program);
  const int32_t words = pointed_to_words(left != nullptr ? left : right);
  if (words <= 1) return nullptr;
  if (left != nullptr && right != nullptr) {
    if (node.kind() != EXPRESSION_KIND::binary_minus) return nullptr;
    const POSITION at = node.end_position();
    EXPRESSION* quotient = program.make<DIVIDE>(
        node.position, &node, program.make<DECIMAL_CONSTANT>(at, at, words));
    return quotient->simplify(program);
  }
  scale(left != nullptr ? node.right : node.left, words, program);
  return nullptr;
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
