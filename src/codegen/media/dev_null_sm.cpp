#include "codegen/media/dev_null_sm.h"

#include "codegen/codegen.h"

REGISTER& DEV_NULL_SM::fetch(CODEGEN& g, SCRATCH&) {
  g.internal_error("the value of a void function used");
}
