// The four code-generation operations of a checked expression. Expressions never choose
// instructions: they obtain their operands' media, take temporaries and call the media's
// operations. Each node family has its file; the operations here switch over the kind.
#pragma once

#include <cstdint>
#include <vector>

class ASSIGNMENT;
class C_FUNCTION;
class BINARY;
class CAST;
class CONDITIONAL;
class CODEGEN;
class EXPRESSION;
class FUNCTION_CALL;
class LOGICAL;
class POINTER_USAGE;
class SHIFT;
class SHIFT_ASSIGNMENT;
class STORAGE_MEDIUM;
class UNARY;

// Emits the code computing the value and answers the medium holding it. A temporary among
// the answers is the caller's to release.
STORAGE_MEDIUM& medium(CODEGEN& g, EXPRESSION* expression);
// Emits a branch taken when the truth value equals when_true; answers its jump slots.
int32_t jump_if(CODEGEN& g, EXPRESSION* expression, bool when_true);
// Emits only what the value's side effects need (an expression statement).
void side_effects(CODEGEN& g, EXPRESSION* expression);
// Stores value into the lvalue's location.
void store(CODEGEN& g, EXPRESSION* lvalue, STORAGE_MEDIUM& value);
// The lvalue's location with its address worked out once, to read and write in place; the
// caller releases it.
STORAGE_MEDIUM& location(CODEGEN& g, EXPRESSION* lvalue);

// The expression a late-bound name stands for.
EXPRESSION* resolved(EXPRESSION* expression);
// A medium the address sequences cannot add as an index (a pool word, an element), copied
// into a temporary; other media as they are.
STORAGE_MEDIUM& in_simple_medium(CODEGEN& g, STORAGE_MEDIUM& m);

// The code of each kind of expression, in the file of its family; the operations above switch
// over the kind to choose one. Each answers the medium holding the value, as medium() does.
// Operands: the medium of a variable, a parameter or a named register, given on first need
// (nullptr for any other expression); an indexed element.
STORAGE_MEDIUM* named_medium(CODEGEN& g, EXPRESSION* e);
STORAGE_MEDIUM& indexed_medium(CODEGEN& g, POINTER_USAGE& usage);
// Arithmetic: a + b; a - b, a & b, a | b, a ^ b by the combining operation; the shifts; the
// unary operators.
using COMBINING = void (STORAGE_MEDIUM::*)(CODEGEN&, STORAGE_MEDIUM&);
STORAGE_MEDIUM& sum(CODEGEN& g, BINARY& node);
STORAGE_MEDIUM& combination(CODEGEN& g, BINARY& node, COMBINING combine);
STORAGE_MEDIUM& shift(CODEGEN& g, SHIFT& node, bool left);
STORAGE_MEDIUM& negation(CODEGEN& g, UNARY& node);
STORAGE_MEDIUM& address_of(CODEGEN& g, UNARY& node);
STORAGE_MEDIUM& dereference(CODEGEN& g, UNARY& node);
// Conditions: a comparison's value 0 or 1, && and ||; the branch of a comparison, or false
// for an expression that is none.
STORAGE_MEDIUM& relational_value(CODEGEN& g, EXPRESSION& node);
STORAGE_MEDIUM& logical_value(CODEGEN& g, LOGICAL& node, bool is_and);
bool relational_jump_if(CODEGEN& g, EXPRESSION* e, bool when_true, int32_t& slot);
// Assignments and the postfix steps; a step as a statement changes the location alone.
STORAGE_MEDIUM& simple_assignment(CODEGEN& g, ASSIGNMENT& node);
// `x += e`, `x &= e`, `x |= e`, `x ^= e`: e into a temporary, combined with x, stored back.
using COMBINE = void (STORAGE_MEDIUM::*)(CODEGEN&, STORAGE_MEDIUM&);
STORAGE_MEDIUM& combining_assignment(CODEGEN& g, ASSIGNMENT& node, COMBINE combine);
STORAGE_MEDIUM& minus_assignment(CODEGEN& g, ASSIGNMENT& node);
STORAGE_MEDIUM& shift_assignment(CODEGEN& g, SHIFT_ASSIGNMENT& node, bool left);
STORAGE_MEDIUM& post_step(CODEGEN& g, UNARY& node, int32_t step);
void step_in_place(CODEGEN& g, UNARY& node, int32_t step);
// Calls: the value copied into a temporary; the callee's result medium itself (or a
// DEV_NULL_SM), as `x = f();` and `return f();` use it.
STORAGE_MEDIUM& call_value_medium(CODEGEN& g, FUNCTION_CALL& call);
STORAGE_MEDIUM& call_result_medium(CODEGEN& g, FUNCTION_CALL& call);
// A call of a library function (built_in_functions.h), compiled in line.
STORAGE_MEDIUM& built_in_call(CODEGEN& g, FUNCTION_CALL& call);
// Each argument in a temporary (or the constant it is), evaluated from the first to the last.
std::vector<STORAGE_MEDIUM*> evaluated_arguments(CODEGEN& g, const FUNCTION_CALL& call);
// The RCALL of function with its arguments' media ready: the temporaries held before they were
// computed (or, for a call that may recurse, the caller's frame) are kept around it.
STORAGE_MEDIUM& call_with_arguments(CODEGEN& g, const C_FUNCTION& function,
                                    const std::vector<STORAGE_MEDIUM*>& held,
                                    const std::vector<STORAGE_MEDIUM*>& arguments,
                                    bool release_arguments);
// A call through a function pointer (indirect_call.cpp).
STORAGE_MEDIUM& call_through_pointer(CODEGEN& g, FUNCTION_CALL& call);

// `*`, `/`, `%` and their assignments, through the arithmetic routines.
enum class MULTIPLICATIVE_OPERATION { multiply, divide, modulo };
STORAGE_MEDIUM& multiplicative_value(CODEGEN& g, BINARY& node, MULTIPLICATIVE_OPERATION operation);
STORAGE_MEDIUM& multiplicative_assignment(CODEGEN& g, ASSIGNMENT& node,
                                          MULTIPLICATIVE_OPERATION operation);
// `c ? a : b`: its value in a temporary; as a statement, only the chosen operand's side effects.
STORAGE_MEDIUM& conditional_value(CODEGEN& g, CONDITIONAL& node);
void conditional_side_effects(CODEGEN& g, CONDITIONAL& node);
// Whether C's usual conversions make an operation on the operand unsigned.
bool is_unsigned_operand(CODEGEN& g, EXPRESSION* operand);

// value shifted one place at a time while counter counts down to 0; releases counter.
void emit_shift_loop(CODEGEN& g, STORAGE_MEDIUM& value, STORAGE_MEDIUM& counter, bool left);
// target := the RAM address of addressed (a word or an element), through a scratch register
// when target is itself in RAM.
void load_address(CODEGEN& g, STORAGE_MEDIUM& target, STORAGE_MEDIUM& addressed);
