// The library names a C call needs no definition for: each compiles to its instruction in line.
// asm_ROL, asm_TTSR and exit have always been there; asm_OUT, asm_IN and asm_IEM give C the port
// and internal-error instructions that programs otherwise write in an #asm macro.
#pragma once

#include <string_view>

enum class BUILT_IN { rotate_left, to_status_register, exit, output, input, internal_error };

struct BUILT_IN_FUNCTION {
  std::string_view name;
  BUILT_IN which;
  int argument_count;  // -1: any (exit's argument was always optional)
  bool port_first;     // the first argument is a port number, a constant from 0 to 127
  bool gives_value;    // an int
};

inline constexpr BUILT_IN_FUNCTION built_in_functions[] = {
    {"asm_ROL", BUILT_IN::rotate_left, 1, false, false},
    {"asm_TTSR", BUILT_IN::to_status_register, 1, false, false},
    {"exit", BUILT_IN::exit, -1, false, false},
    {"asm_OUT", BUILT_IN::output, 2, true, false},
    {"asm_IN", BUILT_IN::input, 1, true, true},
    {"asm_IEM", BUILT_IN::internal_error, 1, false, false},
};

inline constexpr int highest_port = 127;

// The library function of that name, or nullptr.
const BUILT_IN_FUNCTION* find_built_in(std::string_view name);

class C_PROGRAM;
class FUNCTION_CALL;

// Binds an unresolved call of a library name to its function and checks its arguments: their
// number, and a port that is a constant from 0 to 127.
void check_built_in_call(FUNCTION_CALL& call, C_PROGRAM& program);
