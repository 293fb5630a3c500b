// The two ways out of the C front end that do not return. An abandoned parse unwinds to the
// file's parse_c_file, which reports its message again; a compiler stop unwinds to the build's
// update, which reports the notice as an error, leaves no code, and ends a batch mode with
// status 1 (the window keeps the project open).
#pragma once

#include <string>
#include <string_view>

#include "base/position.h"

// "This aspect of ANSI C is not implemented." or "Syntax error.", already reported once. A
// refusal that names its construct has said all there is to say: it is not repeated.
struct C_PARSE_ABANDONED {
  std::string message;
  bool repeated = true;
};

// A construct that parses but has no meaning yet (a prototype without a body, a void value
// used, ...): the build stops at once.
struct COMPILER_STOP {
  std::string notice;  // one line, without its line end
  POSITION position;   // where, when known (no file otherwise)
};

// Throws the stop whose notice reads "Compilation stopped: <what> is not implemented."
[[noreturn]] inline void stop_compiler(std::string_view what, POSITION position = {}) {
  throw COMPILER_STOP{"Compilation stopped: " + std::string(what) + " is not implemented.",
                      position};
}
