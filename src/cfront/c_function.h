// A function definition: its prototype's parts, its body and the calls that reach it. The
// program keeps every definition in the order their bodies were completed.
#pragma once

#include <vector>

#include "cfront/c_name.h"

class COMPOUND;
class C_TYPE;
class FUNCTION_CALL;
class FUNCTION_PROTOTYPE;
class PARAMETER_LIST;

class C_FUNCTION final : public C_NODE {
 public:
  POSITION position;  // of the prototype
  C_TYPE* return_type = nullptr;
  NAME* name = nullptr;
  FUNCTION_PROTOTYPE* prototype = nullptr;
  INTERNED text = nullptr;
  PARAMETER_LIST* parameters = nullptr;
  COMPOUND* body = nullptr;
  std::vector<FUNCTION_CALL*> calls;  // that reach it, filled when calls are resolved
  int index = -1;                     // for the code generator
  bool is_live = false;               // in the program's live list
  int pointer_number = 0;             // its value as a function pointer; 0: address not taken
};
