// Random programs of the accepted C subset, for testing the code generator against a model of its
// own: a seeded generator builds a small tree (not the compiler's classes), which prints itself as
// C text and evaluates itself word by word in N bits, giving the expected contents of `out`.
//
// The evaluation follows the machine's calling convention: parameters, locals and results have
// one fixed place each, and only a function calling itself gets its parameters and locals back.
// Operands are reached in the compiled order (the right one first for + - & |, the left one
// first for comparisons), and a variable operand is read when its operator uses it, so after
// every call in the expression. An operator's intermediate value may have to outlive a later
// call, which the compiled code must keep it safe from (SETTINGS can forbid that). Where the
// compiled code could mean otherwise, MEANING says which reading is taken.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace random_program {

enum class KIND { INT, UNSIGNED, POINTER };

// The C types an expression can have, as far as comparisons care.
enum class VALUE_TYPE { CHAR, UNSIGNED_CHAR, INT, UNSIGNED_INT, POINTER };

struct EXPR;

struct VARIABLE {
  std::string name;
  KIND kind = KIND::INT;
  int size = 0;                  // number of elements of an array; 0 for a scalar
  std::vector<int32_t> initial;  // initialiser as written (one value, or one per element)
  // A local scalar's initialiser computed where its block starts, instead of a constant.
  std::shared_ptr<EXPR> initial_value;
  int target_size = 0;  // a pointer: elements it may index (1: a scalar)
};

enum class OP {
  CONSTANT,
  VARIABLE,     // a scalar, or an array's name as a value
  ELEMENT,      // variable[operands[0]], the variable an array or a pointer
  DEREFERENCE,  // *variable
  ADDRESS_OF,   // &variable
  CALL,         // function(operands...)
  PLUS,
  MINUS,
  AND,
  OR,
  XOR,
  MULTIPLY,
  DIVIDE,  // a divisor of 0 gives all ones, and the remainder the dividend
  MODULO,
  SHIFT_LEFT,
  SHIFT_RIGHT,
  NEGATE,
  POST_INCREMENT,  // operands[0]++, operands[0] an lvalue
  POST_DECREMENT,
  EQ,
  NE,
  LT,
  LE,
  GT,
  GE,
  LOGICAL_AND,
  LOGICAL_OR,
  CONDITIONAL,  // operands[0] ? operands[1] : operands[2], both branches of one type
  COMMA,        // operands[0], operands[1]
  CAST          // (type)operands[0], the type a VALUE_TYPE held in value
};

struct EXPR {
  OP op = OP::CONSTANT;
  int32_t value = 0;  // CONSTANT: the value as written
  int variable = -1;  // VARIABLE, ELEMENT, DEREFERENCE, ADDRESS_OF
  int function = -1;  // CALL
  std::vector<EXPR> operands;
  // Written in the prefix form C defines by it: EQ with 0 as `!a`, XOR with -1 as `~a`.
  bool prefix_form = false;
};

enum class STATEMENT_KIND {
  ASSIGN,
  EXPRESSION,
  IF,
  WHILE,
  DO_WHILE,
  FOR,
  SWITCH,
  RETURN,
  BLOCK,
  BREAK,    // out of the innermost loop or switch
  CONTINUE  // on with the innermost loop: its step (a for), or its test
};
enum class ASSIGN_OP { SET, ADD, SUBTRACT, SHIFT_LEFT, SHIFT_RIGHT, AND, OR, XOR, MULTIPLY, DIVIDE, MODULO };

struct STATEMENT;

struct BLOCK {
  std::vector<int> locals;  // declared at its head, each with its initialiser
  std::vector<STATEMENT> statements;
};

struct STATEMENT {
  STATEMENT_KIND kind = STATEMENT_KIND::EXPRESSION;
  ASSIGN_OP assign = ASSIGN_OP::SET;
  // ASSIGN: target, source. EXPRESSION: the expression. IF, WHILE, DO_WHILE, FOR: the condition.
  // SWITCH: the selector. RETURN: the value.
  std::vector<EXPR> expressions;
  // IF: then, else (absent or present). Loops: the body. SWITCH: one per case, then the default.
  // BLOCK: the block itself.
  std::vector<BLOCK> blocks;
  std::vector<STATEMENT> parts;  // FOR: the initial assignment and the step
  std::vector<int32_t> case_values;
  // ASSIGN: an ADD or SUBTRACT of 1 written `++x` or `--x`.
  bool prefix_form = false;
};

struct FUNCTION {
  std::string name;
  bool returns_value = true;
  KIND return_kind = KIND::INT;
  std::vector<int> parameters;  // variables
  int result = -1;              // the variable standing for its one result place
  BLOCK body;
};

struct PROGRAM {
  int data_size = 8;                // N
  std::vector<VARIABLE> variables;  // globals, parameters, locals and results alike
  std::vector<int> globals;         // in source order; `out` among them
  std::vector<FUNCTION> functions;  // in definition order, `main` last
  int out = -1;                     // the output array

  std::string c_source() const;
  // The C type of an expression, constants typed by their folded value.
  VALUE_TYPE type_of(const EXPR& e) const;
};

// What the evaluator found: the expected words of `out` (N-bit values, sign-extended), or the
// reason the program is unfit (a fault of the generator, never of the compiler).
struct EVALUATION {
  bool ok = false;
  std::string problem;
  std::vector<int32_t> out;
  long operations = 0;  // operators and statements run: about the compiled code's work
};

// The readings of the points where the compiled code could do otherwise. The defaults are the
// ones the code generator is meant to have; each flag turned the other way gives the reading of
// the calling convention and of the type rules taken to the letter.
struct MEANING {
  // A switch runs the case whose value equals the selector, else its default (false: only its
  // body block is compiled, so no case ever runs).
  bool switch_runs_cases = true;
  // A call evaluates all its arguments before its parameters receive them (false: each parameter
  // receives its argument at once, so a later argument calling the same function overwrites it).
  bool arguments_before_parameters = true;
  // A call's value is taken when the call returns (false: it is the function's one result place,
  // read when the operator uses it, so f(1) + f(2) reads f(1)'s result twice).
  bool call_value_is_copied = true;
  // A comparison is unsigned when an operand has an unsigned leaf under + - & | ^ (false: when
  // an operand's type, which for those operators is their left operand's, is unsigned).
  bool unsigned_through_operators = true;
  // A function that calls itself finds its parameters and locals as they were before the call,
  // as in C (false: every activation shares them, the inner one leaving its values).
  bool recursion_restores_caller = true;
};

EVALUATION evaluate(const PROGRAM& program, const MEANING& meaning = {});

// The value of a constant expression as the front end folds it (32-bit), when it is one.
std::optional<int32_t> folded(const EXPR& e);

struct SETTINGS {
  int data_size = 8;         // N
  int stack_depth = 16;      // Z: return addresses the hardware stack holds
  int ram_words = 64;        // 2^L: the RAM the program's variables and temporaries may fill
  int out_size = 8;          // elements of `out`
  int functions = 3;         // helper functions before main, at most
  int statements = 6;        // statements of a function body, about
  int expression_depth = 3;  // operators above a leaf, at most
  bool recursion = true;     // a bounded recursive function may be defined
  bool switches = true;
  bool pointers = true;
  bool variable_indices = true;  // array elements indexed by a variable or an expression
  bool unsigned_types = true;
  bool calls_in_expressions = true;
  // A call's value may be a whole assignment's source or a returned value (false: calls are
  // statements only, so C's unspecified order of a target and its source never matters).
  bool calls_as_values = true;
  bool divisions = true;     // `/`, `%` and their assignments (by 0 they differ from C's)
  bool right_shifts = true;  // `>>` and `>>=` (a negative value shifts in zeros here)
  // Operators' intermediate values may have to outlive a call made later in the expression;
  // otherwise the generator keeps them apart, and a call's operand partner is a constant or a
  // variable.
  bool temporaries_across_calls = true;
  // Relative calls and jumps reach 2048 words: the program is kept well within that, counted in
  // expression nodes and statements.
  int node_limit = 420;
};

// A program made only from the seed and the settings: the same pair makes the same program.
PROGRAM generate(uint32_t seed, const SETTINGS& settings);

// An upper bound of the RAM words the compiled program can take when every variable and every
// operator's intermediate value lands in RAM, with room for a recursion as deep as the stack.
int worst_case_ram_words(const PROGRAM& program, int stack_depth);
// The program's size: its expression nodes and statements.
int node_count(const PROGRAM& program);

}  // namespace random_program
