// Stage 2, the live code: from `main`, a function becomes live when a call to it is checked, and
// it is checked there and then, before its caller's check goes on. Functions that no live
// function calls are never checked.
#include <algorithm>
#include <string>

#include "base/echo.h"
#include "cfront/c_function.h"
#include "cfront/c_program.h"
#include "cfront/calls.h"
#include "cfront/compound.h"

void C_PROGRAM::compute_live_code() {
  if (main == nullptr) return;  // the pipeline reports a project without `main`
  live.push_back(main);
  services.echo.echo_string("(2) Compute live code ...\n");
  check_function(*main);
}

void C_PROGRAM::check_function(C_FUNCTION& function) {
  const std::string name = function.text != nullptr ? *function.text : std::string();
  services.echo.echo_string("Checking of live C function \"" + name + "\" has just started.\n");
  if (function.body != nullptr) function.body->check(*this);
  services.echo.echo_string("C function \"" + name + "\" is checked.\n");
}

// The definition completed last wins. A recursive call finds its callee live already.
C_FUNCTION* C_PROGRAM::resolve_call(FUNCTION_CALL& call) {
  auto found =
      std::find_if(functions.rbegin(), functions.rend(),
                   [&call](const C_FUNCTION* function) { return function->text == call.text; });
  if (found == functions.rend()) return nullptr;
  C_FUNCTION& callee = **found;
  call.function = &callee;
  callee.calls.push_back(&call);
  if (std::find(live.begin(), live.end(), &callee) == live.end()) {
    live.push_back(&callee);
    check_function(callee);
  }
  return &callee;
}
