// The check of a block: its head declarations, then its statements, each list from its last
// entry to its first, so the diagnostics of one block come out in reverse source order. The
// declarations after its first statement are checked as the statements they stand in.
#include "cfront/compound.h"

#include "cfront/declarations.h"

void COMPOUND::check(C_PROGRAM& program) {
  if (declarations != nullptr) check_declarators(declarations->head(), program);
  for (auto statement = statements.rbegin(); statement != statements.rend(); ++statement)
    (*statement)->check(program);
}

// Only a body knows its function; an inner block asks outward once and keeps the answer.
C_FUNCTION* COMPOUND::owning_function() {
  if (function == nullptr && enclosing != nullptr) function = enclosing->owning_function();
  return function;
}
