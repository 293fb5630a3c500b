// The binary operators' checks. Two constant operands fold into a new constant that spans both
// and is typed like any constant; shifts never fold but record a constant count, which must lie
// within the width of the machine's int.
#include "cfront/binary.h"

#include "base/error_handler.h"
#include "base/kind_cast.h"
#include "cfront/c_program.h"
#include "cfront/constant.h"
#include "cfront/function_pointer.h"
#include "cfront/pointer_steps.h"

namespace {

int32_t constant_value(const EXPRESSION* expression) {
  return static_cast<const DECIMAL_CONSTANT*>(expression)->value;
}

}  // namespace

C_TYPE* BINARY::type_of(C_PROGRAM& program) {
  if (C_TYPE* difference = structure_pointer_difference(*this, program)) return difference;
  return left->type_of(program);
}

// 32-bit arithmetic that wraps.
int32_t BINARY_PLUS::fold(int32_t l, int32_t r) const {
  return static_cast<int32_t>(static_cast<uint32_t>(l) + static_cast<uint32_t>(r));
}

int32_t BINARY_MINUS::fold(int32_t l, int32_t r) const {
  return static_cast<int32_t>(static_cast<uint32_t>(l) - static_cast<uint32_t>(r));
}

int32_t MULTIPLY::fold(int32_t l, int32_t r) const {
  return static_cast<int32_t>(static_cast<uint32_t>(l) * static_cast<uint32_t>(r));
}

// In 64 bits, so that the most negative value divided by -1 wraps instead of trapping.
int32_t DIVIDE::fold(int32_t l, int32_t r) const {
  return static_cast<int32_t>(static_cast<int64_t>(l) / r);
}

int32_t MODULO::fold(int32_t l, int32_t r) const {
  return static_cast<int32_t>(static_cast<int64_t>(l) % r);
}

bool DIVIDING::folds(C_PROGRAM& program, int32_t right) {
  if (right != 0) return true;
  program.services.error_handler.error_at(position, "Division by zero.");
  return false;
}

EXPRESSION* COMMA::simplify(C_PROGRAM& program) {
  simplify_operand(left, program);
  simplify_value(right, program);
  return this;
}

C_TYPE* COMMA::type_of(C_PROGRAM& program) {
  return right->type_of(program);
}

bool COMMA::is_boolean(C_PROGRAM& program) {
  return right->is_boolean(program);
}

namespace {

// `p + 1` steps over what p points to: a void * or a function pointer has nothing to step over.
void refuse_arithmetic_without_object(BINARY& node, C_PROGRAM& program) {
  if (node.kind() != EXPRESSION_KIND::binary_plus && node.kind() != EXPRESSION_KIND::binary_minus)
    return;
  if (points_to_no_object(node.left->type_of(program)) ||
      points_to_no_object(node.right->type_of(program)))
    program.services.error_handler.error_at(node.position,
                                            "No arithmetic on a void * or a function pointer.");
}

}  // namespace

namespace {

// The type of a pointer plus or minus a number; nullptr for anything else.
C_TYPE* pointer_operand_type(EXPRESSION& left, EXPRESSION& right, C_PROGRAM& program) {
  C_TYPE* left_type = left.type_of(program);
  C_TYPE* right_type = right.type_of(program);
  const bool left_pointer = kind_cast<POINTER_TYPE>(left_type) != nullptr;
  const bool right_pointer = kind_cast<POINTER_TYPE>(right_type) != nullptr;
  if (left_pointer == right_pointer) return nullptr;
  return left_pointer ? left_type : right_type;
}

}  // namespace

EXPRESSION* FOLDING::simplify(C_PROGRAM& program) {
  if (EXPRESSION* difference = scale_pointer_arithmetic(*this, program)) return difference;
  EXPRESSION* written_left = left;
  EXPRESSION* written_right = right;
  EXPRESSION* simplified_left = simplify_value(left, program);
  EXPRESSION* simplified_right = simplify_value(right, program);
  if (simplified_left == nullptr || simplified_right == nullptr) return this;
  refuse_arithmetic_without_object(*this, program);
  if (!simplified_left->is_constant() || !simplified_right->is_constant()) return this;
  if (!folds(program, constant_value(simplified_right))) return this;
  auto* folded = program.make<DECIMAL_CONSTANT>(
      simplified_left->position_of(), simplified_right->end_position(),
      fold(constant_value(simplified_left), constant_value(simplified_right)));
  folded->simplify(program);
  // An array's address plus a step is still a pointer, though both fold to numbers.
  if (C_TYPE* pointer = pointer_operand_type(*written_left, *written_right, program))
    folded->type = pointer;
  return folded;
}

EXPRESSION* SHIFT::simplify(C_PROGRAM& program) {
  EXPRESSION* shifted = simplify_value(left, program);
  EXPRESSION* shift_count = simplify_value(right, program);
  if (shifted == nullptr || shift_count == nullptr) {
    program.services.error_handler.error_at(position, "Bad shift operator.");
    return this;
  }
  record_shift_count(*shift_count, program, constant_count, count);
  return this;
}

void record_shift_count(const EXPRESSION& count_expression, C_PROGRAM& program,
                        bool& constant_count, int32_t& count) {
  if (!count_expression.is_constant()) return;
  constant_count = true;
  count = constant_value(&count_expression);
  if (count >= 0 && count < program.data_size()) return;
  ERROR_HANDLER& error_handler = program.services.error_handler;
  error_handler.add_position(count_expression.position_of());
  error_handler.append("Shift argument out of range: ").append(count);
  error_handler.error();
}
