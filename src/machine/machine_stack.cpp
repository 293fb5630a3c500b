#include "machine/machine_stack.h"

void MACHINE_STACK::reset() {
  entries.fill(0);
  pointer = -1;
}
