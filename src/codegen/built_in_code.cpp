// The library functions, compiled in line: asm_ROL rotates its argument in place, asm_TTSR
// copies it into the status register, exit evaluates its argument and leaves the program,
// asm_OUT and asm_IN move a word to or from a port, asm_IEM reports its argument. The port
// instructions name a register of R0 to R7 only: the value goes through a scratch register
// (R1, R3, R4, R5 or R6) unless it is already in one of those.
#include "cfront/built_in_functions.h"
#include "cfront/calls.h"
#include "cfront/constant.h"
#include "codegen/codegen.h"
#include "codegen/expression_code.h"
#include "codegen/media/dev_null_sm.h"
#include "codegen/media/register_sm.h"
#include "codegen/media/scratch.h"
#include "isa/instructions.h"

namespace {

constexpr int port_register_limit = 8;

int32_t port_of(const FUNCTION_CALL& call) {
  return static_cast<const DECIMAL_CONSTANT*>(call.arguments.front())->value;
}

void output(CODEGEN& g, FUNCTION_CALL& call) {
  STORAGE_MEDIUM& value = medium(g, call.arguments[1]);
  {
    SCRATCH use(g);
    REGISTER* source = &value.fetch(g, use);
    if (source->number >= port_register_limit) {
      REGISTER& low = use.take();
      g.code.emit<TFR>(&low, source);
      source = &low;
    }
    g.code.emit<OUT>(source, port_of(call), g.error_handler);
  }
  value.release(g);
}

STORAGE_MEDIUM& input(CODEGEN& g, FUNCTION_CALL& call) {
  STORAGE_MEDIUM& result = g.sm.take_temporary_medium();
  auto* in_register = dynamic_cast<REGISTER_SM*>(&result);
  if (in_register != nullptr && in_register->r.number < port_register_limit) {
    g.code.emit<IN>(&in_register->r, port_of(call), g.error_handler);
    return result;
  }
  SCRATCH use(g);
  REGISTER& low = use.take();
  g.code.emit<IN>(&low, port_of(call), g.error_handler);
  result.assign(g, g.make<REGISTER_SM>(low));
  return result;
}

void internal_error(CODEGEN& g, FUNCTION_CALL& call) {
  STORAGE_MEDIUM& value = medium(g, call.arguments.front());
  {
    SCRATCH use(g);
    g.code.emit<IEM>(&value.fetch(g, use));
  }
  value.release(g);
}

}  // namespace

STORAGE_MEDIUM& built_in_call(CODEGEN& g, FUNCTION_CALL& call) {
  EXPRESSION* argument = call.arguments.empty() ? nullptr : call.arguments.front();
  switch (call.built_in->which) {
    case BUILT_IN::rotate_left: {
      STORAGE_MEDIUM& m = location(g, argument);
      m.rotate_left(g);
      m.release(g);
      break;
    }
    case BUILT_IN::to_status_register: {
      STORAGE_MEDIUM& m = medium(g, argument);
      m.to_status_register(g);
      m.release(g);
      break;
    }
    case BUILT_IN::exit:
      if (argument != nullptr) medium(g, argument).release(g);
      g.exit_jumps.push_back(&g.code.emit<RJMP>(0));
      break;
    case BUILT_IN::output:
      output(g, call);
      break;
    case BUILT_IN::input:
      return input(g, call);
    case BUILT_IN::internal_error:
      internal_error(g, call);
      break;
  }
  return g.make<DEV_NULL_SM>(nullptr);
}
