// Stage 2, the live code: from `main`, a function becomes live when a call to it is checked, and
// it is checked there and then, before its caller's check goes on. Functions that no live
// function calls are never checked.
#include <algorithm>
#include <string>

#include "base/echo.h"
#include "base/error_handler.h"
#include "cfront/c_function.h"
#include "cfront/c_parser.h"
#include "cfront/c_program.h"
#include "cfront/calls.h"
#include "cfront/compound.h"
#include "cfront/function_pointer.h"

namespace {

// A callee is checked inside its caller's check, so a chain of calls nests the walk. The return
// stack holds at most 64 addresses, so a program nesting calls far deeper could not run anyway;
// beyond this the walk stops going deeper rather than overflow the compiler's own stack.
constexpr int call_nesting_limit = 4 * nesting_limit;

}  // namespace

void C_PROGRAM::compute_live_code() {
  if (main == nullptr) return;  // the pipeline reports a project without `main`
  for (C_FUNCTION* function : functions) latest_definitions_[function->text] = function;
  check_prototypes();
  live.push_back(main);
  main->is_live = true;
  services.echo.echo_string("(2) Compute live code ...\n");
  check_function(*main);
  bind_calls_through_pointers(*this);
}

void C_PROGRAM::check_function(C_FUNCTION& function) {
  const std::string name = function.text != nullptr ? *function.text : std::string();
  services.echo.echo_string("Checking of live C function \"" + name + "\" has just started.\n");
  if (checks_under_way >= call_nesting_limit) {
    services.error_handler.error_at(function.position, "Calls nested too deeply to be checked.");
    return;
  }
  ++checks_under_way;
  if (function.body != nullptr) function.body->check(*this);
  --checks_under_way;
  services.echo.echo_string("C function \"" + name + "\" is checked.\n");
}

// The definition completed last wins. A recursive call finds its callee live already.
C_FUNCTION* C_PROGRAM::resolve_call(FUNCTION_CALL& call) {
  auto found = latest_definitions_.find(call.text);
  if (found == latest_definitions_.end()) return nullptr;
  C_FUNCTION& callee = *found->second;
  call.function = &callee;
  callee.calls.push_back(&call);
  make_live(callee);
  return &callee;
}

C_FUNCTION* C_PROGRAM::find_function(INTERNED text) const {
  auto found = latest_definitions_.find(text);
  return found == latest_definitions_.end() ? nullptr : found->second;
}

void C_PROGRAM::make_live(C_FUNCTION& function) {
  if (function.is_live) return;
  function.is_live = true;
  live.push_back(&function);
  check_function(function);
}
