// Every instruction class, for the assembler, the code generator and the tests.
#pragma once

#include "isa/arithmetic.h"
#include "isa/asm_label.h"
#include "isa/branch_forms.h"
#include "isa/jumps.h"
#include "isa/logic.h"
#include "isa/memory_access.h"
#include "isa/shifts.h"
#include "isa/special.h"
#include "isa/transfers.h"
