// The four code-generation operations of a checked expression. Expressions never choose
// instructions: they obtain their operands' media, take temporaries and call the media's
// operations. Each node family has its file; the functions here dispatch to them.
#pragma once

#include <cstdint>

class CODEGEN;
class EXPRESSION;
class FUNCTION_CALL;
class STORAGE_MEDIUM;

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

// The families, each answering nullptr for an expression that is not one of theirs.
STORAGE_MEDIUM* operand_medium(CODEGEN& g, EXPRESSION* e);
STORAGE_MEDIUM* arithmetic_medium(CODEGEN& g, EXPRESSION* e);
STORAGE_MEDIUM* condition_medium(CODEGEN& g, EXPRESSION* e);
STORAGE_MEDIUM* assignment_medium(CODEGEN& g, EXPRESSION* e);
STORAGE_MEDIUM* call_value_medium(CODEGEN& g, EXPRESSION* e);
// A call's code; answers the callee's result medium itself (or a DEV_NULL_SM), as `x = f();`
// and `return f();` use it.
STORAGE_MEDIUM& call_result_medium(CODEGEN& g, FUNCTION_CALL& call);
bool relational_jump_if(CODEGEN& g, EXPRESSION* e, bool when_true, int32_t& slot);
bool assignment_side_effects(CODEGEN& g, EXPRESSION* e);
bool call_side_effects(CODEGEN& g, EXPRESSION* e);
// The medium of a variable, a parameter or a named register, given on first need.
STORAGE_MEDIUM* named_medium(CODEGEN& g, EXPRESSION* e);

// value shifted one place at a time while counter counts down to 0; releases counter.
void emit_shift_loop(CODEGEN& g, STORAGE_MEDIUM& value, STORAGE_MEDIUM& counter, bool left);
// target := the RAM address of addressed (a word or an element), through a scratch register
// when target is itself in RAM.
void load_address(CODEGEN& g, STORAGE_MEDIUM& target, STORAGE_MEDIUM& addressed);
