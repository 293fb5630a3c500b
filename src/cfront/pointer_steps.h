// Pointer arithmetic counts elements: a step of a pointer to a structure of n words moves it
// n words, and the difference of two such pointers is divided by n. Structures are no numbers:
// an operator other than `=` on one is reported.
#pragma once

#include <cstdint>
#include <string_view>

class ASSIGNMENT;
class BINARY;
class C_PROGRAM;
class C_TYPE;
class EXPRESSION;
class FOLDING;

// The words of what a pointer type points to; 1 for any other type.
int32_t pointed_to_words(const C_TYPE* type);
// An index or a count of elements of a pointer type, multiplied in place by their words.
void scale_count(EXPRESSION*& count, const C_TYPE* pointer_type, C_PROGRAM& program);
// `p + n`, `n + p`, `p - n`: n is scaled in place (once). `p - q` answers the int quotient to
// use instead; otherwise nullptr.
EXPRESSION* scale_pointer_arithmetic(FOLDING& node, C_PROGRAM& program);
// The int type of `p - q` for pointers to structures, or nullptr for any other operator.
C_TYPE* structure_pointer_difference(BINARY& node, C_PROGRAM& program);
// `p += n`, `p -= n`: n is scaled in place.
void scale_pointer_step(ASSIGNMENT& node, C_PROGRAM& program);
// Reports message at the operator when either operand is a structure.
void refuse_structure_operands(BINARY& node, C_PROGRAM& program, std::string_view message);
